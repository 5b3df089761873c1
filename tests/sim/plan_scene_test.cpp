// The plan as the simulator rebuilds it from the page and the world, held
// against what the module did: the carrier it created at the destination,
// and where an unsafe jump scattered the ship.
#include <gtest/gtest.h>

#include <cmath>

#include "plan/PlanScene.h"
#include "support/LoadedModuleTest.h"

namespace {

using namespace testing_world;

TEST(PlanSceneTest, SettingsAreReadAsThePagePrintsThem) {
  const std::vector<host::TextRun> fresh = {{10, 48, "[Shift-T] Target: None"},
                                            {10, 128, "[Shift-D] Distance to travel:"},
                                            {20, 144, "1.00 Gm (0.007 AU)"},
                                            {10, 176, "[Shift-V] Final absolute velocity:"},
                                            {20, 192, "0.000 Km/s"}};
  auto distance = [&](const std::string& text) {
    return std::vector<host::TextRun>{fresh[0], fresh[1], {20, 144, text}, fresh[3], fresh[4]};
  };
  // A setting too large for the page's 99 characters loses its unit, then
  // its decimals, then digits of its whole part.
  const std::string digits96 = "1" + std::string(95, '0');
  const std::string digits99 = "1" + std::string(98, '0');
  const struct {
    const char* what;
    std::vector<host::TextRun> runs;
    const char* target;
    double distance;
    std::optional<double> probability;
    bool badJump;
    std::string error;
  } cases[] = {
      {"a new display", fresh, "", 1e9, std::nullopt, false, ""},
      {"a target with an estimate and a bad jump",
       {{10, 48, "[Shift-T] Target: Moon"},
        {20, 64, "Curr. distance: 361.13 Mm (0.002 AU)"},
        {10, 128, "[Shift-D] Final distance to target:"},
        {20, 144, "36.11 Mm (0.000 AU)"},
        {10, 176, "[Shift-V] Final relative velocity:"},
        {20, 192, "-2.500 Km/s"},
        {40, 224, "Probability of safe jaunt: 88.5%"},
        {40, 256, "<<<Bad jump!>>>"}},
       "Moon",
       36.11e6,
       88.5,
       true,
       ""},
      {"a target called None",
       {{10, 48, "[Shift-T] Target: None"},
        {20, 64, "Curr. distance: 1.0 m"},
        fresh[1],
        {20, 144, "-2500.0 m"},
        fresh[3],
        {20, 192, "0.001 Km/s"}},
       "None",
       -2500,
       std::nullopt,
       false,
       ""},
      {"kilometres", distance("999.50 Km (0.000 AU)"), "", 999.5e3, std::nullopt, false, ""},
      {"the unit cut off", distance(digits96 + ".00 G"), "", 1e104, std::nullopt, false, ""},
      {"the decimals cut too", distance(digits96 + ".0"), "", 1e104, std::nullopt, false, ""},
      {"the whole part cut", distance(digits99), "", 0, std::nullopt, false,
       "cannot draw this plan: the page shows only the first 99 digits of the distance setting "
       "(\"1000000000000000...\"), too few to know its value"},
      {"a unit that is not the page's", distance("1.00 Xm (0.007 AU)"), "", 0, std::nullopt, false,
       "cannot read the distance setting \"1.00 Xm (0.007 AU)\" on the page"},
      {"no speed line: the plan does without",
       {fresh[0], fresh[1], fresh[2]},
       "",
       1e9,
       std::nullopt,
       false,
       ""},
      {"no target line",
       {fresh[1], fresh[2], fresh[3], fresh[4]},
       "",
       1e9,
       std::nullopt,
       false,
       "the page shows no target line"},
  };
  for (const auto& c : cases) {
    host::Page page;
    page.runs = c.runs;
    sim::PageSettings settings;
    std::string error;
    EXPECT_EQ(sim::ReadPageSettings(page, settings, error), c.error.empty()) << c.what;
    EXPECT_EQ(error, c.error) << c.what;
    if (!c.error.empty()) continue;
    EXPECT_EQ(settings.target, c.target) << c.what;
    EXPECT_DOUBLE_EQ(settings.distance, c.distance) << c.what;
    EXPECT_EQ(settings.probability, c.probability) << c.what;
    EXPECT_EQ(settings.badJump, c.badJump) << c.what;
  }
  EXPECT_EQ(sim::ProbabilityIn("Probability of safe jaunt: 14.4% Proceed? (y/n)"), 14.4);
  EXPECT_EQ(sim::ProbabilityIn("Probability of safe jaunt: %"), std::nullopt);
  EXPECT_EQ(sim::ProbabilityIn("Proceed? (y/n)"), std::nullopt);
}

// The Earth at the origin, the Moon on the x axis, and the glider between
// them at geostationary distance, facing the Moon.
class PlanSceneWorldTest : public LoadedModuleTest {
 protected:
  void SetUp() override {
    LoadedModuleTest::SetUp();
    AddBody("Earth", testing_world::earthMass, testing_world::earthRadius, MakeVector(0, 0, 0));
    AddBody("Moon", 7.342e22, 1.7374e6, MakeVector(3.844e8, 0, 0));
    ship = AddVessel("GL-01", MakeVector(4.2164e7, 0, 0), {}, 20, MakeVector(1, 0, 0),
                     MakeVector(0, 0, 1));
    Focus(ship);
    Open();
  }

