#include "app/ModuleFile.h"

#include <filesystem>
#include <system_error>

#include "common/SimDefaults.h"
#include "host/Displays.h"
#include "host/ModuleLoader.h"

namespace sim {

namespace {

bool RegistersMode() {
  for (const host::ModeInfo& mode : host::RegisteredModes()) {
    if (mode.name == displayMode) return true;
  }
  return false;
}

}  // namespace

bool LoadFlightModule(const std::string& path, std::string& error) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    error = std::filesystem::exists(path, ec) ? "cannot load module: not a file"
                                              : "cannot load module: no such file";
    return false;
  }
  // A bare file name would send the loader searching the library path.
  const std::filesystem::path file(path);
  const std::string load =
      file.has_parent_path() ? path : (std::filesystem::path(".") / file).string();
  std::string reason;
  if (host::LoadModule(load, reason) == nullptr) {
    // The loader's reason often begins with the path, which the caller names.
    if (reason.rfind(load + ": ", 0) == 0) reason.erase(0, load.size() + 2);
    error = "cannot load module: " + reason;
    return false;
  }
  if (!RegistersMode()) {
    error = std::string("the module registers no \"") + displayMode + "\" display mode";
    host::UnloadAllModules();
    return false;
  }
  return true;
}

}  // namespace sim
