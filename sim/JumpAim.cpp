#include "JumpAim.h"

#include <cmath>
#include <cstdio>

#include "PageReading.h"
#include "host/Vector.h"

namespace sim {

std::optional<VECTOR3> PlannedDestination(const host::Page& page, const VECTOR3& pos,
                                          const host::Rotation& attitude) {
  const std::optional<std::string> label = TextAfter(page, distanceLabel);
  const std::optional<std::string> value = ValueUnder(page, distanceLabel);
  const std::optional<double> distance = value ? MetresOf(*value) : std::nullopt;
  if (!label || !distance) return std::nullopt;
  // The distance is a final distance to the target exactly when one is set.
  if (label->find("target") == std::string::npos)
    return pos + *distance * attitude.Apply(MakeVector(0, 0, 1));
  const std::optional<std::string> name = TextAfter(page, targetLabel);
  const host::Object* target = name ? host::TheWorld().FindByName(*name) : nullptr;
  if (target == nullptr) return std::nullopt;
  const VECTOR3 away = pos - target->pos;
  const double length = host::Length(away);
  if (length == 0) return std::nullopt;
  return target->pos + (*distance / length) * away;
}

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
      char text[64];
      std::snprintf(text, sizeof text, n < 10 ? "about %.1f %s" : "about %.0f %s", n, unit.unit);
      return text;
    }
  }
  return {};
}

}  // namespace sim
