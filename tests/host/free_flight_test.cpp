// Free vessels in the world's step: orbits kept over a thousand revolutions
// whatever the time step, surfaces reached and stood on, and steps that the
// world refuses rather than fill with infinities.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "support/HostTest.h"

using namespace testing_world;

namespace {

class FreeFlightTest : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    host::TheWorld().gravity = true;
  }
  static host::Object& Get(ObjectHandle handle) { return *host::TheWorld().Find(handle); }
};

struct Orbit {
  const char* world;
  double step;          // s, the host's time step
  double period;        // s
  double eccentricity;  // the vessel starts at periapsis
  VECTOR3 bodyPos, bodyVel;
};

class ConservationTest : public FreeFlightTest, public ::testing::WithParamInterface<Orbit> {};

TEST_P(ConservationTest, LoneOrbitKeepsEnergyAndAngularMomentumOverAThousandRevolutions) {
  const Orbit& orbit = GetParam();
  constexpr double mass = testing_world::earthMass, gm = host::worldG * mass;
  const double a = std::cbrt(gm * std::pow(orbit.period / (2 * std::numbers::pi), 2));
  const double periapsis = a * (1 - orbit.eccentricity);
  const double speed = std::sqrt(gm * (1 + orbit.eccentricity) / periapsis);
  const ObjectHandle body = AddBody("Body", mass, 0.5 * periapsis, orbit.bodyPos, orbit.bodyVel);
  const ObjectHandle ship = AddVessel("Ship", orbit.bodyPos + MakeVector(periapsis, 0, 0),
                                      orbit.bodyVel + MakeVector(0, speed * 0.6, speed * 0.8));
  const auto energy = [&](const VECTOR3& r, const VECTOR3& v) {
    return 0.5 * host::Dot(v, v) - gm / host::Length(r);
  };
  const VECTOR3 r0 = Get(ship).pos - Get(body).pos, v0 = Get(ship).vel - Get(body).vel;
  const double e0 = energy(r0, v0);
  const VECTOR3 l0 = host::Cross(r0, v0);

  const auto steps = static_cast<long>(std::ceil(1000 * orbit.period / orbit.step));
  for (long i = 0; i < steps; ++i) ASSERT_TRUE(host::TheWorld().Advance(orbit.step));

  const VECTOR3 r = Get(ship).pos - Get(body).pos, v = Get(ship).vel - Get(body).vel;
  EXPECT_LT(std::abs(energy(r, v) / e0 - 1), 1e-9);
  EXPECT_LT(host::Length(host::Cross(r, v) - l0) / host::Length(l0), 1e-9);
  EXPECT_EQ(Get(ship).restingOn, nullptr);
  EXPECT_TRUE(host::Reports().empty());
}

const VECTOR3 atRest{};
const VECTOR3 earthPlace = MakeVector(-2.7e10, 1.44e11, 3e7);
const VECTOR3 earthSpeed = MakeVector(-29800, -6200, 0);

INSTANTIATE_TEST_SUITE_P(
    StepsAndWorlds, ConservationTest,
    ::testing::Values(Orbit{"circle, many steps an orbit", 0.01, 0.5, 0, atRest, atRest},
                      Orbit{"ellipse, many steps an orbit", 1, 50, 0.5, atRest, atRest},
                      Orbit{"narrow ellipse, ten steps an orbit", 100, 1000, 0.9, atRest, atRest},
                      Orbit{"low circle, two orbits a step", 10000, 5550, 0, atRest, atRest},
                      Orbit{"narrow ellipse far out, ten orbits a step", 10000, 1000, 0.9,
                            earthPlace, earthSpeed},
                      Orbit{"ellipse far out, a step a second", 1, 50, 0.3, earthPlace,
                            earthSpeed}),
    [](const auto& info) {
      std::string name;
      for (const char* c = info.param.world; *c != '\0'; ++c)
        name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
      return name;
    });

}  // namespace

// A body the size and mass of the Moon, and a vessel flown against it.
struct Touchdown {
  const char* what;
  VECTOR3 pos, vel;  // the vessel's, from the body's centre
  double step;       // s, one time step
  bool crashed;
  double speed;   // m/s, the expected impact speed
  VECTOR3 place;  // the expected place on the surface, from the centre
  double within;  // m
};

constexpr double moonMass = 7.346e22, moonRadius = 1.7374e6;
const double moonGm = host::worldG * moonMass;

