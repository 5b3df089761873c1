// The solar-system ephemeris against published positions, and its
// interpolation between nodes against the theories called directly.
#include <gtest/gtest.h>
#include <libnova/libnova.h>

#include <cmath>
#include <numbers>

#include "host/Vector.h"
#include "world/Ephemeris.h"

namespace {

constexpr double au = 149597870700.0;
constexpr double degree = std::numbers::pi / 180;

struct State {
  VECTOR3 pos, vel;
};

// The body's state at a date, as the host interpolates it between nodes.
State At(const char* body, double mjd) {
  std::optional<host::Ephemeris> ephemeris = sim::FindEphemeris(body);
  EXPECT_TRUE(ephemeris) << body;
  if (!ephemeris) return State{};
  const host::PathPiece piece = ephemeris->PieceAround(mjd, mjd);
  return State{piece.Position(0), piece.Velocity(0)};
}

double LongitudeOf(const VECTOR3& v) {
  const double l = std::atan2(v.y, v.x) / degree;
  return l < 0 ? l + 360 : l;
}

TEST(SolarSystemTest, PlanetsStandWherePublishedInTheJ2000Frame) {
  // Venus on 1992 December 20, 0h TD: longitude 26.11428° of the date's
  // equinox, that is 26.2125° of J2000's (precession 0.0982°), latitude
  // -2.6207°, 0.724603 AU from the Sun.
  const VECTOR3 venus = At("venus", 48976.0).pos;
  EXPECT_NEAR(LongitudeOf(venus), 26.2125, 0.002);
  EXPECT_NEAR(std::asin(venus.z / host::Length(venus)) / degree, -2.6207, 0.002);
  EXPECT_NEAR(host::Length(venus) / au, 0.724603, 2e-6);
  // The Earth at J2000 itself, just after perihelion: the Sun stands at
  // 280.378° as seen from it.
  const VECTOR3 earth = At("earth", 51544.5).pos;
  EXPECT_NEAR(LongitudeOf(earth), 100.378, 0.005);
  EXPECT_NEAR(host::Length(earth) / au, 0.98333, 1e-5);
  EXPECT_NEAR(earth.z / au, 0, 2e-5);  // the Earth's orbit is the ecliptic
  EXPECT_EQ(host::Length(At("sun", 51544.5).pos), 0);
}

TEST(SolarSystemTest, MoonStandsWherePublishedFromTheEarth) {
  // The Moon on 1992 April 12, 0h TD: 368409.7 km from the Earth at
  // geometric longitude 133.1673° of the date, 133.2751° of J2000.
  const VECTOR3 moon = At("moon", 48724.0).pos - At("earth", 48724.0).pos;
  EXPECT_NEAR(host::Length(moon) / 1000, 368409.7, 10);
  EXPECT_NEAR(LongitudeOf(moon), 133.2751, 0.01);
}

// libnova's own answer at a Julian date, in the same frame and units.
using HelioFunction = void (*)(double jd, ln_helio_posn* position);
VECTOR3 Helio(HelioFunction function, double jd) {
  ln_helio_posn p;
  function(jd, &p);
  const double l = p.L * degree, b = p.B * degree, r = p.R * au;
  return MakeVector(r * std::cos(b) * std::cos(l), r * std::cos(b) * std::sin(l), r * std::sin(b));
}
template <HelioFunction function>
VECTOR3 Planet(double jd) {
  return Helio(function, jd);
}
VECTOR3 Moon(double jd) {
  ln_rect_posn geo;
  ln_get_lunar_geo_posn(jd, &geo, sim::lunarPrecision);
  return Helio(ln_get_earth_helio_coords, jd) + 1000.0 * MakeVector(geo.X, geo.Y, geo.Z);
}

TEST(SolarSystemTest, InterpolationKeepsToTheTheoriesOverAYear) {
  const struct {
    const char* name;
    VECTOR3 (*direct)(double jd);
  } bodies[] = {
      {"mercury", Planet<ln_get_mercury_helio_coords>},
      {"venus", Planet<ln_get_venus_helio_coords>},
      {"earth", Planet<ln_get_earth_helio_coords>},
      {"moon", Moon},
      {"mars", Planet<ln_get_mars_helio_coords>},
      {"jupiter", Planet<ln_get_jupiter_helio_coords>},
      {"saturn", Planet<ln_get_saturn_helio_coords>},
      {"uranus", Planet<ln_get_uranus_helio_coords>},
      {"neptune", Planet<ln_get_neptune_helio_coords>},
  };
  // Dates across 2000 that are exact in binary as MJD and as JD, so that
  // the theory is asked for the same instant both ways.
  constexpr int dates = 150;
  constexpr double unit = 1.0 / 1024;                   // day
  constexpr double h = 1.0 / 128, seconds = h * 86400;  // the reference's derivative step
  for (const auto& body : bodies) {
    for (int i = 0; i < dates; ++i) {
      const double mjd = 51544.5 + std::round(i * 365.25 / dates / unit) * unit;
      const double jd = mjd + 2400000.5;
      const State state = At(body.name, mjd);
      // Five-point derivative, fourth order: far finer than a millimetre a
      // second for every body, and above the theories' own rounding.
      const VECTOR3 vel =
          (1 / (12 * seconds)) * ((body.direct(jd - 2 * h) - body.direct(jd + 2 * h)) +
                                  8 * (body.direct(jd + h) - body.direct(jd - h)));
      EXPECT_LT(host::Length(state.pos - body.direct(jd)), 1.0) << body.name << " " << mjd;
      EXPECT_LT(host::Length(state.vel - vel), 1e-3) << body.name << " " << mjd;
    }
  }
  // Near perihelion the Earth runs at 30.29 km/s.
  EXPECT_NEAR(host::Length(At("earth", 51544.5).vel), 30287, 10);
}

TEST(SolarSystemTest, OnlyTheSunPlanetsAndMoonAreKnown) {
  EXPECT_EQ(sim::EphemerisNames().size(), 10u);
  EXPECT_FALSE(sim::FindEphemeris("pluto"));
  EXPECT_FALSE(sim::FindEphemeris("Earth"));
}

}  // namespace
