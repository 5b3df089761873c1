#include <gtest/gtest.h>

#include <string>

#include "host/InputBox.h"
#include "host/VesselClasses.h"
#include "jump/ConfirmAnswer.h"
#include "support/FakeRandom.h"
#include "support/ModuleTest.h"

using namespace testing_world;

namespace {

int CountCarriers() {
  int n = 0;
  for (ObjectHandle vessel : host::TheWorld().Vessels())
    n += host::TheWorld().Find(vessel)->name == "jaunt_dummy" ? 1 : 0;
  return n;
}

class ExecuteJumpTest : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    ship = AddVessel("GL-01", MakeVector(1000, 2000, 3000), MakeVector(1, 2, 3));
    Focus(ship);
  }

  // A display planning a jump of `length` metres along +z, judged by `chance`.
  JauntMFD& Planned(double length, double chance) {
    JauntMFD& display = OpenJaunt();
    display.distanceSetting = length;
    display.failureChance = chance;
    display.estimateValid = true;
    return display;
  }

  // Lets the carrier go.
  void ReleaseNow() {
    for (int i = 0; i < 3; ++i) opcTimestep(0, 0.05, 0);
  }

  ObjectHandle ship = nullptr;
};

struct AnswerCase {
  const char* text;
  bool jumps;
};

class AnswerTest : public ExecuteJumpTest, public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(AnswerTest, OnlyLowerOrUpperYMakesTheJump) {
  JauntMFD& display = Planned(1e6, 0);
  EXPECT_TRUE(OnConfirmEntered(nullptr, const_cast<char*>(GetParam().text), display.InputToken()));
  EXPECT_EQ(CountCarriers(), GetParam().jumps ? 1 : 0);
  EXPECT_EQ(display.releasePending, GetParam().jumps);
}

INSTANTIATE_TEST_SUITE_P(Table, AnswerTest,
                         ::testing::Values(AnswerCase{"y", true}, AnswerCase{"Y", true},
                                           AnswerCase{"yes", false}, AnswerCase{"n", false},
                                           AnswerCase{" y", false}, AnswerCase{"y ", false},
                                           AnswerCase{"", false}));

struct ScatterCase {
  const char* name;
  double length;
  double chance;
  std::vector<int> draws;  // the first is discarded
  bool safe;
  VECTOR3 offset;  // from the solved destination
};

class ScatterTest : public ExecuteJumpTest, public ::testing::WithParamInterface<ScatterCase> {};

TEST_P(ScatterTest, UnsafeJumpScattersTheDestinationZThenYThenX) {
  const ScatterCase& c = GetParam();
  const auto fake = FakeRandom::Install(c.draws);
  JauntMFD& display = Planned(c.length, c.chance);
  ASSERT_TRUE(display.ExecuteJump());
  EXPECT_EQ(FakeRandom::seeds, 1);
  EXPECT_EQ(FakeRandom::lastSeed, static_cast<unsigned>(FakeRandom::time));
  EXPECT_EQ(FakeRandom::drawn, c.safe ? 1u : 4u);
  EXPECT_EQ(display.lastJumpSafe, c.safe);
  EXPECT_FALSE(display.estimateValid);
  EXPECT_DOUBLE_EQ(display.destPos.x, 1000 + c.offset.x);
  EXPECT_DOUBLE_EQ(display.destPos.y, 2000 + c.offset.y);
  EXPECT_DOUBLE_EQ(display.destPos.z, 3000 + c.length + c.offset.z);
  EXPECT_EQ(display.jumpLength, c.length);  // the scatter leaves the length alone
}

