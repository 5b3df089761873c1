// Loads plug-in modules as the operating system does: loading runs the
// module's library entry, which registers what the module offers; unloading
// runs it again for the goodbye. The host then reads the module's per-frame
// callbacks through __opcGetInterface.
#pragma once

#include <string>
#include <vector>

#include "ModuleInterface.h"

namespace host {

struct LoadedModule {
  std::string path;
  void* library;                         // the operating system's handle
  const ModuleCallbackTable* callbacks;  // null when the module has none
};

// Returns the module, or null with `error` set.
const LoadedModule* LoadModule(const std::string& path, std::string& error);
bool UnloadModule(const LoadedModule* module);
void UnloadAllModules();
const std::vector<const LoadedModule*>& LoadedModules();

// Calls opcTimestep of every loaded module that has one.
void CallTimestep(double simt, double simdt, double mjd);

}  // namespace host
