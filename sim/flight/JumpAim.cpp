#include "flight/JumpAim.h"

#include <cmath>

#include "host/Formatted.h"

namespace sim {

std::string RoughDistance(double metres) {
  const struct {
    const char* unit;
    double size;
  } units[] = {{"Gm", 1e9}, {"Mm", 1e6}, {"km", 1e3}, {"m", 1}};
  for (const auto& unit : units) {
    double n = metres / unit.size;
    if (n >= 1 || unit.size == 1) {
      if (n >= 10) {
        const double step = std::pow(10.0, std::floor(std::log10(n)) - 1);
        n = std::round(n / step) * step;
      }
      return host::Formatted(n < 10 ? "about %.1f %s" : "about %.0f %s", n, unit.unit);
    }
  }
  return {};
}

}  // namespace sim
