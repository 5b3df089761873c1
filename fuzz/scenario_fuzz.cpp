// Fuzzes the scenario readers with arbitrary files, as a pilot may hand
// jaunt-sim any file at all: the same bytes go to the simulator's own reader
// (TOML) and to the host's (.scn).
//
// Input: the file's bytes. Each reader must either refuse the file with one
// line that names it, or give a scenario the world can be made from: every
// start within the world's bounds, at most one focus vessel, one or two
// displays, and what it skipped listed on one line. An accepted scenario is
// then made the host's world.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "world/HostScenarioFile.h"
#include "world/Scenario.h"
#include "world/ScenarioFile.h"
#include "world/ScenarioPlacement.h"

namespace {

[[noreturn]] void Fail(const char* what, const std::string& detail) {
  std::fprintf(stderr, "scenario_fuzz: %s: %s\n", what, detail.c_str());
  std::abort();
}

bool OneLine(const std::string& text) {
  return text.find_first_of("\r\n") == std::string::npos;
}

void CheckOutcome(bool accepted, const sim::Scenario& scenario, const std::string& path,
                  const std::string& error, const std::string& skipped) {
  if (!accepted) {
    if (!error.starts_with(path + ":") || !OneLine(error))
      Fail("a refusal is not one line naming the file", error);
    if (!scenario.vessels.empty() || !scenario.bodies.empty())
      Fail("a refused file left a scenario", path);
    return;
  }
  if (!OneLine(skipped)) Fail("the list of skipped things is not one line", skipped);
  if (!OneLine(scenario.name)) Fail("the scenario's name is not one line", scenario.name);
  int focus = 0;
  for (const sim::VesselEntry& vessel : scenario.vessels) focus += vessel.focus ? 1 : 0;
  if (focus > 1) Fail("more than one focus vessel", path);
  if (scenario.displays < 1 || scenario.displays > 2)
    Fail("displays out of range", std::to_string(scenario.displays));
  if (const auto fault = sim::CheckPlacement(scenario)) Fail("accepted a bad start", fault->reason);
  std::string refusal;
  sim::ApplyScenario(scenario, refusal);  // a date the ephemeris lacks is refused, not a fault
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  sim::Scenario scenario;
  std::string skipped, error;
  bool accepted = sim::ParseHostScenario(text, "f.scn", scenario, skipped, error);
  CheckOutcome(accepted, scenario, "f.scn", error, skipped);
  skipped.clear();
  error.clear();
  accepted = sim::ParseScenario(text, "f.toml", scenario, error);
  CheckOutcome(accepted, scenario, "f.toml", error, skipped);
  return 0;
}