INSTANTIATE_TEST_SUITE_P(
    Table, ScatterTest,
    ::testing::Values(ScatterCase{"half_is_safe", 1e6, 0.5, {7, 0, 0, 0}, true, {}},
                      ScatterCase{"certain_failure_draw_0_and_32767",
                                  1e6,
                                  1,
                                  {7, 0, 32767, 0},
                                  false,
                                  MakeVector(1e6, -1e6, 1e6)},
                      ScatterCase{"each_axis_its_own_draw",
                                  1e6,
                                  1,
                                  {7, 0, 32767, 32767},
                                  false,
                                  MakeVector(-1e6, -1e6, 1e6)},
                      ScatterCase{"barely_unsafe_scatters_further",
                                  1e6,
                                  0.6,
                                  {7, 32767, 0, 32767},
                                  false,
                                  MakeVector(-5e6, 5e6, -5e6)},
                      ScatterCase{
                          "zero_length_scatters_nothing", 0, 1, {7, 0, 32767, 0}, false, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ExecuteJumpTest, SameSecondGivesTheSameScatter) {
  double firstX = 0;
  for (int jump = 0; jump < 2; ++jump) {
    JumpRandom fixedClock = jumpRandom;
    fixedClock.now = [] { return std::time_t{1700000000}; };
    const JumpRandom saved = jumpRandom;
    jumpRandom = fixedClock;
    JauntMFD& display = Planned(1e6, 0.9);
    ASSERT_TRUE(display.ExecuteJump());
    jumpRandom = saved;
    const double x = display.destPos.x;
    if (jump == 0) firstX = x;
    EXPECT_EQ(x, firstX);
    EXPECT_NE(x, 1000);
    ReleaseNow();
    host::CloseAllDisplays();
    host::TheWorld().Find(ship)->pos = MakeVector(1000, 2000, 3000);
  }
}

TEST_F(ExecuteJumpTest, CarrierIsCreatedAtTheDestinationAndHoldsTheShip) {
  const auto fake = FakeRandom::Install({});
  // Body 0 moves: the record is relative to it, the carrier lands in place.
  AddBody("Sun", 2e30, 7e8, MakeVector(-1e11, 0, 0), MakeVector(0, 3e4, 0));
  JauntMFD& display = Planned(1e6, 0);
  display.speedSetting = 250;
  ASSERT_TRUE(display.ExecuteJump());
  ASSERT_EQ(CountCarriers(), 1);
  const host::Object& carrier = *host::TheWorld().FindByName("jaunt_dummy");
  EXPECT_EQ(carrier.className, "jauntdummy");
  EXPECT_EQ(carrier.mass, 1.0);  // from the class file the package ships
  EXPECT_EQ(carrier.size, 1.0);
  EXPECT_EQ(display.carrier, carrier.handle);
  EXPECT_EQ(display.carrierVessel, carrier.iface);
  EXPECT_EQ(carrier.pos.z, 3000 + 1e6);
  EXPECT_EQ(carrier.vel.z, 250);
  ASSERT_EQ(carrier.points.size(), 1u);
  EXPECT_EQ(carrier.points[0].id, "DUMMY");
  EXPECT_FALSE(carrier.points[0].childSide);
  EXPECT_EQ(carrier.points[0].dir.z, -1);
  EXPECT_EQ(carrier.points[0].rot.y, 1);
  const host::Object& held = *host::TheWorld().Find(ship);
  EXPECT_EQ(held.parent, carrier.handle);
  EXPECT_EQ(held.pos.z, 3000 + 1e6);
  EXPECT_TRUE(display.releasePending);
}

TEST_F(ExecuteJumpTest, ShipGetsOneDummyPointAndKeepsUsingIt) {
  const auto fake = FakeRandom::Install({});
  host::Object& held = *host::TheWorld().Find(ship);
  held.iface->CreateAttachment(true, {}, MakeVector(0, 0, 1), MakeVector(0, 1, 0), "dummy");
  for (int jump = 0; jump < 2; ++jump) {
    JauntMFD& display = Planned(1e6, 0);
    ASSERT_TRUE(display.ExecuteJump());
    ReleaseNow();
    host::CloseAllDisplays();
  }
  ASSERT_EQ(held.points.size(), 2u);  // "dummy" does not count, one "DUMMY" added
  EXPECT_EQ(held.points[1].id, "DUMMY");
  EXPECT_TRUE(held.points[1].childSide);
  EXPECT_EQ(held.points[1].dir.z, 1);
}

TEST_F(ExecuteJumpTest, UnsolvableJumpDoesNothing) {
  const auto fake = FakeRandom::Install({});
  JauntMFD& display = Planned(1e6, 1);
  Focus(nullptr);
  EXPECT_FALSE(display.ExecuteJump());
  EXPECT_EQ(FakeRandom::seeds, 0);
  EXPECT_TRUE(display.lastJumpSafe);
  EXPECT_TRUE(display.estimateValid);
  EXPECT_FALSE(display.releasePending);
  EXPECT_EQ(CountCarriers(), 0);
}

// The host is never handed a state it cannot hold. A jump whose scattered
// destination or exit speed would not be finite does nothing, as an
// unsolvable one does: no draw, no vessel, nothing pending.
TEST_F(ExecuteJumpTest, JumpThatWouldLeaveTheFiniteNumbersDoesNothing) {
  const struct {
    double length, speed, chance;
  } cases[] = {
      {1e200, 0, 1},         // the jump's length overflows, and with it the scatter
      {1e307, 0, 0.75},      // the scatter reaches past the largest number
      {1e6, 1e308 * 10, 0},  // an exit speed that is no number
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.length);
    const auto fake = FakeRandom::Install({});
    JauntMFD& display = Planned(c.length, c.chance);
    display.speedSetting = c.speed;
    EXPECT_FALSE(display.ExecuteJump());
    EXPECT_EQ(FakeRandom::seeds, 0);
    EXPECT_EQ(FakeRandom::drawn, 0u);
    EXPECT_TRUE(display.lastJumpSafe);
    EXPECT_TRUE(display.estimateValid);
    EXPECT_FALSE(display.releasePending);
    EXPECT_EQ(CountCarriers(), 0);
    EXPECT_EQ(host::TheWorld().Find(ship)->parent, nullptr);
    host::CloseAllDisplays();
  }
  // A long jump within the world is made.
  const auto fake = FakeRandom::Install({});
  EXPECT_TRUE(Planned(1e17, 1).ExecuteJump());
}

TEST_F(ExecuteJumpTest, SecondJumpWhileCarriedIsRefused) {
  const auto fake = FakeRandom::Install({});
  JauntMFD& display = Planned(1e6, 0);
  ASSERT_TRUE(display.ExecuteJump());
  const ObjectHandle first = display.carrier;
  display.estimateValid = true;
  EXPECT_FALSE(display.ExecuteJump());
  EXPECT_EQ(display.carrier, first);
  EXPECT_TRUE(display.estimateValid);
  EXPECT_EQ(CountCarriers(), 1);
}

// The host refuses the carrier: its class is unknown, or the destination
// lies outside the world's bounds. No jump is made and nothing is pending.
TEST_F(ExecuteJumpTest, CarrierThatCannotBeCreatedLeavesTheShipAlone) {
  const struct {
    const char* what;
    double length, speed, chance;
    bool withClass;
  } cases[] = {
      {"no carrier class", 1e6, 0, 1, false},
      {"past the world's reach", 2e18, 0, 0, true},
      {"scattered past it", 2e17, 0, 0.55, true},  // up to 2e18 on each axis
      {"faster than light", 1e6, 3e8, 0, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto fake = FakeRandom::Install({0, 0, 0, 0});
    const host::VesselClass shipped = *host::FindVesselClass("jauntdummy");
    if (!c.withClass) host::RemoveVesselClass("jauntdummy");
    JauntMFD& display = Planned(c.length, c.chance);
    display.speedSetting = c.speed;
    EXPECT_FALSE(display.ExecuteJump());
    if (!c.withClass) host::AddVesselClass(shipped);
    EXPECT_FALSE(display.releasePending);
    EXPECT_FALSE(ReleasePending());
    EXPECT_TRUE(display.lastJumpSafe);  // no jump was made, so none went bad
    EXPECT_EQ(CountCarriers(), 0);
    EXPECT_EQ(host::TheWorld().Find(ship)->pos.z, 3000);
    EXPECT_EQ(host::TheWorld().Find(ship)->parent, nullptr);
    host::CloseAllDisplays();
    host::ClearReports();
  }
}

}  // namespace