double FallSpeed(double from) {  // from rest at `from` to the surface
  return std::sqrt(2 * moonGm * (1 / moonRadius - 1 / from));
}
double DropHeight(double speed) {  // from rest, to reach the surface at `speed`
  return 1 / (1 / moonRadius - speed * speed / (2 * moonGm)) - moonRadius;
}

TEST_F(FreeFlightTest, VesselStopsWhereItsPathEntersABody) {
  const Touchdown cases[] = {
      {"dropped a metre",
       MakeVector(0, 0, moonRadius + 1),
       {},
       10,
       false,
       FallSpeed(moonRadius + 1),
       MakeVector(0, 0, moonRadius),
       1},
      {"touched down at 2.5 m/s, below the 3 m/s that legs take",
       MakeVector(0, moonRadius + DropHeight(2.5), 0),
       {},
       10,
       false,
       2.5,
       MakeVector(0, moonRadius, 0),
       1},
      {"dropped 100 km",
       MakeVector(moonRadius + 1e5, 0, 0),
       {},
       1000,
       true,
       FallSpeed(moonRadius + 1e5),
       MakeVector(moonRadius, 0, 0),
       1},
      {"through the body within one step", MakeVector(5e6, 0, 0), MakeVector(-1e5, 0, 0), 100, true,
       std::sqrt(1e10 + 2 * moonGm * (1 / moonRadius - 1 / 5e6)), MakeVector(moonRadius, 0, 0), 1},
      // Aimed 100 m deep, along a chord of 37 km crossed in 0.07 s: less than
      // the time between the points where a substep's path is tried. The
      // Moon's pull bends the path by some 20 m, which moves the entry by
      // about 2 km along the chord.
      {"grazing", MakeVector(5e7, moonRadius - 100, 0), MakeVector(-5e5, 0, 0), 200, true, 5e5,
       MakeVector(std::sqrt(2 * moonRadius * 100), moonRadius - 100, 0), 5e3},
      {"inside from the start", MakeVector(0, -0.5 * moonRadius, 0), MakeVector(2, 0, 0), 0.05,
       false, 2, MakeVector(0, -moonRadius, 0), 1e-6},
  };
  for (const Touchdown& c : cases) {
    SCOPED_TRACE(c.what);
    host::ResetSimulation();
    host::TheWorld().gravity = true;
    const VECTOR3 moonVel = MakeVector(0, 1000, 0);
    const ObjectHandle moon = AddBody("Moon", moonMass, moonRadius, MakeVector(4e8, 0, 0), moonVel);
    const ObjectHandle ship = AddVessel("Ship", Get(moon).pos + c.pos, moonVel + c.vel);
    for (int i = 0; i < 100 && Get(ship).restingOn == nullptr; ++i)
      ASSERT_TRUE(host::TheWorld().Advance(c.step));
    ASSERT_EQ(Get(ship).restingOn, moon);
    EXPECT_EQ(Get(ship).crashed, c.crashed);
    ASSERT_EQ(host::Reports().size(), 1u);
    const std::string report = host::Reports()[0];
    const std::string start = c.crashed ? "Ship crashed on Moon at " : "Ship landed on Moon at ";
    ASSERT_EQ(report.substr(0, start.size()), start);
    EXPECT_NEAR(std::stod(report.substr(start.size())), c.speed, 0.002 * c.speed + 0.05);
    // It rides the body from then on, on its surface, and is not told again.
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(host::TheWorld().Advance(c.step));
    const VECTOR3 at = Get(ship).pos - Get(moon).pos;
    EXPECT_NEAR(host::Length(at), moonRadius, 1e-6);
    EXPECT_LT(host::Length(at - c.place), c.within);
    EXPECT_EQ(host::Length(Get(ship).vel - Get(moon).vel), 0);
    EXPECT_EQ(host::Reports().size(), 1u);
  }
  host::ClearReports();
}

