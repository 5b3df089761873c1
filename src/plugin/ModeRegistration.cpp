// Registration of the "Jaunt" display mode and the factory the host calls to
// open a display of it.
#include <cstdint>
#include <new>

#include "../display/JauntMFD.h"
#include "ModuleInterface.h"

namespace {

int modeId = 0;

constexpr std::uint32_t modeKey = 0x11;  // W

std::intptr_t ModeMessageProc(std::uint32_t msg, std::uint32_t /*mfd*/, std::uint32_t size,
                              std::uintptr_t vessel) {
  if (msg != OAPI_MSG_MFD_OPENED) return 0;
  auto* display =
      new (std::nothrow) JauntMFD(size & 0xFFFF, size >> 16, reinterpret_cast<VESSEL*>(vessel));
  return reinterpret_cast<std::intptr_t>(display);
}

}  // namespace

extern "C" void opcDLLInit(HINSTANCE /*module*/) {
  MFDMODESPEC spec{"Jaunt", modeKey, ModeMessageProc};
  currentDisplay = nullptr;
  modeId = oapiRegisterMFDMode(spec);
}

extern "C" void opcDLLExit(HINSTANCE /*module*/) {
  oapiUnregisterMFDMode(modeId);
}
