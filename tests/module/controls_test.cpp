#include <gtest/gtest.h>

#include <string>

#include "host/InputBox.h"
#include "support/FakeRandom.h"
#include "support/ModuleTest.h"

using namespace testing_world;

namespace {

class ControlsTest : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    Focus(AddVessel("GL-01", MakeVector(0, 0, 0)));
    AddVessel("Beacon", MakeVector(0, 0, 2e9), {}, 5);
    // Half the certainty threshold everywhere near the ship.
    AddBody("Planet", 1e24, 1e6, MakeVector(0, 1e7, 0));
  }

  std::string BoxTitle() {
    const auto box = host::OpenInputBox();
    return box ? box->title : "(none)";
  }
};

struct ControlCase {
  const char* name;
  std::uint32_t key;
  int button;
  const char* boxTitle;  // what opens, "(none)" for nothing
  bool dropsTargetAndEstimates;
};

class ControlTest : public ControlsTest, public ::testing::WithParamInterface<ControlCase> {};

const ControlCase controlCases[] = {
    {"W", OAPI_KEY_W, 4, "Probability of safe jaunt: 66.6% Proceed? (y/n)", false},
    {"T", OAPI_KEY_T, 0, "(Jaunt): Select Target (leave blank for none)", false},
    {"D", OAPI_KEY_D, 2,
     "(Jaunt): Select final distance from target (preceed with % or K, M, G, A)", false},
    {"V", OAPI_KEY_V, 3, "(Jaunt): Select final velocity (Km/s)", false},
    {"N", OAPI_KEY_N, 1, "(none)", true},
};

void ExpectEffect(const ControlCase& c, const JauntMFD& display, const std::string& title) {
  EXPECT_EQ(title, c.boxTitle);
  EXPECT_EQ(display.target == nullptr, c.dropsTargetAndEstimates);
  // Only N re-plans at once (the question refreshes the estimate too).
  if (c.dropsTargetAndEstimates) {
    EXPECT_TRUE(display.estimateValid);
    EXPECT_NEAR(display.failureChance, 0.3335, 1e-4);
  }
}

TEST_P(ControlTest, KeyDoesItsAction) {
  const ControlCase& c = GetParam();
  JauntMFD& display = OpenJaunt();
  ASSERT_TRUE(display.UpdateTarget("Beacon", false));
  EXPECT_TRUE(display.ConsumeKeyBuffered(c.key));
  ExpectEffect(c, display, BoxTitle());
}

TEST_P(ControlTest, ButtonDoesWhatItsKeyDoes) {
  const ControlCase& c = GetParam();
  JauntMFD& display = OpenJaunt();
  ASSERT_TRUE(display.UpdateTarget("Beacon", false));
  EXPECT_TRUE(display.ConsumeButton(c.button, PANEL_MOUSE_LBDOWN));
  ExpectEffect(c, display, BoxTitle());
}

INSTANTIATE_TEST_SUITE_P(Table, ControlTest, ::testing::ValuesIn(controlCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ControlsTest, OtherKeysAndUnhandledButtonEventsDoNothing) {
  JauntMFD& display = OpenJaunt();
  ASSERT_TRUE(display.UpdateTarget("Beacon", false));
  for (std::uint32_t key : {0x00u, 0x10u, 0x12u, 0x13u, 0x1Eu, 0x30u, 0x32u, 0x111u, 0xFFu})
    EXPECT_FALSE(display.ConsumeKeyBuffered(key)) << key;
  const std::pair<int, int> presses[] = {{0, 0}, {1, 0},  {4, 0x02}, {4, 0x04},
                                         {5, 1}, {-1, 1}, {100, 1}};
  for (auto [button, event] : presses)
    EXPECT_FALSE(display.ConsumeButton(button, event)) << button << "/" << event;
  EXPECT_EQ(BoxTitle(), "(none)");
  EXPECT_STREQ(display.targetName, "Beacon");
  EXPECT_FALSE(display.estimateValid);
}

TEST_F(ControlsTest, LabelsAndMenu) {
  JauntMFD& display = OpenJaunt();
  const char* labels[] = {"TGT", "NT", "DIS", "VEL", "JNT"};
  for (int i = 0; i < 5; ++i) EXPECT_STREQ(display.ButtonLabel(i), labels[i]);
  EXPECT_EQ(display.ButtonLabel(5), nullptr);
  EXPECT_EQ(display.ButtonLabel(-1), nullptr);

  EXPECT_EQ(display.ButtonMenu(nullptr), 5);
  const MFDBUTTONMENU* menu = nullptr;
  ASSERT_EQ(display.ButtonMenu(&menu), 5);
  struct Row {
    const char* line1;
    const char* line2;
    char key;
  };
  const Row rows[] = {
      {"<- Select target, final distance", "  to target, and final velocity.", 'T'},
      {"<- No target. Trajectory in the", "  ship direction.", 'N'},
      {"<- Distance to travel w/o target", "  or final distance to target.", 'D'},
      {"<- Select final velocity in km/s", " (will be in ship direction)", 'V'},
      {"<- Do the hyperspace jump", nullptr, 'W'},
  };
  for (int i = 0; i < 5; ++i) {
    // Copied out: the rows are packed, as the host lays them out, so their
    // fields may not be bound to references.
    const char* line1 = menu[i].line1;
    const char* line2 = menu[i].line2;
    const char key = menu[i].selchar;
    EXPECT_STREQ(line1, rows[i].line1);
    if (rows[i].line2 == nullptr)
      EXPECT_EQ(line2, nullptr);
    else
      EXPECT_STREQ(line2, rows[i].line2);
    EXPECT_EQ(key, rows[i].key);
  }
}

TEST_F(ControlsTest, QuestionRenewsTheEstimateAndAsksWithRoomForThree) {
  JauntMFD& display = OpenJaunt();
  display.lastJumpSafe = false;
  display.failureChance = 0.125;
  EXPECT_TRUE(display.ConsumeKeyBuffered(OAPI_KEY_W));
  EXPECT_TRUE(display.lastJumpSafe);
  EXPECT_TRUE(display.estimateValid);
  const auto box = host::OpenInputBox();
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->title, "Probability of safe jaunt: 66.6% Proceed? (y/n)");
  EXPECT_EQ(box->visibleLength, 3);
}

