// The solar-system ephemeris against published positions, and its
// velocities against its own positions.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "Ephemeris.h"
#include "host/Vector.h"

namespace {

using host::operator-;
using host::operator*;

constexpr double au = 149597870700.0;
constexpr double degree = std::numbers::pi / 180;

struct State {
  VECTOR3 pos, vel;
};

State At(const char* body, double mjd) {
  std::optional<host::Ephemeris> ephemeris = sim::FindEphemeris(body);
  EXPECT_TRUE(ephemeris) << body;
  State state{};
  if (ephemeris) (*ephemeris)(mjd, state.pos, state.vel);
  return state;
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

TEST(SolarSystemTest, VelocitiesFollowThePositions) {
  for (const char* body : {"mercury", "earth", "moon", "jupiter", "neptune"}) {
    const double mjd = 55000.25, hour = 3600.0 / 86400;
    const VECTOR3 moved = At(body, mjd + hour).pos - At(body, mjd - hour).pos;
    const VECTOR3 expected = (1 / 7200.0) * moved;
    const VECTOR3 vel = At(body, mjd).vel;
    EXPECT_LT(host::Length(vel - expected), 1e-4 * host::Length(vel)) << body;
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
