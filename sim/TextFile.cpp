#include "TextFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace sim {

bool ReadTextFile(const std::string& path, std::string& text, std::string& error) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    error = std::string("cannot read: ") + std::strerror(errno);
    return false;
  }
  text.clear();
  char buffer[4096];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, n);
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
