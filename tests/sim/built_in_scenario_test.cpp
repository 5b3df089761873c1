// The built-in scenario as the pilot meets it: the solar system on rails, the
// glider at geostationary distance where a jump is worth trying, the ISS low
// above the Earth.
#include <gtest/gtest.h>

#include <cmath>

#include "host/Simulation.h"
#include "support/HostTest.h"
#include "world/BuiltInScenario.h"
#include "world/ScenarioFile.h"
#include "world/ScenarioWriter.h"

namespace {

class BuiltInScenarioTest : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    std::string error;
    ASSERT_TRUE(sim::ApplyScenario(sim::BuiltInScenario(), error)) << error;
  }
  host::Object& Named(const char* name) { return *host::TheWorld().FindByName(name); }
};

TEST_F(BuiltInScenarioTest, SunFirstThenThePlanetsAndTheMoon) {
  host::World& world = host::TheWorld();
  std::vector<std::string> names;
  for (ObjectHandle body : world.Bodies()) names.push_back(world.Find(body)->name);
  const std::vector<std::string> expected{"Sun",  "Mercury", "Venus",  "Earth",  "Moon",
                                          "Mars", "Jupiter", "Saturn", "Uranus", "Neptune"};
  EXPECT_EQ(names, expected);
  EXPECT_EQ(host::Length(Named("Sun").pos), 0);
  EXPECT_TRUE(world.gravity);
  EXPECT_EQ(host::SimDate(), 51544.5);
}

TEST_F(BuiltInScenarioTest, GliderCirclesAtGeostationaryDistanceFacingAlong) {
  const double earthGm = host::worldG * Named("Earth").mass;
  const host::Object& glider = Named("GL-01");
  const host::Object& earth = Named("Earth");
  EXPECT_EQ(host::TheWorld().Focus(), glider.handle);
  EXPECT_EQ(glider.size, 20);
  const VECTOR3 r = glider.pos - earth.pos, v = glider.vel - earth.vel;
  EXPECT_NEAR(host::Length(r), 42164e3, 1e-3);
  EXPECT_NEAR(earthGm / host::Dot(r, r), 0.224, 0.001);  // the pull a jump is judged by
  EXPECT_NEAR(host::Length(v), std::sqrt(earthGm / host::Length(r)), 1e-6);
  EXPECT_NEAR(host::Dot(r, v), 0, 1e-3 * host::Length(r));
  const VECTOR3 nose = glider.attitude.Apply(MakeVector(0, 0, 1));
  EXPECT_NEAR(host::Dot(nose, v) / host::Length(v), 1, 1e-12);
  // In the equator, 23.44° out of the ecliptic.
  EXPECT_NEAR(std::abs(r.z) / host::Length(r), 0.3977 * std::abs(std::sin(222.0 / 180 * M_PI)),
              1e-3);
}

TEST_F(BuiltInScenarioTest, StationIsLowAndBothStayInOrbit) {
  const host::Object& station = Named("ISS");
  const host::Object& earth = Named("Earth");
  EXPECT_NEAR(host::Length(station.pos - earth.pos) - earth.size, 400e3, 1);
  for (int i = 0; i < 120; ++i) host::Step(30);  // an hour
  for (const char* name : {"GL-01", "ISS"}) {
    const host::Object& vessel = Named(name);
    const double r = host::Length(vessel.pos - Named("Earth").pos);
    const double expected = std::string(name) == "ISS" ? 6.771e6 : 42164e3;
    EXPECT_NEAR(r / expected, 1, 2e-3) << name;
  }
}

// Written out to start from, it reads back as the same world, to the bit.
TEST(BuiltInScenarioFileTest, WrittenOutItReadsBackTheSame) {
  sim::Scenario original = sim::BuiltInScenario();
  original.name = "Quotes \" and \\ backslashes";
  sim::Scenario read;
  std::string error;
  ASSERT_TRUE(sim::ParseScenario(sim::ScenarioText(original), "built-in.toml", read, error))
      << error;
  EXPECT_EQ(read.name, original.name);
  EXPECT_EQ(read.mjd, original.mjd);
  ASSERT_EQ(read.bodies.size(), original.bodies.size());
  for (std::size_t i = 0; i < read.bodies.size(); ++i) {
    const sim::BodyEntry &a = read.bodies[i], &b = original.bodies[i];
    EXPECT_EQ(std::tie(a.name, a.mass, a.radius, a.ephemeris),
              std::tie(b.name, b.mass, b.radius, b.ephemeris));
  }
  ASSERT_EQ(read.vessels.size(), original.vessels.size());
  const auto same = [](const VECTOR3& a, const VECTOR3& b) {
    return a.x == b.x && a.y == b.y && a.z == b.z;
  };
  for (std::size_t i = 0; i < read.vessels.size(); ++i) {
    const sim::VesselEntry &a = read.vessels[i], &b = original.vessels[i];
    EXPECT_EQ(std::tie(a.name, a.className, a.size, a.mass, a.relativeTo, a.focus),
              std::tie(b.name, b.className, b.size, b.mass, b.relativeTo, b.focus));
    EXPECT_TRUE(same(a.pos, b.pos) && same(a.vel, b.vel) && same(a.forward, b.forward) &&
                same(a.up, b.up))
        << a.name;
  }
}

// Ten days at 100,000x (host steps of 5,000 s) against the same days in
// steps of 1 s: the long steps are flown in substeps and lose nothing.
TEST_F(BuiltInScenarioTest, OrbitsHoldInLongTimeSteps) {
  constexpr long longSteps = 173;  // 10.01 days
  const auto fly = [](long steps, double dt) {
    std::string error;
    EXPECT_TRUE(sim::ApplyScenario(sim::BuiltInScenario(), error)) << error;
    for (long i = 0; i < steps; ++i) host::Step(dt);
    host::World& world = host::TheWorld();
    return std::pair{world.FindByName("ISS")->pos, world.FindByName("GL-01")->pos};
  };
  const auto [station, glider] = fly(longSteps, 5000);
  const auto [stationBy1s, gliderBy1s] = fly(longSteps * 5000, 1);
  EXPECT_LT(host::Length(station - stationBy1s), 1000);
  EXPECT_LT(host::Length(glider - gliderBy1s), 1000);
  EXPECT_TRUE(host::Reports().empty());
}

}  // namespace
