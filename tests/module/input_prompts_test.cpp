#include <gtest/gtest.h>

#include <string>

#include "host/InputBox.h"
#include "planning/InputPrompts.h"
#include "support/ModuleTest.h"

using namespace testing_world;

namespace {

constexpr double unchanged = 777;
constexpr double staleChance = 0.125;

class InputPromptsTest : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    Focus(AddVessel("GL-01", MakeVector(0, 0, 0)));
    AddVessel("Beacon", MakeVector(0, 0, 2e9), {}, 5);
  }

  // Opens the display with or without the target and an estimate on the
  // page that is not the one this world would give.
  JauntMFD& Prepare(bool withTarget) {
    JauntMFD& display = OpenJaunt();
    if (withTarget) {
      EXPECT_TRUE(display.UpdateTarget("Beacon", false));
    }
    display.distanceSetting = unchanged;
    display.estimateValid = true;
    display.failureChance = staleChance;
    return display;
  }
};

struct DistanceCase {
  const char* text;
  bool withTarget;
  bool accepted;
  double metres;
  bool estimateShown;  // afterwards
};

class DistancePromptTest : public InputPromptsTest,
                           public ::testing::WithParamInterface<DistanceCase> {};

TEST_P(DistancePromptTest, TextSetsTheDistanceAndPlansAgain) {
  const DistanceCase& c = GetParam();
  JauntMFD& display = Prepare(c.withTarget);
  OpenDistancePrompt(display);
  const std::optional<bool> result = host::AnswerInputBox(c.text);
  ASSERT_TRUE(result.has_value());
  EXPECT_EQ(*result, c.accepted);
  EXPECT_EQ(display.distanceSetting, c.metres);
  EXPECT_EQ(display.estimateValid, c.estimateShown);
  // A new estimate replaces the stale figure; a rejected text keeps it.
  if (c.accepted && c.estimateShown) {
    EXPECT_EQ(display.failureChance, 0);
  }
  if (!c.accepted) {
    EXPECT_EQ(display.failureChance, staleChance);
  }
  // A rejected text leaves the box open for another try.
  EXPECT_EQ(host::OpenInputBox().has_value(), !c.accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DistancePromptTest,
    ::testing::Values(
        DistanceCase{"K500", false, true, 500000, true},
        DistanceCase{"k500", false, true, 500000, true}, DistanceCase{"M2", false, true, 2e6, true},
        DistanceCase{"m2", false, true, 2e6, true}, DistanceCase{"G1.5", false, true, 1.5e9, true},
        DistanceCase{"A1", false, true, 149597870691.0, true},
        DistanceCase{"a0.5", false, true, 0.5 * 149597870691.0, true},
        DistanceCase{"5000", false, true, 5000, true}, DistanceCase{"1e9", false, true, 1e9, true},
        DistanceCase{"500K", false, true, 500, true}, DistanceCase{"xyz", false, true, 0, true},
        DistanceCase{"Kxyz", false, true, 0, true}, DistanceCase{" K5", false, true, 0, true},
        DistanceCase{"-0", false, true, 0, true},
        DistanceCase{"K-5", false, false, unchanged, true},
        DistanceCase{"-5", false, false, unchanged, true},
        DistanceCase{"K", false, false, unchanged, true},
        DistanceCase{"", false, false, unchanged, true},
        DistanceCase{"nan", false, false, unchanged, true},
        DistanceCase{"inf", false, false, unchanged, true},
        DistanceCase{"1e400", false, false, unchanged, true},
        DistanceCase{"G1e300", false, false, unchanged, true},
        DistanceCase{"%50", true, true, 1e9, true}, DistanceCase{"%0", true, true, 0, true},
        // The whole distance: no solution, so no estimate.
        DistanceCase{"%100", true, true, 2e9, false},
        DistanceCase{"%100.5", true, false, unchanged, true},
        DistanceCase{"%-1", true, false, unchanged, true},
        DistanceCase{"%", true, false, unchanged, true},
        DistanceCase{"%nan", true, false, unchanged, true},
        DistanceCase{"%50", false, false, unchanged, true}));

struct SpeedCase {
  const char* text;
  bool accepted;
  double metresPerSecond;
};

class SpeedPromptTest : public InputPromptsTest, public ::testing::WithParamInterface<SpeedCase> {};

TEST_P(SpeedPromptTest, TextInKilometresPerSecondSetsTheSpeed) {
  const SpeedCase& c = GetParam();
  JauntMFD& display = Prepare(false);
  display.speedSetting = unchanged;
  OpenSpeedPrompt(display);
  EXPECT_EQ(host::AnswerInputBox(c.text), c.accepted);
  EXPECT_EQ(display.speedSetting, c.metresPerSecond);
  EXPECT_EQ(display.failureChance, c.accepted ? 0 : staleChance);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SpeedPromptTest,
    ::testing::Values(SpeedCase{"7.5", true, 7500}, SpeedCase{"-2", true, -2000},
                      SpeedCase{"", true, 0}, SpeedCase{"abc", true, 0},
                      SpeedCase{"-0x10", true, 0}, SpeedCase{"299792.458", true, 299792458},
                      SpeedCase{"300000", true, 3e8}, SpeedCase{"1e90", true, 1e90 * 1000},
                      SpeedCase{"-1e305", true, -1e308}, SpeedCase{"-0", true, 0},
                      SpeedCase{"nan", false, unchanged}, SpeedCase{"inf", false, unchanged},
                      SpeedCase{"1e306", false, unchanged}));

struct TargetCase {
  const char* text;
  bool accepted;
  const char* targetName;
};

class TargetPromptTest : public InputPromptsTest,
                         public ::testing::WithParamInterface<TargetCase> {};

TEST_P(TargetPromptTest, TextSelectsOrDropsTheTarget) {
  const TargetCase& c = GetParam();
  JauntMFD& display = Prepare(true);
  display.distanceSetting = 1e9;
  OpenTargetPrompt(display);
  EXPECT_EQ(host::AnswerInputBox(c.text), c.accepted);
  EXPECT_STREQ(display.targetName, c.targetName);
  EXPECT_EQ(display.target == nullptr, std::string(c.targetName) == "None");
  // Cleared before the lookup: a rejected name takes the safety line away.
  EXPECT_EQ(display.estimateValid, c.accepted);
}

INSTANTIATE_TEST_SUITE_P(Table, TargetPromptTest,
                         ::testing::Values(TargetCase{"", true, "None"},
                                           TargetCase{"BEACON", true, "Beacon"},
                                           TargetCase{"Moon", false, "Beacon"},
                                           TargetCase{"None", false, "Beacon"},
                                           TargetCase{" Beacon", false, "Beacon"}));

struct TitleCase {
  void (*open)(const JauntMFD&);
  bool withTarget;
  const char* title;
};

class PromptTitleTest : public InputPromptsTest, public ::testing::WithParamInterface<TitleCase> {};

TEST_P(PromptTitleTest, PromptOpensWithItsTitleAndRoomFor20Characters) {
  const TitleCase& c = GetParam();
  c.open(Prepare(c.withTarget));
  const auto box = host::OpenInputBox();
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->title, c.title);
  EXPECT_EQ(box->visibleLength, 20);
  EXPECT_EQ(box->initialText, "");
}

