// Reading a whole text file, with the system's reason when that fails.
#pragma once

#include <string>

namespace sim {

// False with `error` set to "cannot read: REASON".
bool ReadTextFile(const std::string& path, std::string& text, std::string& error);

}  // namespace sim
