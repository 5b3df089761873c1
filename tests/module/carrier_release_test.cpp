#include <gtest/gtest.h>

#include "support/FakeRandom.h"
#include "support/ModuleTest.h"

using namespace testing_world;

namespace {

class CarrierReleaseTest : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    ship = AddVessel("GL-01", MakeVector(0, 0, 0), MakeVector(7, 0, 0));
    Focus(ship);
  }

  // Jumps 5000 m ahead, leaving at 40 m/s.
  JauntMFD& Jump() {
    JauntMFD& display = OpenJaunt();
    display.distanceSetting = 5000;
    display.speedSetting = 40;
    display.failureChance = 0;
    EXPECT_TRUE(display.ExecuteJump());
    return display;
  }

  bool CarrierInWorld() { return host::TheWorld().FindByName("jaunt_dummy") != nullptr; }

  // One host time step: the world moves, then the module's step runs.
  void Step() {
    host::TheWorld().Advance(0.05);
    opcTimestep(0, 0.05, 0);
  }

  void ExpectShipFreeAtDestination() {
    const host::Object& free = *host::TheWorld().Find(ship);
    EXPECT_EQ(free.parent, nullptr);
    EXPECT_EQ(free.vel.z, 40);
    EXPECT_EQ(free.vel.x, 0);
    EXPECT_NEAR(free.pos.z, 5000 + 3 * 0.05 * 40, 1e-9);  // carried for three steps
  }

  const FakeRandom::Installed fake = FakeRandom::Install({});
  ObjectHandle ship = nullptr;
};

TEST_F(CarrierReleaseTest, ThirdTimeStepReleasesTheShipAndDeletesTheCarrier) {
  JauntMFD& display = Jump();
  const std::int32_t expected[] = {1, 0};
  for (std::int32_t countdown : expected) {
    Step();
    EXPECT_EQ(releaseCountdown, countdown);
    EXPECT_TRUE(CarrierInWorld());
    EXPECT_TRUE(display.releasePending);
    EXPECT_EQ(host::TheWorld().Find(ship)->parent, display.carrier);
  }
  Step();
  EXPECT_EQ(releaseCountdown, -1);
  EXPECT_FALSE(display.releasePending);
  EXPECT_FALSE(ReleasePending());
  EXPECT_FALSE(CarrierInWorld());
  ExpectShipFreeAtDestination();
}

TEST_F(CarrierReleaseTest, StepWithNothingPendingChangesNothing) {
  OpenJaunt();
  for (int i = 0; i < 5; ++i) opcTimestep(0, 0.05, 0);
  EXPECT_EQ(releaseCountdown, -1);
  host::CloseAllDisplays();
  opcTimestep(0, 0.05, 0);
  EXPECT_EQ(releaseCountdown, -1);
}

enum class Meanwhile { CloseDisplay, OpenSecondDisplay, ChangeFocusAndBack };

class ReleaseDespiteDisplaysTest : public CarrierReleaseTest,
                                   public ::testing::WithParamInterface<Meanwhile> {};

TEST_P(ReleaseDespiteDisplaysTest, ReleaseComesOnTimeWhateverHappensToDisplays) {
  Jump();
  Step();
  switch (GetParam()) {
    case Meanwhile::CloseDisplay:
      host::CloseAllDisplays();
      break;
    case Meanwhile::OpenSecondDisplay:
      EXPECT_FALSE(OpenJaunt().releasePending);
      break;
    case Meanwhile::ChangeFocusAndBack:
      host::ChangeFocus(nullptr);
      host::ChangeFocus(ship);
      break;
  }
  Step();
  EXPECT_TRUE(CarrierInWorld());
  Step();
  EXPECT_FALSE(CarrierInWorld());
  EXPECT_EQ(releaseCountdown, -1);
  ExpectShipFreeAtDestination();
}

INSTANTIATE_TEST_SUITE_P(Cases, ReleaseDespiteDisplaysTest,
                         ::testing::Values(Meanwhile::CloseDisplay, Meanwhile::OpenSecondDisplay,
                                           Meanwhile::ChangeFocusAndBack));

TEST_F(CarrierReleaseTest, NextJumpCountsFromTheTopAgain) {
  Jump();
  for (int i = 0; i < 3; ++i) Step();
  host::CloseAllDisplays();
  Jump();
  Step();
  Step();
  EXPECT_TRUE(CarrierInWorld());
  Step();
  EXPECT_FALSE(CarrierInWorld());
}

TEST_F(CarrierReleaseTest, ObjectsBearingTheCarriersNameInAnyCaseNeverHoldTheShip) {
  for (const char* name : {"jaunt_dummy", "Jaunt_Dummy", "JAUNT_DUMMY"}) {
    SCOPED_TRACE(name);
    // Older than the carrier, so the first found under the name.
    const ObjectHandle other = AddVessel(name, MakeVector(1e6, 0, 0));
    const ObjectHandle carrier = Jump().carrier;
    for (int i = 0; i < 3; ++i) Step();
    EXPECT_EQ(host::TheWorld().Find(carrier), nullptr);
    EXPECT_NE(host::TheWorld().Find(other), nullptr);
    EXPECT_EQ(host::TheWorld().Find(ship)->parent, nullptr);
    EXPECT_FALSE(ReleasePending());
    host::TheWorld().Remove(other);
    host::CloseAllDisplays();
  }
}

TEST_F(CarrierReleaseTest, CarrierRemovedByOthersIsNotTouchedAgain) {
  JauntMFD& display = Jump();
  host::TheWorld().Remove(display.carrier);
  for (int i = 0; i < 3; ++i) Step();
  EXPECT_FALSE(display.releasePending);
  EXPECT_EQ(releaseCountdown, -1);
  EXPECT_EQ(host::StaleHandleUses(), 0);
}

// The host tells of a carrier deleted by someone else: the display no longer
// waits for it, and the countdown stops at once.
TEST_F(CarrierReleaseTest, CarrierDeletedByOthersIsForgottenWhenTheHostTells) {
  JauntMFD& display = Jump();
  Step();
  oapiDeleteVessel(display.carrier);
  opcDeleteVessel(display.carrier);  // as the host calls it
  EXPECT_FALSE(display.releasePending);
  EXPECT_FALSE(ReleasePending());
  EXPECT_EQ(releaseCountdown, -1);
}

// A session ends at any step of the hold, and the next session's vessels
// take the old handles, the carrier's among them: nothing of the old jump
// may touch them.
TEST_F(CarrierReleaseTest, SessionEndingDuringTheHoldLeavesTheNextSessionAlone) {
  for (int stepsTaken = 0; stepsTaken <= 2; ++stepsTaken) {
    SCOPED_TRACE(stepsTaken);
    host::ResetSimulation();
    ship = AddVessel("GL-01", MakeVector(0, 0, 0));
    Focus(ship);
    const ObjectHandle carrier = Jump().carrier;
    for (int i = 0; i < stepsTaken; ++i) Step();
    host::ResetSimulation();
    opcCloseRenderViewport();  // the host's call at the session's end

    const ObjectHandle pilot = AddVessel("GL-02", MakeVector(1, 0, 0));
    Focus(pilot);
    const ObjectHandle other = AddVessel("Other", MakeVector(2, 0, 0));
    ASSERT_EQ(other, carrier);  // the old carrier's handle, on another vessel
    for (int i = 0; i < 3; ++i) Step();
    EXPECT_NE(host::TheWorld().Find(other), nullptr);
    EXPECT_EQ(host::TheWorld().Find(other)->name, "Other");
    EXPECT_FALSE(ReleasePending());
  }
}

}  // namespace
