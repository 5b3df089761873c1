// What the host finds in a plug-in module: the exported entry points and the
// table of per-frame callbacks it reads through __opcGetInterface.
#pragma once

#include "plugin/HostTypes.h"
#include "plugin/Platform.h"

// One slot per per-frame callback, in this order. A slot holds the module's
// own export of that name, or null.
struct ModuleCallbackTable {
  using Slot = void (*)();
  Slot opcOpenRenderViewport;
  Slot opcCloseRenderViewport;
  Slot opcTimestep;
  Slot opcFocusChanged;
  Slot opcTimeAccChanged;
};

using OpcStepFn = void (*)(double simt, double simdt, double mjd);
using OpcDllFn = void (*)(HINSTANCE);
using OpcGetInterfaceFn = ModuleCallbackTable* (*)();
using OpcCloseRenderViewportFn = void (*)();
using OpcDeleteVesselFn = void (*)(ObjectHandle);

extern "C" {
// Registration of the mode, and its end (plugin/ModeRegistration.cpp).
JAUNT_MODULE_EXPORT void opcDLLInit(HINSTANCE hDLL);
JAUNT_MODULE_EXPORT void opcDLLExit(HINSTANCE hDLL);
// The callback table (plugin/LibraryEntry.cpp, which fills it at load).
JAUNT_MODULE_EXPORT ModuleCallbackTable*
__opcGetInterface();  // NOLINT(bugprone-reserved-identifier)
// The per-step callback of hosts that read it from the callback table
// (jump/CarrierRelease.cpp).
JAUNT_MODULE_EXPORT void opcTimestep(double simt, double simdt, double mjd);
// The per-step callback of hosts that look it up by name
// (jump/CarrierRelease.cpp).
JAUNT_MODULE_EXPORT void opcPreStep(double simt, double simdt, double mjd);
// The end of a session, after the host has destroyed every vessel, and the
// deletion of one vessel during a session; hosts look both up by name
// (jump/CarrierRelease.cpp).
JAUNT_MODULE_EXPORT void opcCloseRenderViewport();
JAUNT_MODULE_EXPORT void opcDeleteVessel(ObjectHandle vessel);
}
