#include "cockpit/FlightPanel.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "host/Formatted.h"
#include "world/Calendar.h"
#include "world/NearestBody.h"
#include "world/Scenario.h"

namespace sim {

namespace {

std::string Line(const char* label, const std::string& value) {
  return host::Formatted("%-10s %s", label, value.c_str());
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// A blank that may end a piece: not one that joins a number to its unit.
bool BreaksAt(const std::string& text, std::size_t blank) {
  if (blank == 0 || blank + 1 >= text.size()) return true;
  const char before = text[blank - 1], after = text[blank + 1];
  const bool unit = std::isalpha(static_cast<unsigned char>(after)) != 0 || after == '%';
  return !(IsDigit(before) && unit);
}

// Below this share of the requested time acceleration, the achieved one
// is shown beside it.
constexpr double shortfall = 0.95;

}  // namespace

std::vector<std::string> PanelLines(const ClockState& clock,
                                    const std::vector<std::string>& events) {
  std::vector<std::string> lines;
  const std::string& scenario = AppliedScenarioName();
  lines.push_back(Line("Scenario", scenario.empty() ? "-" : scenario));
  lines.push_back(Line(
      "Date",
      CalendarText(clock.mjd) +
          host::Formatted(std::abs(clock.mjd) < 1e9 ? "  (MJD %.5f)" : "  (MJD %.6g)", clock.mjd)));
  lines.push_back(Line("Sim time", host::Formatted("%.2f s", clock.simTime)));
  std::string pace = host::Formatted("%gx", clock.timeAcceleration);
  if (clock.paused)
    pace += "  PAUSED";
  else if (clock.achievedAcceleration >= 0 &&
           clock.achievedAcceleration < shortfall * clock.timeAcceleration)
    pace += host::Formatted(
                clock.achievedAcceleration >= 10 ? " (achieved %.0fx)" : " (achieved %.2gx)",
                clock.achievedAcceleration) +
            "  running";
  else
    pace += "  running";
  lines.push_back(Line("Time acc", pace));
  host::World& world = host::TheWorld();
  const host::Object* focus = world.Find(world.Focus());
  lines.push_back(Line("Focus", focus != nullptr ? focus->name : "none"));
  const host::Object* body = focus != nullptr ? NearestBody(focus->pos) : nullptr;
  if (body != nullptr) {
    lines.push_back(Line("Nearest", body->name));
    const double altitude = host::Length(focus->pos - body->pos) - body->size;
    // On the surface the rounding of the sum may leave a hair below it,
    // which would read -0.0.
    const double km = std::abs(altitude) < 50 ? 0.0 : altitude / 1000;
    lines.push_back(Line("Altitude", host::Formatted("%.1f km", km)));
    lines.push_back(
        Line("Speed", host::Formatted("%.3f km/s", host::Length(focus->vel - body->vel) / 1000)));
  } else {
    lines.push_back(Line("Nearest", "none"));
    lines.push_back(Line("Altitude", "-"));
    lines.push_back(Line("Speed", "-"));
  }
  if (focus != nullptr) {
    const host::Object* parent = world.Find(focus->parent);
    lines.push_back(Line("Held by", parent != nullptr ? parent->name : "-"));
  }
  if (events.empty()) lines.push_back(Line("Events", "-"));
  for (auto event = events.rbegin(); event != events.rend(); ++event)
    lines.push_back(Line(event == events.rbegin() ? "Events" : "", *event));
  return lines;
}

std::vector<std::string> PanelPieces(const std::string& line, std::size_t width,
                                     std::size_t indent) {
  std::vector<std::string> pieces;
  std::string rest = line;
  while (rest.size() > width && width > indent + 1) {
    std::size_t cut = rest.rfind(' ', width);
    while (cut != std::string::npos && cut > indent && !BreaksAt(rest, cut))
      cut = rest.rfind(' ', cut - 1);
    if (cut == std::string::npos || cut <= indent) {
      cut = width;  // within a word, but not within one of its characters
      while (cut > indent + 1 && (static_cast<unsigned char>(rest[cut]) & 0xC0) == 0x80) --cut;
    }
    pieces.push_back(rest.substr(0, cut));
    rest = std::string(indent, ' ') + rest.substr(rest[cut] == ' ' ? cut + 1 : cut);
  }
  pieces.push_back(rest);
  return pieces;
}

}  // namespace sim
