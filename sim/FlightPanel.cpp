#include "FlightPanel.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <limits>

#include "Scenario.h"
#include "host/Simulation.h"

namespace sim {

namespace {

std::string Line(const char* label, const std::string& value) {
  char text[200];
  std::snprintf(text, sizeof text, "%-10s %s", label, value.c_str());
  return text;
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

// Days either way of MJD 0 (about 2.7 billion years) within which a date is
// shown in full.
constexpr double calendarDays = 1e12;

std::string Format(const char* format, double value) {
  char text[100];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

// Below this share of the requested time acceleration, the achieved one
// is shown beside it.
constexpr double shortfall = 0.95;

}  // namespace

void PaceMeter::Add(double realSeconds, double simulatedSeconds) {
  real += realSeconds;
  simulated += simulatedSeconds;
  if (real < 1) return;
  achieved = simulated / real;
  real = simulated = 0;
}

std::string CalendarText(double mjd) {
  if (!std::isfinite(mjd)) return "no date";
  // Far out the calendar's day counts would overflow, and the date's
  // precision is years anyway: only the year is shown.
  if (std::abs(mjd) > calendarDays) {
    char text[64];
    std::snprintf(text, sizeof text, "year %.4g", 2000 + (mjd - 51544.5) / 365.2425);
    return text;
  }
  // Whole days from the civil calendar's epoch, then the Gregorian date.
  const double days = std::floor(mjd);
  long long seconds = std::llround((mjd - days) * 86400.0);
  long long z = static_cast<long long>(days) + 678881 + seconds / 86400;  // days since 0000-03-01
  seconds %= 86400;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long doe = z - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  const long long day = doy - (153 * mp + 2) / 5 + 1;
  const long long month = mp < 10 ? mp + 3 : mp - 9;
  const long long year = yoe + era * 400 + (month <= 2 ? 1 : 0);
  char text[128];
  std::snprintf(text, sizeof text, "%04lld-%02lld-%02lld %02lld:%02lld:%02lld", year, month, day,
                seconds / 3600, seconds / 60 % 60, seconds % 60);
  return text;
}

const host::Object* NearestBody(const VECTOR3& pos) {
  host::World& world = host::TheWorld();
  const host::Object* nearest = nullptr;
  double best = std::numeric_limits<double>::infinity();
  for (ObjectHandle handle : world.Bodies()) {
    const host::Object* body = world.Find(handle);
    const double height = host::Length(pos - body->pos) - body->size;
    if (height < best) {
      best = height;
      nearest = body;
    }
  }
  return nearest;
}

std::vector<std::string> PanelLines(const ClockState& clock,
                                    const std::vector<std::string>& events) {
  std::vector<std::string> lines;
  const std::string& scenario = AppliedScenarioName();
  lines.push_back(Line("Scenario", scenario.empty() ? "-" : scenario));
  lines.push_back(Line(
      "Date", CalendarText(clock.mjd) +
                  Format(std::abs(clock.mjd) < 1e9 ? "  (MJD %.5f)" : "  (MJD %.6g)", clock.mjd)));
  lines.push_back(Line("Sim time", Format("%.2f s", clock.simTime)));
  std::string pace = Format("%gx", clock.timeAcceleration);
  if (clock.paused)
    pace += "  PAUSED";
  else if (clock.achievedAcceleration >= 0 &&
           clock.achievedAcceleration < shortfall * clock.timeAcceleration)
    pace += Format(clock.achievedAcceleration >= 10 ? " (achieved %.0fx)" : " (achieved %.2gx)",
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
    lines.push_back(Line("Altitude", Format("%.1f km", km)));
    lines.push_back(
        Line("Speed", Format("%.3f km/s", host::Length(focus->vel - body->vel) / 1000)));
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

std::string EventText(double simTime, const std::string& what) {
  return Format("t=%.2fs ", simTime) + what;
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

std::optional<std::string> HoldWatch::Check() {
  host::World& world = host::TheWorld();
  std::optional<std::string> event;
  // A new session's objects may take the handles of the last one's.
  if (host::SessionNumber() != session) held.clear();
  session = host::SessionNumber();
  std::erase_if(held, [&](ObjectHandle handle) {
    const host::Object* vessel = world.Find(handle);
    if (vessel != nullptr && vessel->parent != nullptr) return false;
    if (vessel != nullptr) event = "carrier released " + vessel->name;
    return true;
  });
  const host::Object* focus = world.Find(world.Focus());
  if (focus != nullptr && focus->parent != nullptr &&
      std::find(held.begin(), held.end(), focus->handle) == held.end())
    held.push_back(focus->handle);
  return event;
}

}  // namespace sim
