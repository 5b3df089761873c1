// The solar-system ephemeris from libnova: VSOP87 for the planets, ELP
// 2000-82B for the Moon. Both give the J2000 ecliptic frame already: the
// planets heliocentric in AU, the Moon geocentric in kilometres.
#include <libnova/libnova.h>

#include <array>
#include <cmath>
#include <numbers>

#include "Ephemeris.h"
#include "host/Vector.h"

namespace sim {

using host::operator+;
using host::operator-;
using host::operator*;

namespace {

constexpr double metresPerAU = 149597870700.0;  // IAU 2012
constexpr double degree = std::numbers::pi / 180;
constexpr double mjdToJd = 2400000.5;
constexpr double secondsPerDay = 86400.0;
// Terms of the lunar theory below this size (arcseconds and kilometres)
// are left out; that keeps the Moon within a kilometre for a tenth of the
// work of the full series.
constexpr double lunarPrecision = 1e-8;
// Velocities are central differences over this many seconds each way:
// short against any orbit, long against the date's rounding.
constexpr double velocityStep = 300.0;

using HelioFunction = void (*)(double jd, ln_helio_posn* position);

VECTOR3 FromHelio(HelioFunction function, double jd) {
  ln_helio_posn p;
  function(jd, &p);
  const double l = p.L * degree, b = p.B * degree, r = p.R * metresPerAU;
  return MakeVector(r * std::cos(b) * std::cos(l), r * std::cos(b) * std::sin(l), r * std::sin(b));
}

VECTOR3 MoonPosition(double jd) {
  ln_rect_posn geo;
  ln_get_lunar_geo_posn(jd, &geo, lunarPrecision);
  return FromHelio(ln_get_earth_helio_coords, jd) + 1000.0 * MakeVector(geo.X, geo.Y, geo.Z);
}

using PositionFunction = VECTOR3 (*)(double jd);

template <HelioFunction function>
VECTOR3 Planet(double jd) {
  return FromHelio(function, jd);
}

VECTOR3 SunPosition(double /*jd*/) {
  return VECTOR3{};
}

struct Entry {
  const char* name;
  PositionFunction position;
};

constexpr std::array<Entry, 10> entries{{
    {"sun", SunPosition},
    {"mercury", Planet<ln_get_mercury_helio_coords>},
    {"venus", Planet<ln_get_venus_helio_coords>},
    {"earth", Planet<ln_get_earth_helio_coords>},
    {"moon", MoonPosition},
    {"mars", Planet<ln_get_mars_helio_coords>},
    {"jupiter", Planet<ln_get_jupiter_helio_coords>},
    {"saturn", Planet<ln_get_saturn_helio_coords>},
    {"uranus", Planet<ln_get_uranus_helio_coords>},
    {"neptune", Planet<ln_get_neptune_helio_coords>},
}};

// Position and velocity at a date; the last one asked is kept, as every
// body is asked once a time step and the scenario may ask again.
class OnRails {
 public:
  explicit OnRails(PositionFunction position) : position(position) {}

  void operator()(double mjd, VECTOR3& pos, VECTOR3& vel) {
    if (mjd != lastMjd) {
      const double jd = mjd + mjdToJd, h = velocityStep / secondsPerDay;
      lastPos = position(jd);
      lastVel = (1 / (2 * velocityStep)) * (position(jd + h) - position(jd - h));
      lastMjd = mjd;
    }
    pos = lastPos;
    vel = lastVel;
  }

 private:
  PositionFunction position;
  double lastMjd = -1e300;
  VECTOR3 lastPos{}, lastVel{};
};

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
    if (name == entry.name) return host::Ephemeris(OnRails(entry.position));
  }
  return std::nullopt;
}

}  // namespace sim
