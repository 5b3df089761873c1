// The keyboard's scan codes, as the host hands keys to a display.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace sim {

// The scan code of a letter (either case) or a digit; empty for others.
std::optional<std::uint32_t> ScanCodeOf(char key);

// A key as a script names it: one letter or digit, or a scan code in hex
// such as 0x11 (one or two hex digits).
std::optional<std::uint32_t> ParseKeyName(const std::string& name);

}  // namespace sim
