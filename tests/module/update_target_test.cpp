#include <gtest/gtest.h>

#include <string>

#include "support/ModuleTest.h"

using namespace testing_world;

namespace {

class UpdateTargetTest : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    Focus(AddVessel("GL-01", MakeVector(0, 0, 0), MakeVector(0, 0, 10), 20));
    AddBody("Moon", 7.3e22, 1.7374e6, MakeVector(3e8, 4e8, 0), MakeVector(0, 1000, 0));
  }
};

TEST_F(UpdateTargetTest, KnownNameSelectsTheObjectWithItsData) {
  JauntMFD& display = OpenJaunt();
  ASSERT_TRUE(display.UpdateTarget("Moon", false));
  EXPECT_EQ(display.target, host::TheWorld().FindByName("Moon")->handle);
  EXPECT_STREQ(display.targetName, "Moon");
  // The ship's position minus the target's.
  EXPECT_EQ(display.targetRelPos.x, -3e8);
  EXPECT_EQ(display.targetRelPos.y, -4e8);
  EXPECT_DOUBLE_EQ(display.targetDistance, 5e8);
  EXPECT_DOUBLE_EQ(display.targetSpeed, std::sqrt(1000.0 * 1000 + 10 * 10));
  EXPECT_EQ(display.targetRadius, 1.7374e6);
  EXPECT_FALSE(display.estimateValid);  // no estimate asked for
}

TEST_F(UpdateTargetTest, NameInOtherLetterCaseStoresTheHostsSpelling) {
  JauntMFD& display = OpenJaunt();
  ASSERT_TRUE(display.UpdateTarget("mOON", false));
  EXPECT_STREQ(display.targetName, "Moon");
}

TEST_F(UpdateTargetTest, TargetNameItselfCanBePassed) {
  JauntMFD& display = OpenJaunt();
  ASSERT_TRUE(display.UpdateTarget("MOON", false));
  EXPECT_TRUE(display.UpdateTarget(display.targetName, false));
  EXPECT_STREQ(display.targetName, "Moon");
}

TEST_F(UpdateTargetTest, EmptyNameDropsTheTargetButKeepsItsLastData) {
  JauntMFD& display = OpenJaunt();
  ASSERT_TRUE(display.UpdateTarget("Moon", false));
  EXPECT_TRUE(display.UpdateTarget(noTargetName, true));
  EXPECT_EQ(display.target, nullptr);
  EXPECT_STREQ(display.targetName, "None");
  EXPECT_DOUBLE_EQ(display.targetDistance, 5e8);
  EXPECT_TRUE(display.estimateValid);  // the no-target jump was estimated
}

TEST_F(UpdateTargetTest, UnknownNameChangesNothingAndMakesNoEstimate) {
  JauntMFD& display = OpenJaunt();
  ASSERT_TRUE(display.UpdateTarget("Moon", false));
  const ObjectHandle before = display.target;
  display.failureChance = 0.25;
  for (const char* name : {"Mars", "None", "Moon "}) {
    EXPECT_FALSE(display.UpdateTarget(name, true)) << name;
    EXPECT_EQ(display.target, before);
    EXPECT_STREQ(display.targetName, "Moon");
    EXPECT_DOUBLE_EQ(display.targetDistance, 5e8);
    EXPECT_FALSE(display.estimateValid);
    EXPECT_EQ(display.failureChance, 0.25);
  }
}

// A target is found again by its name at every refresh, so a name too long
// to keep whole is refused like an unknown one, and never later "lost".
TEST_F(UpdateTargetTest, NameTooLongToKeepWholeIsRefused) {
  JauntMFD& display = OpenJaunt();
  const std::string kept(99, 'k');
  AddVessel(kept, MakeVector(0, 0, 1000));
  ASSERT_TRUE(display.UpdateTarget(kept.c_str(), true));
  for (const std::size_t length : {100u, 101u, 150u}) {
    const std::string name(length, 'x');
    AddVessel(name, MakeVector(0, 0, 1000));
    EXPECT_FALSE(display.UpdateTarget(name.c_str(), true)) << length;
    EXPECT_EQ(std::string(display.targetName), kept);
  }
  EXPECT_TRUE(display.UpdateTarget(display.targetName, false));
}

TEST_F(UpdateTargetTest, RefreshFollowsTheTargetAndKeepsDataWhenItIsGone) {
  JauntMFD& display = OpenJaunt();
  ASSERT_TRUE(display.UpdateTarget("Moon", false));
  host::Object* moon = host::TheWorld().FindByName("Moon");
  moon->pos = MakeVector(0, 6e8, 0);
  ASSERT_TRUE(display.UpdateTarget(display.targetName, false));
  EXPECT_DOUBLE_EQ(display.targetDistance, 6e8);

  host::TheWorld().Remove(moon->handle);
  EXPECT_FALSE(display.UpdateTarget(display.targetName, true));
  EXPECT_DOUBLE_EQ(display.targetDistance, 6e8);
  EXPECT_STREQ(display.targetName, "Moon");
  EXPECT_EQ(host::StaleHandleUses(), 0);
}

}  // namespace