  sim::PlanScene Gather() {
    sim::PlanScene scene;
    std::string error;
    EXPECT_TRUE(sim::GatherPlan(display, scene, error)) << error;
    return scene;
  }

  VECTOR3 Carrier() {
    const host::Object* carrier = host::TheWorld().FindByName("jaunt_dummy");
    EXPECT_NE(carrier, nullptr);
    return carrier != nullptr ? carrier->pos : VECTOR3{};
  }

  ObjectHandle ship = nullptr;
};

TEST_F(PlanSceneWorldTest, DestinationIsTheCarriersWithinThePagesRounding) {
  Key('T');
  Answer("Moon");
  Key('D');
  Answer("%10");
  const sim::PlanScene before = Gather();
  const sim::Plan plan = sim::SolvePlan(before.input);
  ASSERT_TRUE(plan.solved);
  EXPECT_EQ(before.settings.target, "Moon");
  EXPECT_FALSE(before.jump);
  ASSERT_TRUE(before.settings.probability);
  // The page rounds the distance to 0.01 Mm and the figure to 0.1 %.
  EXPECT_NEAR((1 - plan.failureChance) * 100, *before.settings.probability, 0.06);

  Key('W');
  Answer("y");
  const double rounding = 0.005e6;
  EXPECT_LE(host::Length(Carrier() - plan.destination), rounding);

  // The jump's own plan, from where the ship stood, beside where it landed.
  const sim::PlanScene after = Gather();
  ASSERT_TRUE(after.jump);
  EXPECT_EQ(after.input.shipPos.x, 4.2164e7);
  EXPECT_EQ(after.jump->landed.x, Carrier().x);
  EXPECT_EQ(after.jump->askedProbability, before.settings.probability);
  EXPECT_EQ(after.shipNow.x, Carrier().x);
}

TEST_F(PlanSceneWorldTest, DistanceToTravelIsExactWhenThePageShowsItWhole) {
  Key('D');
  Answer("M5");
  const sim::PlanScene scene = Gather();
  EXPECT_EQ(scene.settings.distanceText, "5.00 Mm (0.000 AU)");
  const sim::Plan plan = sim::SolvePlan(scene.input);
  Key('W');
  Answer("y");
  EXPECT_EQ(host::Length(Carrier() - plan.destination), 0);
  EXPECT_EQ(plan.destination.x, 4.2164e7 + 5e6);
}

TEST_F(PlanSceneWorldTest, UnsafeJumpLandsInsideTheScatterBox) {
  Key('T');
  Answer("Earth");
  Key('D');
  Answer("M18");  // 1.23 m/s² at the destination: 61.5 % failure
  Key('W');
  Answer("y");
  const sim::PlanScene scene = Gather();
  ASSERT_TRUE(scene.jump);
  EXPECT_TRUE(scene.settings.badJump);
  const sim::Plan plan = sim::SolvePlan(scene.input);
  ASSERT_FALSE(plan.Safe());
  EXPECT_NEAR(plan.failureChance, 0.615, 0.001);
  // The half-width follows the rounded distance closely: 0.5 % and the
  // distance's own rounding make room enough.
  const double reach = plan.scatterReach * 1.005 + 0.005e6;
  for (int axis = 0; axis < 3; ++axis)
    EXPECT_LE(std::abs(scene.jump->landed.data[axis] - plan.destination.data[axis]), reach) << axis;
}

TEST_F(PlanSceneWorldTest, ANewEstimateOrNewSettingsEndTheJumpsPlan) {
  Key('D');
  Answer("M5");
  Key('W');
  Answer("y");
  EXPECT_TRUE(Gather().jump);
  for (int i = 0; i < 3; ++i) host::Step(0.05);
  EXPECT_TRUE(Gather().jump) << "the carrier has gone; the settings are the same";

  Key('W');  // the question estimates afresh
  ASSERT_TRUE(host::CancelInputBox());
  const sim::PlanScene scene = Gather();
  EXPECT_FALSE(scene.jump);
  EXPECT_EQ(scene.input.shipPos.x, host::TheWorld().Find(ship)->pos.x);

  Key('W');
  Answer("y");
  EXPECT_TRUE(Gather().jump);
  Key('D');
  Answer("M6");
  EXPECT_FALSE(Gather().jump);
}

TEST_F(PlanSceneWorldTest, TheJumpIsCreditedToTheDisplayThatAsked) {
  const int first = display;
  const int second = Open();
  Key('D');
  Answer("M5");
  display = first;
  Key('D');
  Answer("M5");
  Key('W');
  display = second;  // selected when the question is answered; the first display asked
  EXPECT_EQ(sim::AnswerPrompt(first, "y")->event,
            "answered \"y\": safe jump, GL-01 moved 5000.0 km");
  EXPECT_FALSE(Gather().jump) << "the same settings, but not its jump";
  display = first;
  EXPECT_TRUE(Gather().jump);
}

TEST_F(PlanSceneWorldTest, TheTargetIsTheObjectFollowedNotTheNameThePageCuts) {
  // The page prints 81 characters of a target's name: all three look alike.
  const std::string stem(81, 'R');
  AddVessel(stem, MakeVector(1e8, 0, 0));
  AddVessel(stem + "-near", MakeVector(1e8, 1e7, 0));
  const ObjectHandle far = AddVessel(stem + "-far", MakeVector(2e8, 0, 0));
  Key('T');
  EXPECT_EQ(Answer(stem + "-FAR"), "answered \"" + stem + "-FAR\": target " + stem + "-far");
  Key('D');
  Answer("%50");
  const sim::PlanScene scene = Gather();
  EXPECT_EQ(scene.settings.target, stem);
  EXPECT_EQ(scene.target, stem + "-far");
  EXPECT_EQ(scene.input.targetPos.x, host::TheWorld().Find(far)->pos.x);
  host::TheWorld().Remove(far);
  sim::PlanScene lost;
  std::string error;
  EXPECT_FALSE(sim::GatherPlan(display, lost, error));
  EXPECT_EQ(error, "the display's target \"RRRRRRRRRRRRRRRR...\" is no longer in the world");
}

// The Earth and the Moon cruising round the Sun, far from their plan's
// origin, with the glider between them.
class MovingPlanSceneTest : public LoadedModuleTest {
 protected:
  void SetUp() override {
    LoadedModuleTest::SetUp();
    const VECTOR3 cruise = MakeVector(0, 30000, 0), away = MakeVector(1.5e11, 0, 0);
    AddBody("Earth", testing_world::earthMass, testing_world::earthRadius, away, cruise);
    AddBody("Moon", 7.342e22, 1.7374e6, away + MakeVector(3.844e8, 0, 0), cruise);
    Focus(AddVessel("GL-01", away + MakeVector(4.2164e7, 0, 0), cruise, 20, MakeVector(1, 0, 0),
                    MakeVector(0, 0, 1)));
    Open();
  }
};

TEST_F(MovingPlanSceneTest, AfterAJumpTheShipStandsWhereThePageSaysAgainstTheTarget) {
  Key('T');
  Answer("Moon");
  Key('D');
  Answer("%10");
  Key('W');
  Answer("y");
  for (int i = 0; i < 10; ++i) host::Step(600);
  sim::PlanScene scene;
  std::string error;
  ASSERT_TRUE(sim::GatherPlan(display, scene, error)) << error;
  ASSERT_TRUE(scene.jump);
  // The bodies stand where they were at the jump, 180,000 km behind where
  // they are now; the ship is shown at its present distance from the Moon.
  host::World& world = host::TheWorld();
  const double now = host::Length(world.Find(world.Focus())->pos - world.FindByName("Moon")->pos);
  EXPECT_NEAR(host::Length(scene.shipNow - scene.input.targetPos), now, 1e-3);
  EXPECT_LT(host::Length(scene.shipNow - scene.jump->landed), 1e6);
}

TEST_F(PlanSceneWorldTest, NothingToPlanWithoutAFocusVessel) {
  Focus(nullptr);
  sim::PlanScene scene;
  std::string error;
  EXPECT_FALSE(sim::GatherPlan(display, scene, error));
  EXPECT_EQ(error, "there is no focus vessel to plan a jump for");
  EXPECT_FALSE(sim::GatherPlan(display + 1, scene, error));
  EXPECT_EQ(error, "display " + std::to_string(display + 1) + " is not open");
}

}  // namespace
