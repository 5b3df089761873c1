#include "jump/CarrierRelease.h"

#include "display/JauntMFD.h"
#include "plugin/ModuleInterface.h"

int32_t releaseCountdown = -1;

namespace {

// Hosts call opcPreStep by name, older ones opcTimestep through the callback
// table; a host may call both in one frame. Once opcPreStep has come, it is
// the clock, so that every host step counts once.
bool preStepSeen = false;

// A jump is being carried while `carrier` is set. The carrier's interface is
// not kept: the host hands out a fresh one when it is needed.
struct Carried {
  ObjectHandle carrier = nullptr;
  AttachmentHandle carrierAttachment = nullptr;
  void* display = nullptr;  // token of the display that jumped
};

Carried carried;

// Drops the pending release, and the countdown with it.
Carried Forget() {
  const Carried forgotten = carried;
  carried = Carried{};
  releaseCountdown = -1;
  if (JauntMFD* display = DisplayFromToken(forgotten.display)) display->releasePending = false;
  return forgotten;
}

void Release() {
  // Forgotten first: deleting the carrier comes back here as opcDeleteVessel.
  const Carried released = Forget();
  // The host answers for the handle itself: another object may bear the
  // carrier's name. One deleted by someone else has been forgotten already.
  if (!oapiIsVessel(released.carrier)) return;
  if (VESSEL* carrierVessel = oapiGetVesselInterface(released.carrier)) {
    carrierVessel->DetachChild(released.carrierAttachment, 0.0);
    oapiDeleteVessel(released.carrier, nullptr);
  }
}

void CountHostStep() {
  if (!ReleasePending()) return;
  const int32_t c = releaseCountdown == -1 ? 2 : releaseCountdown;
  releaseCountdown = c - 1;
  if (c == 0) Release();
}

}  // namespace

void StartRelease(const JauntMFD& display) {
  carried = {display.carrier, display.carrierAttachment, display.InputToken()};
  releaseCountdown = -1;
}

bool ReleasePending() {
  return carried.carrier != nullptr;
}

extern "C" void opcTimestep(double /*simt*/, double /*simdt*/, double /*mjd*/) {
  if (!preStepSeen) CountHostStep();
}

extern "C" void opcPreStep(double /*simt*/, double /*simdt*/, double /*mjd*/) {
  preStepSeen = true;
  CountHostStep();
}

// The session has ended and every vessel with it. The host stays loaded with
// this module, and the next session's objects may take the very handles of
// this one's: a carrier kept past here would be some other vessel then.
extern "C" void opcCloseRenderViewport() {
  Forget();
}

// A carrier deleted by someone else is gone, and so is what it held.
extern "C" void opcDeleteVessel(ObjectHandle vessel) {
  if (vessel != nullptr && vessel == carried.carrier) Forget();
}
