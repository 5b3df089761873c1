#include "plugin/LibraryEntry.h"

#include "plugin/ModuleInterface.h"

namespace {

ModuleCallbackTable callbacks;

// Looks up one of the module's own exports; absent exports leave null.
ModuleCallbackTable::Slot FindExport(HINSTANCE module, const char* name) {
  // Through void(*)() so that the cast to the caller's type stays explicit.
  return reinterpret_cast<ModuleCallbackTable::Slot>(
      reinterpret_cast<void*>(GetProcAddress(module, name)));
}

void FillCallbackTable(HINSTANCE module) {
  callbacks.opcOpenRenderViewport = FindExport(module, "opcOpenRenderViewport");
  callbacks.opcCloseRenderViewport = FindExport(module, "opcCloseRenderViewport");
  callbacks.opcTimestep = FindExport(module, "opcTimestep");
  callbacks.opcFocusChanged = FindExport(module, "opcFocusChanged");
  callbacks.opcTimeAccChanged = FindExport(module, "opcTimeAccChanged");
}

void CallIfExported(HINSTANCE module, const char* name) {
  if (auto entry = reinterpret_cast<OpcDllFn>(FindExport(module, name))) entry(module);
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID /*reserved*/) {
  switch (reason) {
    case DLL_PROCESS_ATTACH:
      FillCallbackTable(module);
      CallIfExported(module, "opcDLLInit");
      break;
    case DLL_PROCESS_DETACH:
      CallIfExported(module, "opcDLLExit");
      break;
    default:
      break;
  }
  return TRUE;
}

extern "C" ModuleCallbackTable* __opcGetInterface() {
  return &callbacks;
}
