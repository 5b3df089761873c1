#include "jump/CarrierRelease.h"

#include "display/JauntMFD.h"
#include "plugin/ModuleInterface.h"

int32_t releaseCountdown = -1;

namespace {

// Hosts call opcPreStep by name, older ones opcTimestep through the callback
// table; a host may call both in one frame. Once opcPreStep has come, it is
// the clock, so that every host step counts once.
bool preStepSeen = false;

// A jump is being carried while `carrier` is set.
struct Carried {
  ObjectHandle carrier = nullptr;
  VESSEL* carrierVessel = nullptr;
  AttachmentHandle carrierAttachment = nullptr;
  void* display = nullptr;  // token of the display that jumped
};

Carried carried;

void Release() {
  // A carrier removed by someone else must not reach the host again. The
  // host answers for the handle itself: another object may bear its name.
  if (oapiIsVessel(carried.carrier)) {
    carried.carrierVessel->DetachChild(carried.carrierAttachment, 0.0);
    oapiDeleteVessel(carried.carrier, nullptr);
  }
  if (JauntMFD* display = DisplayFromToken(carried.display)) display->releasePending = false;
  carried = Carried{};
}

}  // namespace

void StartRelease(const JauntMFD& display) {
  carried = {display.carrier, display.carrierVessel, display.carrierAttachment,
             display.InputToken()};
  releaseCountdown = -1;
}

bool ReleasePending() {
  return carried.carrier != nullptr;
}

namespace {

void CountHostStep() {
  if (!ReleasePending()) return;
  const int32_t c = releaseCountdown == -1 ? 2 : releaseCountdown;
  releaseCountdown = c - 1;
  if (c == 0) Release();
}

}  // namespace

extern "C" void opcTimestep(double /*simt*/, double /*simdt*/, double /*mjd*/) {
  if (!preStepSeen) CountHostStep();
}

extern "C" void opcPreStep(double /*simt*/, double /*simdt*/, double /*mjd*/) {
  preStepSeen = true;
  CountHostStep();
}