INSTANTIATE_TEST_SUITE_P(
    Table, PromptTitleTest,
    ::testing::Values(
        TitleCase{OpenTargetPrompt, false, "(Jaunt): Select Target (leave blank for none)"},
        TitleCase{OpenDistancePrompt, true,
                  "(Jaunt): Select final distance from target (preceed with % or K, M, G, A)"},
        TitleCase{OpenDistancePrompt, false,
                  "(Jaunt): Select distance to travel (preceed with K, M, G or A )"},
        TitleCase{OpenSpeedPrompt, false, "(Jaunt): Select final velocity (Km/s)"}));

TEST_F(InputPromptsTest, PercentIsRejectedWhenTheTargetWasDroppedMeanwhile) {
  JauntMFD& display = Prepare(true);
  OpenDistancePrompt(display);
  display.UpdateTarget(noTargetName, false);
  EXPECT_EQ(host::AnswerInputBox("%50"), false);
  EXPECT_EQ(display.distanceSetting, unchanged);
}

TEST_F(InputPromptsTest, AnswerForAClosedDisplayIsAcceptedAndIgnored) {
  for (void (*open)(const JauntMFD&) : {OpenTargetPrompt, OpenDistancePrompt, OpenSpeedPrompt}) {
    const int first = host::OpenDisplay("Jaunt", 256, 256);
    open(*static_cast<JauntMFD*>(host::DisplayObject(first)));
    host::CloseDisplay(first);
    const int second = host::OpenDisplay("Jaunt", 256, 256);
    const auto& other = *static_cast<JauntMFD*>(host::DisplayObject(second));
    EXPECT_EQ(host::AnswerInputBox("K5"), true);
    EXPECT_STREQ(other.targetName, "None");
    EXPECT_EQ(other.distanceSetting, 1e9);
    EXPECT_EQ(other.speedSetting, 0);
    EXPECT_FALSE(other.estimateValid);
    host::CloseAllDisplays();
  }
}

}  // namespace