// The equations of motion, against the same flight integrated here in the
// global frame, in small plain Runge-Kutta steps: a vessel about a primary
// that accelerates along its rails (the world flies it relative to that
// primary), pulled by a third body too. Dropping the primary's acceleration
// would put the vessel 250 km off, a third body pulling the wrong way 10 km.
TEST_F(FreeFlightTest, EquationsOfMotionAgreeWithTheGlobalFrame) {
  constexpr double accel = 0.5, primaryGm = 4e14, thirdGm = 1e13;  // m/s², m³/s²
  const VECTOR3 thirdAt = MakeVector(0, 3e7, 0);
  const auto primaryAt = [](double t) { return MakeVector(0.5 * accel * t * t, 0, 0); };
  host::BodySpec primary;
  primary.name = "Primary";
  primary.mass = primaryGm / host::worldG;
  primary.radius = 1e6;
  primary.ephemeris.firstMjd = host::j2000Mjd;
  primary.ephemeris.lastMjd = host::j2000Mjd + 1;
  primary.ephemeris.nodesAround = [&](double mjd, host::PathNode& before, host::PathNode& after) {
    for (host::PathNode* node : {&before, &after}) {
      node->mjd = std::floor(mjd * 16) / 16 + (node == &after ? 1.0 / 16 : 0);
      const double t = (node->mjd - host::j2000Mjd) * host::secondsPerDay;
      node->pos = primaryAt(t);
      node->vel = MakeVector(accel * t, 0, 0);
    }
  };
  host::TheWorld().AddBody(primary);
  AddBody("Third", thirdGm / host::worldG, 1e6, thirdAt);
  const double r = 1e7, speed = std::sqrt(primaryGm / r);
  const ObjectHandle ship = AddVessel("Ship", MakeVector(0, 0, r), MakeVector(speed, 0, 0));

  for (int i = 0; i < 10; ++i) ASSERT_TRUE(host::TheWorld().Advance(100));

  const auto pull = [&](const VECTOR3& at, double t) {
    VECTOR3 sum{};
    for (const auto& [gm, from] : {std::pair{primaryGm, primaryAt(t)}, {thirdGm, thirdAt}}) {
      const VECTOR3 d = at - from;
      sum = sum + (-gm / std::pow(host::Dot(d, d), 1.5)) * d;
    }
    return sum;
  };
  VECTOR3 x = MakeVector(0, 0, r), v = MakeVector(speed, 0, 0);
  constexpr double h = 0.05;
  for (double t = 0; t < 1000 - h / 2; t += h) {
    const VECTOR3 k1v = pull(x, t), k1x = v;
    const VECTOR3 k2v = pull(x + (h / 2) * k1x, t + h / 2), k2x = v + (h / 2) * k1v;
    const VECTOR3 k3v = pull(x + (h / 2) * k2x, t + h / 2), k3x = v + (h / 2) * k2v;
    const VECTOR3 k4v = pull(x + h * k3x, t + h), k4x = v + h * k3v;
    x = x + (h / 6) * (k1x + 2 * k2x + 2 * k3x + k4x);
    v = v + (h / 6) * (k1v + 2 * k2v + 2 * k3v + k4v);
  }
  EXPECT_LT(host::Length(Get(ship).pos - x), 1.0);
  EXPECT_LT(host::Length(Get(ship).vel - v), 1e-3);
  EXPECT_TRUE(host::Reports().empty());
}

TEST_F(FreeFlightTest, RestingVesselIsLiftedByAnAttachmentOrFreedWhenItsBodyGoes) {
  const ObjectHandle moon = AddBody("Moon", moonMass, moonRadius, MakeVector(0, 0, 0));
  const ObjectHandle ship = AddVessel("Ship", MakeVector(0, 0, 0.5 * moonRadius));
  const ObjectHandle carrier = AddVessel("Carrier", MakeVector(5e6, 0, 0));
  ASSERT_TRUE(host::TheWorld().Advance(1));
  ASSERT_EQ(Get(ship).restingOn, moon);
  VESSEL* holder = host::TheWorld().Interface(carrier);
  const AttachmentHandle point = holder->CreateAttachment(false, {}, MakeVector(0, 0, 1), {}, "H");
  const AttachmentHandle own =
      host::TheWorld().Interface(ship)->CreateAttachment(true, {}, MakeVector(0, 0, 1), {}, "H");
  ASSERT_TRUE(holder->AttachChild(ship, point, own));
  EXPECT_EQ(Get(ship).restingOn, nullptr);
  ASSERT_TRUE(holder->DetachChild(point, 0));

  ASSERT_TRUE(host::TheWorld().Advance(10000));  // falls back
  ASSERT_EQ(Get(ship).restingOn, moon);
  const VECTOR3 place = Get(ship).pos;
  host::TheWorld().Remove(moon);
  EXPECT_EQ(Get(ship).restingOn, nullptr);
  ASSERT_TRUE(host::TheWorld().Advance(10));
  EXPECT_EQ(Get(ship).pos.x, place.x);  // free, where it was, at rest
  host::ClearReports();
}

