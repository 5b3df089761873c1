#include "KeyCodes.h"

#include <cctype>
#include <cstdlib>

namespace sim {

namespace {

// Scan codes of the letters A to Z, row by row as on the keyboard.
constexpr std::uint8_t letterCodes[26] = {
    0x1E, 0x30, 0x2E, 0x20, 0x12, 0x21, 0x22, 0x23, 0x17, 0x24, 0x25, 0x26, 0x32,  // A-M
    0x31, 0x18, 0x19, 0x10, 0x13, 0x1F, 0x14, 0x16, 0x2F, 0x11, 0x2D, 0x15, 0x2C,  // N-Z
};

}  // namespace

std::optional<std::uint32_t> ScanCodeOf(char key) {
  const int c = std::toupper(static_cast<unsigned char>(key));
  if (c >= 'A' && c <= 'Z') return letterCodes[c - 'A'];
  if (c >= '1' && c <= '9') return static_cast<std::uint32_t>(0x02 + (c - '1'));
  if (c == '0') return 0x0B;
  return std::nullopt;
}

std::optional<std::uint32_t> ParseKeyName(const std::string& name) {
  if (name.size() == 1) return ScanCodeOf(name[0]);
  if (name.size() < 3 || name.size() > 4 || name[0] != '0' || (name[1] != 'x' && name[1] != 'X'))
    return std::nullopt;
  for (std::size_t i = 2; i < name.size(); ++i) {
    if (!std::isxdigit(static_cast<unsigned char>(name[i]))) return std::nullopt;
  }
  return static_cast<std::uint32_t>(std::strtoul(name.c_str() + 2, nullptr, 16));
}

}  // namespace sim
