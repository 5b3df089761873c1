#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/ModuleTest.h"

using namespace testing_world;
using host::TextRun;

namespace {

class DrawPageTest : public ModuleTest {
 protected:
  host::Page Draw() { return host::DrawDisplay(host::OpenDisplays().back()); }
};

TEST_F(DrawPageTest, NewDisplayDrawsTitleAndFiveLines) {
  OpenJaunt();
  const host::Page page = Draw();
  EXPECT_EQ(page.title, "Jaunt MFD");
  EXPECT_EQ(page.runs, (std::vector<TextRun>{
                           {10, 48, "[Shift-T] Target: None"},
                           {10, 128, "[Shift-D] Distance to travel:"},
                           {20, 144, "1.00 Gm (0.007 AU)"},
                           {10, 176, "[Shift-V] Final absolute velocity:"},
                           {20, 192, "0.000 Km/s"},
                       }));
}

TEST_F(DrawPageTest, TargetLinesShowLiveDataAndLeaveTheRestInPlace) {
  Focus(AddVessel("GL-01", MakeVector(0, 0, 0), MakeVector(0, 0, 10)));
  const ObjectHandle moon =
      AddBody("Moon", 7.3e22, 1.7374e6, MakeVector(3e8, 4e8, 0), MakeVector(0, 1000, 0));
  JauntMFD& display = OpenJaunt();
  ASSERT_TRUE(display.UpdateTarget("moon", false));
  display.distanceSetting = 0.5e8;
  display.speedSetting = -1500;
  host::TheWorld().Find(moon)->pos = MakeVector(6e8, 8e8, 0);  // drawn as it is now

  EXPECT_EQ(Draw().runs, (std::vector<TextRun>{
                             {10, 48, "[Shift-T] Target: Moon"},
                             {20, 64, "Curr. distance: 1.00 Gm (0.007 AU)"},
                             {20, 80, "Curr. velocity: 1.000 Km/s"},
                             {20, 96, "Radius: 1.74 Mm"},
                             {10, 128, "[Shift-D] Final distance to target:"},
                             {20, 144, "50.00 Mm (0.000 AU)"},
                             {10, 176, "[Shift-V] Final relative velocity:"},
                             {20, 192, "-1.500 Km/s"},
                         }));
}

struct NoticeCase {
  const char* name;
  bool estimateValid;
  double failureChance;
  bool lastJumpSafe;
  std::vector<TextRun> notices;  // what follows line 8
};

class PageNoticeTest : public DrawPageTest, public ::testing::WithParamInterface<NoticeCase> {};

TEST_P(PageNoticeTest, SafetyLineAndWarningStandBelowTheSettings) {
  const NoticeCase& c = GetParam();
  JauntMFD& display = OpenJaunt();
  display.estimateValid = c.estimateValid;
  display.failureChance = c.failureChance;
  display.lastJumpSafe = c.lastJumpSafe;
  const std::vector<TextRun> runs = Draw().runs;
  ASSERT_GE(runs.size(), 5u);
  EXPECT_EQ(std::vector<TextRun>(runs.begin() + 5, runs.end()), c.notices);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PageNoticeTest,
    ::testing::Values(
        NoticeCase{
            "certain_safety", true, 0, true, {{40, 224, "Probability of safe jaunt: 100.0%"}}},
        NoticeCase{
            "three_quarters", true, 0.25, true, {{40, 224, "Probability of safe jaunt: 75.0%"}}},
        NoticeCase{"no_estimate_no_line", false, 0.25, true, {}},
        NoticeCase{"warning_below_safety_line",
                   true,
                   1,
                   false,
                   {{40, 224, "Probability of safe jaunt: 0.0%"}, {40, 256, "<<<Bad jump!>>>"}}},
        NoticeCase{"warning_alone", false, 1, false, {{40, 240, "<<<Bad jump!>>>"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DrawPageTest, OverlongLinesAreCutTo99Characters) {
  const std::string name(99, 'N');
  Focus(AddVessel("GL-01", MakeVector(0, 0, 0)));
  AddVessel(name, MakeVector(0, 0, 1e60));
  JauntMFD& display = OpenJaunt();
  ASSERT_TRUE(display.UpdateTarget(name.c_str(), false));
  display.distanceSetting = 1.5e60;
  display.speedSetting = 1e95;
  for (const TextRun& run : Draw().runs) EXPECT_LE(run.text.size(), 99u) << run.text;
  const std::vector<TextRun> runs = Draw().runs;
  EXPECT_EQ(runs[0].text, ("[Shift-T] Target: " + name).substr(0, 99));
  EXPECT_EQ(runs[1].text.substr(0, 16), "Curr. distance: ");
  EXPECT_EQ(runs[1].text.size(), 99u);
}

TEST_F(DrawPageTest, RefreshNeverTouchesTheEstimate) {
  Focus(AddVessel("GL-01", MakeVector(0, 0, 0)));
  AddBody("Moon", 7.3e22, 1.7374e6, MakeVector(3e8, 4e8, 0));
  JauntMFD& display = OpenJaunt();
  ASSERT_TRUE(display.UpdateTarget("Moon", false));
  display.failureChance = 0.125;
  for (bool valid : {false, true}) {
    display.estimateValid = valid;
    Draw();
    EXPECT_EQ(display.failureChance, 0.125);
    EXPECT_EQ(display.estimateValid, valid);
  }
}

TEST_F(DrawPageTest, LostTargetKeepsItsLastDataAndSaysSo) {
  Focus(AddVessel("GL-01", MakeVector(0, 0, 0)));
  const ObjectHandle moon = AddBody("Moon", 7.3e22, 1.7374e6, MakeVector(3e8, 4e8, 0));
  JauntMFD& display = OpenJaunt();
  ASSERT_TRUE(display.UpdateTarget("Moon", false));
  host::TheWorld().Remove(moon);
  const std::vector<TextRun> runs = Draw().runs;
  ASSERT_EQ(runs.size(), 9u);
  EXPECT_EQ(runs[1], (TextRun{20, 64, "Curr. distance: 500.00 Mm (0.003 AU)"}));
  EXPECT_EQ(runs[4], (TextRun{20, 112, "Target lost"}));
  EXPECT_EQ(runs[5], (TextRun{10, 128, "[Shift-D] Final distance to target:"}));
}

}  // namespace
