// Loads plug-in modules as the operating system does: loading runs the
// module's library entry, which registers what the module offers; unloading
// runs it again for the goodbye. The host then calls each module once a time
// step, through the callback the host's generation uses.
#pragma once

#include <string>
#include <vector>

namespace host {

// What the host calls in a module, with the host's own signatures: it looks
// each up by name, and older hosts read the per-step callback from the table
// the module returns from __opcGetInterface, five slots in this order.
using OpcStepFn = void (*)(double simt, double simdt, double mjd);
using OpcCloseRenderViewportFn = void (*)();
using OpcDeleteVesselFn = void (*)(void* hVessel);
struct OpcCallbackTable {
  void (*opcOpenRenderViewport)();
  void (*opcCloseRenderViewport)();
  void (*opcTimestep)();
  void (*opcFocusChanged)();
  void (*opcTimeAccChanged)();
};

struct LoadedModule {
  std::string path;
  void* library;                      // the operating system's handle
  const OpcCallbackTable* callbacks;  // from __opcGetInterface; null when the module has none
  // The module's exports of these names; null where it has none.
  OpcStepFn preStep;
  OpcCloseRenderViewportFn closeRenderViewport;
  OpcDeleteVesselFn deleteVessel;
};

// Returns the module, or null with `error` set.
const LoadedModule* LoadModule(const std::string& path, std::string& error);
bool UnloadModule(const LoadedModule* module);
void UnloadAllModules();
const std::vector<const LoadedModule*>& LoadedModules();

// The per-step callbacks the host calls. The current host calls opcPreStep,
// which it finds by name; the older one opcTimestep from the callback table.
enum class StepCallbacks { PreStep, Timestep, Both };
void UseStepCallbacks(StepCallbacks which);  // PreStep until told otherwise

// Calls the per-step callbacks of every loaded module that has them; with
// Both, opcPreStep first.
void CallTimestep(double simt, double simdt, double mjd);
// Tells every loaded module that has the callback that the session ended
// (opcCloseRenderViewport), or that a vessel is being deleted during it
// (opcDeleteVessel).
void CallCloseRenderViewport();
void CallDeleteVessel(void* vessel);

}  // namespace host
