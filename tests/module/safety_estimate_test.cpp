#include <gtest/gtest.h>

#include <cmath>

#include "support/ModuleTest.h"

using namespace testing_world;

namespace {

class SafetyEstimateTest : public ModuleTest {
 protected:
  // The ship at `pos` facing +x, planning `distance` metres without a target.
  JauntMFD& PlanAlongX(VECTOR3 pos, double distance, double shipSize = 20) {
    Focus(AddVessel("GL-01", pos, {}, shipSize, MakeVector(1, 0, 0), MakeVector(0, 1, 0)));
    JauntMFD& display = OpenJaunt();
    display.distanceSetting = distance;
    EXPECT_TRUE(display.UpdateTarget(noTargetName, true));
    return display;
  }
};

struct GravityCase {
  const char* name;
  std::vector<std::pair<double, VECTOR3>> bodies;  // mass, position
  VECTOR3 ship;
  double distance;
  double failureChance;
};

class GravityEstimateTest : public SafetyEstimateTest,
                            public ::testing::WithParamInterface<GravityCase> {};

TEST_P(GravityEstimateTest, StrongestSummedPullAlongThePathDecides) {
  const GravityCase& c = GetParam();
  int n = 0;
  for (const auto& [mass, pos] : c.bodies) AddBody("B" + std::to_string(n++), mass, 1e6, pos);
  const JauntMFD& display = PlanAlongX(c.ship, c.distance);
  EXPECT_TRUE(display.estimateValid);
  EXPECT_NEAR(display.failureChance, c.failureChance, 5e-5);
}

INSTANTIATE_TEST_SUITE_P(
    Table, GravityEstimateTest,
    ::testing::Values(GravityCase{"no_bodies", {}, {}, 1e9, 0},
                      // All ten samples coincide: 6.67e-11 * 1e24 / 1e14 = 0.667 m/s².
                      GravityCase{"one_body", {{1e24, MakeVector(1e7, 0, 0)}}, {}, 0, 0.3335},
                      GravityCase{"certain_above_two", {{3e24, MakeVector(1e7, 0, 0)}}, {}, 0, 1},
                      // Pulls from opposite sides add as magnitudes.
                      GravityCase{"two_bodies_opposite",
                                  {{1e24, MakeVector(1e7, 0, 0)}, {1e24, MakeVector(-1e7, 0, 0)}},
                                  {},
                                  0,
                                  0.667},
                      // The middle of the path passes the body; its ends barely feel it.
                      GravityCase{"peak_in_the_middle",
                                  {{6e24, MakeVector(0, 0, 0)}},
                                  MakeVector(-9e7, 2e7, 0),
                                  1.8e8,
                                  0.4002}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SafetyEstimateTest, CertaintyBeginsAtAPeakOfExactlyTwo) {
  // The mass whose pull at 100 m comes out as exactly 2 m/s² in doubles.
  double mass = 2e4 / 6.67e-11;
  while (6.67e-11 * mass / 1e4 < 2) mass = std::nextafter(mass, 1e300);
  while (6.67e-11 * mass / 1e4 > 2) mass = std::nextafter(mass, 0.0);
  ASSERT_EQ(6.67e-11 * mass / 1e4, 2.0);
  const ObjectHandle rock = AddBody("Rock", mass, 1, MakeVector(100, 0, 0));
  JauntMFD& display = PlanAlongX(MakeVector(0, 0, 0), 0);
  EXPECT_EQ(display.failureChance, 1);

  host::TheWorld().Find(rock)->mass = std::nextafter(mass, 0.0);
  ASSERT_TRUE(display.UpdateTarget(noTargetName, true));
  EXPECT_LT(display.failureChance, 1);
  EXPECT_GT(display.failureChance, 0.99);
}

TEST_F(SafetyEstimateTest, SampleAtABodysCentreGetsNothingFromIt) {
  // Ending inside the squared-distance floor of the only body: that sample
  // takes no part, the others see 1e-3 m/s² or less.
  AddBody("Rock", 1e12, 1, MakeVector(900, 0, 0));
  const JauntMFD& display = PlanAlongX(MakeVector(0, 0, 0), 900);
  EXPECT_TRUE(display.estimateValid);
  EXPECT_NEAR(display.failureChance, 0.5 * 6.67e-11 * 1e12 / (100.0 * 100.0), 1e-12);
}

TEST_F(SafetyEstimateTest, SampleNearTheLastBodyTakesNoPartInThePeak) {
  // The first body pulls hardest at the path's end, but that end lies inside
  // the last body's floor, so only the other samples count.
  AddBody("Heavy", 1e15, 1, MakeVector(1000, 1000, 0));
  AddBody("Rock", 1, 1, MakeVector(900, 0, 0));
  const JauntMFD& display = PlanAlongX(MakeVector(0, 0, 0), 900);
  const double atSample8 =
      6.67e-11 * 1e15 / (200.0 * 200.0 + 1000.0 * 1000.0) + 6.67e-11 / (100.0 * 100.0);
  EXPECT_NEAR(display.failureChance, 0.5 * atSample8, 1e-9);
}

struct ShortHopCase {
  double distanceSetting;
  bool gravityStands;
};

class ShortHopTest : public SafetyEstimateTest,
                     public ::testing::WithParamInterface<ShortHopCase> {};

// Target 1000 m away, sizes 20 m and 5 m: hops shorter than 25 m are safe.
TEST_P(ShortHopTest, HopShorterThanBothSizesIsSafe) {
  AddBody("Heavy", 3e24, 1e6, MakeVector(0, 1e7, 0));
  Focus(AddVessel("GL-01", MakeVector(0, 0, 0), {}, 20));
  AddVessel("Beacon", MakeVector(0, 0, 1000), {}, 5);
  JauntMFD& display = OpenJaunt();
  display.distanceSetting = GetParam().distanceSetting;
  ASSERT_TRUE(display.UpdateTarget("Beacon", true));
  EXPECT_TRUE(display.estimateValid);
  EXPECT_EQ(display.failureChance, GetParam().gravityStands ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Table, ShortHopTest,
                         ::testing::Values(ShortHopCase{990, false},
                                           // 22 m: safe only with the target's size too
                                           ShortHopCase{978, false}, ShortHopCase{975, true},
                                           ShortHopCase{500, true}));

TEST_F(SafetyEstimateTest, NoShortHopRuleWithoutTarget) {
  AddBody("Heavy", 3e24, 1e6, MakeVector(0, 1e7, 0));
  const JauntMFD& display = PlanAlongX(MakeVector(0, 0, 0), 1);
  EXPECT_EQ(display.failureChance, 1);
}

TEST_F(SafetyEstimateTest, UnsolvableJumpMakesNoEstimate) {
  Focus(AddVessel("GL-01", MakeVector(0, 0, 0)));
  JauntMFD& display = OpenJaunt();
  display.failureChance = 0.25;

  // The focus vessel as its own target: distance 0, never solvable.
  EXPECT_TRUE(display.UpdateTarget("GL-01", true));
  EXPECT_EQ(display.targetDistance, 0);
  EXPECT_FALSE(display.estimateValid);
  EXPECT_EQ(display.failureChance, 0.25);

  AddVessel("Beacon", MakeVector(0, 0, 1000), {}, 5);
  display.distanceSetting = 1000;  // equal to the distance
  EXPECT_TRUE(display.UpdateTarget("Beacon", true));
  EXPECT_FALSE(display.estimateValid);
  EXPECT_EQ(display.failureChance, 0.25);
}

TEST_F(SafetyEstimateTest, WithoutFocusVesselNothingChanges) {
  JauntMFD& display = OpenJaunt();
  display.estimateValid = true;
  display.failureChance = 0.25;
  EXPECT_TRUE(display.UpdateTarget(noTargetName, true));
  EXPECT_TRUE(display.estimateValid);
  EXPECT_EQ(display.failureChance, 0.25);
}

}  // namespace