TEST_F(FreeFlightTest, TightOrbitInALongStepEndsLessAccurateNotLate) {
  // Ten seconds an orbit, in one time step of a day: the substeps run out.
  const double gm = host::worldG * testing_world::earthMass;
  const double r = std::cbrt(gm * 25 / (std::numbers::pi * std::numbers::pi));
  AddBody("Dense", testing_world::earthMass, 0.5 * r, MakeVector(0, 0, 0));
  const ObjectHandle ship =
      AddVessel("Ship", MakeVector(r, 0, 0), MakeVector(0, std::sqrt(gm / r), 0));
  ASSERT_TRUE(host::TheWorld().Advance(86400));
  ASSERT_TRUE(host::TheWorld().Advance(86400));
  EXPECT_TRUE(host::IsFinite(Get(ship).pos));
  const std::vector<std::string> expected{
      "Ship: its orbit needs more substeps than a time step of 86400 s allows; it moves with less "
      "accuracy"};
  EXPECT_EQ(host::Reports(), expected);
  host::ClearReports();
}

// What would fill the world with infinities is refused and told once.
TEST_F(FreeFlightTest, StepsThatWouldNotStayFiniteAreRefused) {
  const struct {
    const char* what;
    bool gravity;
    double bodyRadius, bodySpeed;
    VECTOR3 shipPos, shipVel;
    bool stepTaken;
    const char* report;
  } cases[] = {
      {"vessel too fast", true, 1e6, 0, MakeVector(1e9, 0, 0), MakeVector(1e305, 0, 0), true,
       "time step refused for Ship: its state would not be finite; it stays as it was"},
      {"vessel too fast, no gravity", false, 1e6, 0, MakeVector(1e9, 0, 0), MakeVector(1e305, 0, 0),
       true, "time step refused for Ship: its state would not be finite; it stays as it was"},
      {"pull without bound",
       true,
       1e-300,
       0,
       MakeVector(1e-150, 0, 0),
       {},
       true,
       "time step refused for Ship: its state would not be finite; it stays as it was"},
      {"body too fast",
       true,
       1e6,
       1e305,
       MakeVector(1e9, 0, 0),
       {},
       false,
       "time step refused: Rock would move beyond any finite place"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    host::ResetSimulation();
    host::TheWorld().gravity = c.gravity;
    AddBody("Rock", 1e22, c.bodyRadius, MakeVector(0, 0, 0), MakeVector(c.bodySpeed, 0, 0));
    const ObjectHandle ship = AddVessel("Ship", c.shipPos, c.shipVel);
    for (int i = 0; i < 2; ++i) EXPECT_EQ(host::TheWorld().Advance(86400), c.stepTaken);
    EXPECT_EQ(Get(ship).pos.x, c.shipPos.x);
    EXPECT_EQ(Get(ship).vel.x, c.shipVel.x);
    EXPECT_EQ(host::TheWorld().Time(), c.stepTaken ? 2 * 86400 : 0);
    EXPECT_EQ(host::Reports(), std::vector<std::string>{c.report});
  }
  host::ClearReports();
}

TEST_F(FreeFlightTest, DateIsKeptWithinTheEphemeris) {
  // Rails from MJD 0 to 1, nodes a quarter day apart, the body at rest.
  host::BodySpec rock;
  rock.name = "Rock";
  rock.mass = 1e22;
  rock.radius = 1e6;
  rock.ephemeris.firstMjd = 0;
  rock.ephemeris.lastMjd = 1;
  rock.ephemeris.nodesAround = [](double mjd, host::PathNode& before, host::PathNode& after) {
    before.mjd = std::floor(mjd * 4) / 4;
    after.mjd = before.mjd + 0.25;
  };
  host::SetStartDate(0.75);
  host::TheWorld().AddBody(rock);
  EXPECT_FALSE(host::Step(0.3 * 86400));
  EXPECT_FALSE(host::Step(0.3 * 86400));
  EXPECT_EQ(host::SimDate(), 0.75);
  EXPECT_TRUE(host::Step(0.25 * 86400));
  EXPECT_EQ(host::SimDate(), 1);
  const std::vector<std::string> expected{
      "time step refused: MJD 1.05000 is outside the dates of the ephemeris (MJD 0.0 to 1.0)"};
  EXPECT_EQ(host::Reports(), expected);
  host::ClearReports();
}
