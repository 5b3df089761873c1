// The list of loaded modules and the per-frame calls into them; loading and
// unloading themselves are the platform's (see OpenLibrary, CloseLibrary).
#include "host/ModuleLoader.h"

#include <algorithm>
#include <memory>

#include "LibraryLoading.h"

namespace host {

namespace {
std::vector<std::unique_ptr<LoadedModule>> modules;
std::vector<const LoadedModule*> view;
StepCallbacks stepCallbacks = StepCallbacks::PreStep;

void RebuildView() {
  view.clear();
  for (const auto& module : modules) view.push_back(module.get());
}
}  // namespace

const LoadedModule* LoadModule(const std::string& path, std::string& error) {
  void* library = OpenLibrary(path, error);
  if (library == nullptr) return nullptr;
  const OpcCallbackTable* callbacks = nullptr;
  using GetInterfaceFn = const OpcCallbackTable* (*)();
  if (auto getInterface =
          reinterpret_cast<GetInterfaceFn>(FindLibrarySymbol(library, "__opcGetInterface")))
    callbacks = getInterface();
  modules.push_back(std::make_unique<LoadedModule>(LoadedModule{
      path, library, callbacks,
      reinterpret_cast<OpcStepFn>(FindLibrarySymbol(library, "opcPreStep")),
      reinterpret_cast<OpcCloseRenderViewportFn>(
          FindLibrarySymbol(library, "opcCloseRenderViewport")),
      reinterpret_cast<OpcDeleteVesselFn>(FindLibrarySymbol(library, "opcDeleteVessel"))}));
  RebuildView();
  return modules.back().get();
}

bool UnloadModule(const LoadedModule* module) {
  auto it = std::find_if(modules.begin(), modules.end(),
                         [module](const auto& m) { return m.get() == module; });
  if (it == modules.end()) return false;
  void* library = (*it)->library;
  modules.erase(it);
  RebuildView();
  CloseLibrary(library);
  return true;
}

void UnloadAllModules() {
  while (!modules.empty()) UnloadModule(modules.back().get());
}

const std::vector<const LoadedModule*>& LoadedModules() {
  return view;
}

void UseStepCallbacks(StepCallbacks which) {
  stepCallbacks = which;
}

void CallTimestep(double simt, double simdt, double mjd) {
  const bool byName = stepCallbacks != StepCallbacks::Timestep;
  const bool fromTable = stepCallbacks != StepCallbacks::PreStep;
  for (const auto& module : modules) {
    if (byName && module->preStep != nullptr) module->preStep(simt, simdt, mjd);
    if (fromTable && module->callbacks != nullptr && module->callbacks->opcTimestep != nullptr)
      reinterpret_cast<OpcStepFn>(module->callbacks->opcTimestep)(simt, simdt, mjd);
  }
}

void CallCloseRenderViewport() {
  for (const auto& module : modules) {
    if (module->closeRenderViewport != nullptr) module->closeRenderViewport();
  }
}

void CallDeleteVessel(void* vessel) {
  for (const auto& module : modules) {
    if (module->deleteVessel != nullptr) module->deleteVessel(vessel);
  }
}

}  // namespace host
