// Writing a file the simulator makes (a picture, a scenario) whole or not
// at all, without harm to what the path names.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

namespace sim {

// Puts the file's contents into `file`; false with `reason` set when it
// cannot.
using FileContents = std::function<bool(std::FILE* file, std::string& reason)>;

// Writes `contents` to `path`. Symbolic links are followed to the file
// they name. A regular file, or none, is written as a temporary file beside
// it that then takes its place, keeping its permissions: an old file is
// replaced only by a whole new one, and a signal that ends the program
// meanwhile removes the temporary file. A read-only file is refused, and so
// is any file when `replace` is false. A device or a FIFO is written to as
// it is (a FIFO only while something reads it); anything else is refused.
// False with `reason` set when nothing was written or the old file stands.
bool WriteOutputFile(const std::string& path, const FileContents& contents, std::string& reason,
                     bool replace = true);

// The reason WriteOutputFile gives when `replace` is false and a file is
// there.
inline constexpr char fileExistsReason[] = "the file exists";

}  // namespace sim
