#include "display/JauntMFD.h"

#include <stdint.h>
#include <stdlib.h>

JauntMFD* currentDisplay = nullptr;
const char noTargetName[] = "";

namespace {

JauntMFD* liveDisplays = nullptr;
uint32_t lastSerial = 0;

}  // namespace

JauntMFD::JauntMFD(DWORD w, DWORD h, VESSEL* vessel)
    : MFD(w, h, vessel), serial(++lastSerial), nextLive(liveDisplays) {
  liveDisplays = this;
  currentDisplay = this;
  UpdateTarget(noTargetName, false);
}

JauntMFD::~JauntMFD() {
  currentDisplay = nullptr;
  for (JauntMFD** link = &liveDisplays; *link != nullptr; link = &(*link)->nextLive) {
    if (*link == this) {
      *link = nextLive;
      break;
    }
  }
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
