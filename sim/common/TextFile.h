// Reading a whole text file, with the system's reason when that fails.
#pragma once

#include <string>

namespace sim {

// False with `error` set to "cannot read: REASON". Reading stops after
// `limit` bytes, so a reader that refuses longer texts never holds more.
bool ReadTextFile(const std::string& path, std::string& text, std::string& error,
                  std::size_t limit = std::string::npos);

}  // namespace sim
