#include "JauntMFD.h"

#include <cstdint>
#include <cstring>

JauntMFD* currentDisplay = nullptr;
const char noTargetName[] = "";

namespace {

JauntMFD* liveDisplays = nullptr;
std::uint32_t lastSerial = 0;

void Unlink(const JauntMFD* display) {
  for (JauntMFD** link = &liveDisplays; *link != nullptr; link = &(*link)->nextLive) {
    if (*link == display) {
      *link = display->nextLive;
      return;
    }
  }
}

}  // namespace

JauntMFD::JauntMFD(std::uint32_t w, std::uint32_t h, VESSEL* vessel)
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

void* JauntMFD::InputToken() const {
  return reinterpret_cast<void*>(static_cast<std::uintptr_t>(serial));
}

JauntMFD* DisplayFromToken(void* token) {
  for (JauntMFD* display = liveDisplays; display != nullptr; display = display->nextLive) {
    if (display->InputToken() == token) return display;
  }
  return nullptr;
}
