#include "JauntMFD.h"

#include <stdint.h>
#include <stdlib.h>

JauntMFD* currentDisplay = nullptr;
const char noTargetName[] = "";

namespace {

JauntMFD* liveDisplays = nullptr;
uint32_t lastSerial = 0;

void Unlink(const JauntMFD* display) {
  for (JauntMFD** link = &liveDisplays; *link != nullptr; link = &(*link)->nextLive) {
    if (*link == display) {
      *link = display->nextLive;
      return;
    }
  }
}

}  // namespace

JauntMFD::JauntMFD(DWORD w, DWORD h, VESSEL* vessel)
    : MFD(w, h, vessel),
      target(nullptr),
      targetName{},
      targetRelPos{},
      targetRelVel{},
      targetRadius(0),
      targetDistance(0),
      targetSpeed(0),
      distanceSetting(1e9),
      speedSetting(0),
      shipPos{},
      shipAxis{},
      destPos{},
      destVel{},
      jumpLength(0),
      carrier(nullptr),
      // No estimate has been made yet. Starting from certain failure means a
      // jump confirmed before any estimate is never judged safe, and the
      // question shows 0.0% rather than an unfounded figure.
      failureChance(1),
      carrierAttachment(nullptr),
      carrierVessel(nullptr),
      ship(nullptr),
      releasePending(false),
      lastJumpSafe(true),
      estimateValid(false),
      serial(++lastSerial),
      nextLive(liveDisplays) {
  liveDisplays = this;
  currentDisplay = this;
  UpdateTarget(noTargetName, false);
}

JauntMFD::~JauntMFD() {
  currentDisplay = nullptr;
  Unlink(this);
}

void* JauntMFD::operator new(size_t size) noexcept {
  return malloc(size);
}

void JauntMFD::operator delete(void* memory) noexcept {
  free(memory);
}

void* JauntMFD::InputToken() const {
  return reinterpret_cast<void*>(static_cast<uintptr_t>(serial));
}

JauntMFD* DisplayFromToken(void* token) {
  for (JauntMFD* display = liveDisplays; display != nullptr; display = display->nextLive) {
    if (display->InputToken() == token) return display;
  }
  return nullptr;
}
