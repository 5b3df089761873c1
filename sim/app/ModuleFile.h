// Loading the plug-in module the simulator flies.
#pragma once

#include <string>

namespace sim {

// Loads the module through the host's loader and checks that it registers
// the display mode; false with `error` saying why not, without the path.
bool LoadFlightModule(const std::string& path, std::string& error);

}  // namespace sim
