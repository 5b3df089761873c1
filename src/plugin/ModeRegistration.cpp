// Registration of the "Jaunt" display mode and the factory the host calls to
// open a display of it.
#include "display/JauntMFD.h"
#include "plugin/ModuleInterface.h"

namespace {

int modeId = 0;

char modeName[] = "Jaunt";  // the host takes the name as char*
constexpr DWORD modeKey = OAPI_KEY_W;

MfdMessageResult ModeMessageProc(UINT msg, UINT /*mfd*/, WPARAM wparam, LPARAM lparam) {
  if (msg != OAPI_MSG_MFD_OPENED) return 0;
  const auto size = static_cast<DWORD>(wparam);
  // Null when the display cannot be allocated: the object's own allocation
  // function does not throw.
  auto* display =
      new JauntMFD(size & 0xFFFF, (size >> 16) & 0xFFFF, reinterpret_cast<VESSEL*>(lparam));
  return reinterpret_cast<MfdMessageResult>(display);
}

}  // namespace

extern "C" void opcDLLInit(HINSTANCE /*hDLL*/) {
  MFDMODESPEC spec{modeName, modeKey, ModeMessageProc};
  currentDisplay = nullptr;
  modeId = oapiRegisterMFDMode(spec);
}

extern "C" void opcDLLExit(HINSTANCE /*hDLL*/) {
  oapiUnregisterMFDMode(modeId);
}
