#include <gtest/gtest.h>

#include "support/ModuleTest.h"

using namespace testing_world;

namespace {

void ExpectVector(const VECTOR3& v, double x, double y, double z) {
  EXPECT_DOUBLE_EQ(v.x, x);
  EXPECT_DOUBLE_EQ(v.y, y);
  EXPECT_DOUBLE_EQ(v.z, z);
}

class SolveDestinationTest : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    ship = AddVessel("GL-01", MakeVector(100, 200, 300), MakeVector(5, 6, 7));
    Focus(ship);
  }
  ObjectHandle ship = nullptr;
};

TEST_F(SolveDestinationTest, WithoutTargetJumpsAlongTheShipsAxisWithAbsoluteSpeed) {
  JauntMFD& display = OpenJaunt();
  ASSERT_TRUE(display.SolveDestination());
  ExpectVector(display.destPos, 100, 200, 300 + 1e9);
  ExpectVector(display.destVel, 0, 0, 0);  // the ship's own velocity is not kept
  EXPECT_DOUBLE_EQ(display.jumpLength, 1e9);
  EXPECT_EQ(display.ship, host::TheWorld().Interface(ship));
  ExpectVector(display.shipPos, 100, 200, 300);
  ExpectVector(display.shipAxis, 0, 0, 1);
}

TEST_F(SolveDestinationTest, ZeroDistanceStaysInPlaceAndSucceeds) {
  JauntMFD& display = OpenJaunt();
  display.distanceSetting = 0;
  ASSERT_TRUE(display.SolveDestination());
  ExpectVector(display.destPos, 100, 200, 300);
  EXPECT_EQ(display.jumpLength, 0);
}

TEST_F(SolveDestinationTest, RotatedShipJumpsAlongItsOwnForwardAxis) {
  host::TheWorld().Remove(ship);
  Focus(
      AddVessel("Turned", MakeVector(0, 0, 0), {}, 20, MakeVector(0, -1, 0), MakeVector(1, 0, 0)));
  JauntMFD& display = OpenJaunt();
  display.distanceSetting = 500;
  display.speedSetting = -30;  // backwards along the axis
  ASSERT_TRUE(display.SolveDestination());
  ExpectVector(display.destPos, 0, -500, 0);
  ExpectVector(display.destVel, 0, 30, 0);
}

TEST_F(SolveDestinationTest, WithoutFocusVesselFailsAndForgetsTheShip) {
  JauntMFD& display = OpenJaunt();
  Focus(nullptr);
  EXPECT_FALSE(display.SolveDestination());
  EXPECT_EQ(display.ship, nullptr);
}

struct TargetCase {
  const char* name;
  double distanceSetting;
  bool solves;
  double jumpLength;
  VECTOR3 destPos;
};

class DestinationToTargetTest : public SolveDestinationTest,
                                public ::testing::WithParamInterface<TargetCase> {};

// The target 1000 m ahead of the ship along +x, moving at (0, 50, 0).
TEST_P(DestinationToTargetTest, StopsShortOfTheTargetOnTheShipsSide) {
  const TargetCase& c = GetParam();
  AddVessel("Beacon", MakeVector(1100, 200, 300), MakeVector(0, 50, 0), 5);
  JauntMFD& display = OpenJaunt();
  ASSERT_TRUE(display.UpdateTarget("Beacon", false));
  ASSERT_DOUBLE_EQ(display.targetDistance, 1000);
  display.destPos = MakeVector(-1, -1, -1);
  display.destVel = MakeVector(-2, -2, -2);
  display.jumpLength = -3;
  display.distanceSetting = c.distanceSetting;
  display.speedSetting = 0;
  ASSERT_EQ(display.SolveDestination(), c.solves);
  if (c.solves) {
    EXPECT_DOUBLE_EQ(display.jumpLength, c.jumpLength);
    ExpectVector(display.destPos, c.destPos.x, c.destPos.y, c.destPos.z);
    ExpectVector(display.destVel, 0, 50, 0);  // the target's motion is always carried over
  } else {
    // A failed solution leaves the previous one untouched.
    ExpectVector(display.destPos, -1, -1, -1);
    ExpectVector(display.destVel, -2, -2, -2);
    EXPECT_EQ(display.jumpLength, -3);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, DestinationToTargetTest,
    ::testing::Values(TargetCase{"hundred_short", 100, true, 900, MakeVector(1000, 200, 300)},
                      TargetCase{"onto_the_target", 0, true, 1000, MakeVector(1100, 200, 300)},
                      TargetCase{"one_metre_short", 999, true, 1, MakeVector(101, 200, 300)},
                      TargetCase{"at_present_distance", 1000, false, 0, {}},
                      TargetCase{"beyond_present_distance", 5000, false, 0, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SolveDestinationTest, SpeedRelativeToTargetIsAddedAlongTheShipsAxis) {
  AddVessel("Beacon", MakeVector(1100, 200, 300), MakeVector(0, 50, 0), 5);
  JauntMFD& display = OpenJaunt();
  ASSERT_TRUE(display.UpdateTarget("Beacon", false));
  display.distanceSetting = 100;
  display.speedSetting = -7;
  ASSERT_TRUE(display.SolveDestination());
  ExpectVector(display.destVel, 0, 50, -7);
}

TEST_F(SolveDestinationTest, UsesTheTargetGeometryOfTheLastRefresh) {
  const ObjectHandle beacon = AddVessel("Beacon", MakeVector(1100, 200, 300), {}, 5);
  JauntMFD& display = OpenJaunt();
  ASSERT_TRUE(display.UpdateTarget("Beacon", false));
  display.distanceSetting = 100;
  host::TheWorld().Find(beacon)->pos = MakeVector(5000, 200, 300);
  ASSERT_TRUE(display.SolveDestination());
  ExpectVector(display.destPos, 1000, 200, 300);
}

TEST_F(SolveDestinationTest, RemovedTargetIsNeverHandedToTheHost) {
  const ObjectHandle beacon = AddVessel("Beacon", MakeVector(1100, 200, 300), {}, 5);
  JauntMFD& display = OpenJaunt();
  ASSERT_TRUE(display.UpdateTarget("Beacon", false));
  display.distanceSetting = 100;
  host::TheWorld().Remove(beacon);
  EXPECT_FALSE(display.SolveDestination());
  EXPECT_EQ(host::StaleHandleUses(), 0);

  // An object of the same name appearing again is followed.
  AddVessel("beacon", MakeVector(2100, 200, 300), {}, 5);
  ASSERT_TRUE(display.UpdateTarget(display.targetName, false));
  ASSERT_TRUE(display.SolveDestination());
  EXPECT_DOUBLE_EQ(display.jumpLength, 1900);
}

}  // namespace
