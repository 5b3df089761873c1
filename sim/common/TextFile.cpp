#include "common/TextFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace sim {

bool ReadTextFile(const std::string& path, std::string& text, std::string& error,
                  std::size_t limit) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    error = std::string("cannot read: ") + std::strerror(errno);
    return false;
  }
  text.clear();
  char buffer[4096];
  std::size_t n;
  while (text.size() < limit &&
         (n = std::fread(buffer, 1, std::min(sizeof buffer, limit - text.size()), file)) > 0)
    text.append(buffer, n);
  // A directory opens on some systems and fails only when read.
  const int failure = std::ferror(file) ? errno : 0;
  std::fclose(file);
  if (failure != 0) {
    error = std::string("cannot read: ") + std::strerror(failure);
    return false;
  }
  return true;
}

}  // namespace sim
