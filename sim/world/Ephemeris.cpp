// The solar-system ephemeris from libnova: VSOP87 for the planets, ELP
// 2000-82B for the Moon. Both give the J2000 ecliptic frame already: the
// planets heliocentric in AU, the Moon geocentric in kilometres. The theories
// are evaluated at nodes only, each body's spaced so that the cubic between
// them keeps within a few centimetres of the theory (Mercury, the quickest
// to curve, within 0.3 m); in between, the host interpolates.
#include "world/Ephemeris.h"

#include <libnova/libnova.h>

#include <array>
#include <cmath>
#include <numbers>

#include "host/Vector.h"
#include "world/EphemerisNodes.h"

namespace sim {

namespace {

constexpr double ephemerisAU = 149597870700.0;  // m, IAU 2012: the AU the ephemeris is given in
constexpr double degree = std::numbers::pi / 180;
constexpr double mjdToJd = 2400000.5;

using HelioFunction = void (*)(double jd, ln_helio_posn* position);

VECTOR3 FromHelio(HelioFunction function, double jd) {
  ln_helio_posn p;
  function(jd, &p);
  const double l = p.L * degree, b = p.B * degree, r = p.R * ephemerisAU;
  return MakeVector(r * std::cos(b) * std::cos(l), r * std::cos(b) * std::sin(l), r * std::sin(b));
}

VECTOR3 MoonPosition(double mjd) {
  const double jd = mjd + mjdToJd;
  ln_rect_posn geo;
  ln_get_lunar_geo_posn(jd, &geo, lunarPrecision);
  return FromHelio(ln_get_earth_helio_coords, jd) + 1000.0 * MakeVector(geo.X, geo.Y, geo.Z);
}

template <HelioFunction function>
VECTOR3 Planet(double mjd) {
  return FromHelio(function, mjd + mjdToJd);
}

VECTOR3 SunPosition(double /*mjd*/) {
  return VECTOR3{};
}

struct Entry {
  const char* name;
  EphemerisNodes::PositionAt position;
  double nodeSpacing;  // days
};

constexpr std::array<Entry, 10> entries{{
    {"sun", SunPosition, 1},
    {"mercury", Planet<ln_get_mercury_helio_coords>, 1.0 / 16},
    {"venus", Planet<ln_get_venus_helio_coords>, 1.0 / 8},
    {"earth", Planet<ln_get_earth_helio_coords>, 1.0 / 8},
    {"moon", MoonPosition, 1.0 / 16},
    {"mars", Planet<ln_get_mars_helio_coords>, 1.0 / 4},
    {"jupiter", Planet<ln_get_jupiter_helio_coords>, 1},
    {"saturn", Planet<ln_get_saturn_helio_coords>, 1},
    {"uranus", Planet<ln_get_uranus_helio_coords>, 1},
    {"neptune", Planet<ln_get_neptune_helio_coords>, 1.0 / 2},
}};

}  // namespace

const std::vector<std::string>& EphemerisNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> list;
    list.reserve(entries.size());
    for (const Entry& entry : entries) list.emplace_back(entry.name);
    return list;
  }();
  return names;
}

std::optional<host::Ephemeris> FindEphemeris(const std::string& name) {
  for (const Entry& entry : entries) {
    if (name != entry.name) continue;
    host::Ephemeris ephemeris;
    ephemeris.firstMjd = firstEphemerisMjd;
    ephemeris.lastMjd = lastEphemerisMjd;
    EphemerisNodes nodes(entry.position, entry.nodeSpacing);
    ephemeris.nodesAround = [nodes](double mjd, host::PathNode& before,
                                    host::PathNode& after) mutable {
      nodes.Around(mjd, before, after);
    };
    return ephemeris;
  }
  return std::nullopt;
}

}  // namespace sim
