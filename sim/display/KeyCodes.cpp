#include "display/KeyCodes.h"

#include <cctype>
#include <cstdlib>

#include "plugin/HostKeys.h"

namespace sim {

namespace {

constexpr DWORD letterCodes[26] = {
    OAPI_KEY_A, OAPI_KEY_B, OAPI_KEY_C, OAPI_KEY_D, OAPI_KEY_E, OAPI_KEY_F, OAPI_KEY_G,
    OAPI_KEY_H, OAPI_KEY_I, OAPI_KEY_J, OAPI_KEY_K, OAPI_KEY_L, OAPI_KEY_M, OAPI_KEY_N,
    OAPI_KEY_O, OAPI_KEY_P, OAPI_KEY_Q, OAPI_KEY_R, OAPI_KEY_S, OAPI_KEY_T, OAPI_KEY_U,
    OAPI_KEY_V, OAPI_KEY_W, OAPI_KEY_X, OAPI_KEY_Y, OAPI_KEY_Z,
};
constexpr DWORD digitCodes[10] = {OAPI_KEY_0, OAPI_KEY_1, OAPI_KEY_2, OAPI_KEY_3, OAPI_KEY_4,
                                  OAPI_KEY_5, OAPI_KEY_6, OAPI_KEY_7, OAPI_KEY_8, OAPI_KEY_9};

}  // namespace

std::optional<std::uint32_t> ScanCodeOf(char key) {
  const int c = std::toupper(static_cast<unsigned char>(key));
  if (c >= 'A' && c <= 'Z') return letterCodes[c - 'A'];
  if (c >= '0' && c <= '9') return digitCodes[c - '0'];
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
