// The simulator's costs with the module loaded: one time step of the
// built-in scenario (ephemeris, gravity, the module's opcTimestep) and the
// demo's scripted jump from start to end, the scenario set up afresh each
// time.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <sstream>
#include <string>

#include "BuiltInScenario.h"
#include "Script.h"
#include "TextFile.h"
#include "host/Displays.h"
#include "host/ModuleLoader.h"
#include "host/Simulation.h"

namespace {

// Sets the built-in scenario up afresh with one display open, as the
// simulator starts; returns the display's number, 0 on failure.
int StartScenario(benchmark::State& state) {
  std::string error;
  int display = 0;
  if (sim::ApplyScenario(sim::BuiltInScenario(), error))
    display = host::OpenDisplay(sim::displayMode, 256, 256);
  if (display == 0) state.SkipWithError(("built-in scenario: " + error).c_str());
  return display;
}

void BM_SimStep(benchmark::State& state) {
  if (StartScenario(state) == 0) return;
  for (auto _ : state) host::Step(1.0);
  host::ResetSimulation();
}

void BM_ScriptedJump(benchmark::State& state) {
  std::string script, error;
  if (!sim::ReadTextFile(JAUNT_DEMO_SCRIPT, script, error)) {
    state.SkipWithError(error.c_str());
    return;
  }
  for (auto _ : state) {
    int selected = StartScenario(state);
    if (selected == 0) return;
    std::istringstream in(script);
    std::ostringstream out, err;
    if (sim::RunScript(in, out, err, selected) != 0) {
      state.SkipWithError(("demo script: " + err.str()).c_str());
      return;
    }
  }
  host::ResetSimulation();
}

BENCHMARK(BM_SimStep);
BENCHMARK(BM_ScriptedJump)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  std::string error;
  if (host::LoadModule(JAUNT_MODULE_PATH, error) == nullptr) {
    std::fprintf(stderr, "sim_bench: %s\n", error.c_str());
    return 1;
  }
  benchmark::RunSpecifiedBenchmarks();
  host::ResetSimulation();
  host::UnloadAllModules();
  benchmark::Shutdown();
  return 0;
}
