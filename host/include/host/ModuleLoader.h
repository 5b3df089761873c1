// Loads plug-in modules as the operating system does: loading runs the
// module's library entry, which registers what the module offers; unloading
// runs it again for the goodbye. The host then calls each module once a time
// step, through the callback the host's generation uses.
#pragma once

#include <string>
#include <vector>

#include "plugin/ModuleInterface.h"

namespace host {

struct LoadedModule {
  std::string path;
  void* library;                         // the operating system's handle
  const ModuleCallbackTable* callbacks;  // from __opcGetInterface; null when the module has none
  OpcStepFn preStep;                     // the export opcPreStep; null when the module has none
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

}  // namespace host
