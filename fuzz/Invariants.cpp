#include "Invariants.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "FuzzWorld.h"
#include "host/Diagnostics.h"
#include "host/Displays.h"
#include "host/World.h"
#include "jump/CarrierRelease.h"

namespace fuzz {

namespace {

constexpr std::size_t longestLine = 99;

// Steps each carrier has lived through, by handle.
std::map<ObjectHandle, int> carrierAges;

void CheckDisplay(int number) {
  const host::Page page = host::DrawDisplay(number);
  if (page.title.size() > longestLine) Breach("title too long: " + page.title);
  for (const host::TextRun& run : page.runs)
    if (run.text.size() > longestLine) Breach("page line too long: " + run.text);

  const JauntMFD* display = Jaunt(number);
  if (!std::isfinite(display->distanceSetting) || display->distanceSetting < 0)
    Breach("distance setting " + std::to_string(display->distanceSetting));
  // Written so that NaN fails too.
  if (!(display->failureChance >= 0 && display->failureChance <= 1))
    Breach("failure chance " + std::to_string(display->failureChance));
}

bool IsCarrier(const host::Object& vessel) {
  return vessel.name == carrierName;
}

}  // namespace

void Breach(const std::string& what) {
  std::fprintf(stderr, "invariant broken: %s\n", what.c_str());
  for (const std::string& report : host::Reports())
    std::fprintf(stderr, "  host: %s\n", report.c_str());
  std::abort();
}

void CheckAfterAction() {
  for (int number : host::OpenDisplays()) CheckDisplay(number);

  host::World& world = host::TheWorld();
  for (ObjectHandle handle : world.Vessels()) {
    const host::Object& vessel = *world.Find(handle);
    if (!host::IsFinite(vessel.pos) || !host::IsFinite(vessel.vel))
      Breach("vessel " + vessel.name + " has a state that is not finite");
    if (IsCarrier(vessel) && carrierAges[handle] >= 3)
      Breach("carrier still there after three time steps");
  }
  if (host::StaleHandleUses() != 0) Breach("a handle of a removed object reached the host");
}

void NoteStep() {
  host::World& world = host::TheWorld();
  for (ObjectHandle handle : world.Vessels())
    if (IsCarrier(*world.Find(handle))) ++carrierAges[handle];
}

void CheckReleased() {
  host::World& world = host::TheWorld();
  for (ObjectHandle handle : world.Vessels()) {
    const host::Object& vessel = *world.Find(handle);
    if (IsCarrier(vessel)) Breach("carrier left after three time steps");
    // Only carriers hold vessels in the fuzzers' world.
    if (vessel.parent != nullptr) Breach("vessel " + vessel.name + " still attached");
  }
  if (ReleasePending()) Breach("release still pending after three time steps");
}

void SettleAndCheck() {
  for (int i = 0; i < 3; ++i) {
    Step(1);
    CheckAfterAction();
  }
  CheckReleased();
}

void ResetChecks() {
  carrierAges.clear();
}

}  // namespace fuzz