// A question asked when no jump can be planned quotes no figure left from
// before, and its "y" makes no jump, even once one could be made. The page
// keeps what it showed.
TEST_F(ControlsTest, QuestionWithoutAPlanQuotesNoFigureAndJumpsOnNoAnswer) {
  const struct {
    const char* what;
    void (*unplan)(JauntMFD&);
    void (*replan)(JauntMFD&);
  } cases[] = {
      {"no focus vessel", [](JauntMFD&) { Focus(nullptr); },
       [](JauntMFD&) { Focus(host::TheWorld().FindByName("GL-01")->handle); }},
      {"final distance beyond the target",
       [](JauntMFD& d) {
         d.UpdateTarget("Planet", false);
         d.distanceSetting = 2 * d.targetDistance;
       },
       [](JauntMFD& d) { d.distanceSetting = 0.5 * d.targetDistance; }},
      {"the ship its own target", [](JauntMFD& d) { d.UpdateTarget("GL-01", false); },
       [](JauntMFD& d) {
         d.UpdateTarget("Planet", false);
         d.distanceSetting = 0;
       }},
      {"target lost",
       [](JauntMFD& d) {
         d.UpdateTarget("Buoy", false);
         host::TheWorld().Remove(d.target);
       },
       [](JauntMFD&) {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    AddVessel("Buoy", MakeVector(5e6, 0, 0));
    JauntMFD& display = OpenJaunt();
    display.failureChance = 0.25;
    display.estimateValid = true;
    c.unplan(display);
    EXPECT_TRUE(display.ConsumeKeyBuffered(OAPI_KEY_W));
    EXPECT_EQ(BoxTitle(), "No jaunt can be made with these settings (y/n)");
    EXPECT_TRUE(display.estimateValid);
    EXPECT_EQ(display.failureChance, 0.25);
    c.replan(display);
    EXPECT_EQ(host::AnswerInputBox("y"), true);
    EXPECT_EQ(host::TheWorld().FindByName("jaunt_dummy"), nullptr);
    EXPECT_FALSE(display.releasePending);
    host::CloseAllDisplays();
    if (host::Object* buoy = host::TheWorld().FindByName("Buoy"))
      host::TheWorld().Remove(buoy->handle);
    host::ClearReports();
  }
}

TEST_F(ControlsTest, UnsafeJumpLeavesTheWarningOnThePage) {
  host::TheWorld().FindByName("Planet")->mass = 3e24;  // certain failure
  const auto fake = FakeRandom::Install({});
  JauntMFD& display = OpenJaunt();
  display.ConsumeKeyBuffered(OAPI_KEY_W);
  EXPECT_EQ(BoxTitle(), "Probability of safe jaunt: 0.0% Proceed? (y/n)");
  EXPECT_EQ(host::AnswerInputBox("y"), true);
  EXPECT_FALSE(display.lastJumpSafe);
  const host::Page page = host::DrawDisplay(host::OpenDisplays().back());
  ASSERT_FALSE(page.runs.empty());
  EXPECT_EQ(page.runs.back(), (host::TextRun{40, 240, "<<<Bad jump!>>>"}));
}

}  // namespace
