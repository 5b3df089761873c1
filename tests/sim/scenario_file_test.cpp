// Scenario files: what they may leave out, what a well-formed file becomes in
// the host's world, and how each kind of mistake is named with its line.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <string>

#include "support/HostTest.h"
#include "world/Scenario.h"
#include "world/ScenarioFile.h"
#include "world/ScenarioPlacement.h"

namespace {

sim::Scenario Parse(const std::string& text) {
  sim::Scenario scenario;
  std::string error;
  EXPECT_TRUE(sim::ParseScenario(text, "s.toml", scenario, error)) << error;
  return scenario;
}

std::string ErrorOf(const std::string& text) {
  sim::Scenario scenario;
  std::string error;
  EXPECT_FALSE(sim::ParseScenario(text, "s.toml", scenario, error)) << text;
  EXPECT_TRUE(scenario.bodies.empty() && scenario.vessels.empty());
  return error;
}

// Small enough that the vessels placed near it are outside.
constexpr char earth[] =
    "[[body]]\nname = \"Earth\"\nmass = 6e24\nradius = 10\nposition = [1, 2, 3]\n";

TEST(ScenarioFileTest, LeftOutKeysTakeTheirDefaults) {
  const sim::Scenario scenario = Parse("[[vessel]]\nname = \"A\"\nposition = [0, 0, 0]\n");
  EXPECT_EQ(scenario.name, "");
  EXPECT_EQ(scenario.mjd, 51544.5);
  ASSERT_EQ(scenario.vessels.size(), 1u);
  const sim::VesselEntry& vessel = scenario.vessels[0];
  EXPECT_EQ(vessel.className, "generic");
  EXPECT_EQ(vessel.size, 10);
  EXPECT_EQ(vessel.mass, 1000);
  EXPECT_EQ(vessel.relativeTo, "");
  EXPECT_FALSE(vessel.focus);
  EXPECT_EQ(vessel.forward.z, 1);
  EXPECT_EQ(vessel.up.y, 1);
  EXPECT_EQ(vessel.line, 1);
}

TEST(ScenarioFileTest, IntegersCountAsNumbersAndAxesAreMadeUnitLength) {
  const sim::Scenario scenario = Parse(std::string(earth) +
                                       "[[vessel]]\nname = \"A\"\nposition = [7, 8, 9]\n"
                                       "forward = [0, 0, 5]\nup = [3, 4, 0]\n"
                                       // Too short to square without underflow.
                                       "[[vessel]]\nname = \"B\"\nposition = [0, 0, 99]\n"
                                       "forward = [0, 0, 1e-310]\nup = [3e-300, 4e-300, 0]\n");
  ASSERT_EQ(scenario.bodies.size(), 1u);
  EXPECT_EQ(scenario.bodies[0].pos.z, 3.0);
  EXPECT_EQ(scenario.bodies[0].vel.x, 0.0);
  const sim::VesselEntry& vessel = scenario.vessels[0];
  EXPECT_EQ(vessel.line, 6);
  EXPECT_DOUBLE_EQ(vessel.forward.z, 1.0);
  EXPECT_DOUBLE_EQ(vessel.up.x, 0.6);
  EXPECT_DOUBLE_EQ(vessel.up.y, 0.8);
  EXPECT_EQ(scenario.vessels[1].forward.z, 1.0);
  EXPECT_DOUBLE_EQ(scenario.vessels[1].up.y, 0.8);
}

// The parser's work is bounded before it starts: the file's size, and how
// deep its keys go (a key of a hundred thousand parts would overflow the
// parser's stack).
TEST(ScenarioFileTest, SizeAndKeyDepthHaveBoundsOnBothSides) {
  std::string text = "# the largest scenario file\n";
  text.resize(sim::maxScenarioBytes - 1, '#');
  text += '\n';
  Parse(text);
  EXPECT_EQ(ErrorOf(text + "\n"),
            "s.toml: larger than 4194304 bytes, the most a scenario file may hold");

  std::string header = "[scenario";
  for (int depth = 1; depth < sim::maxKeyDepth; ++depth) header += ".a";
  EXPECT_EQ(ErrorOf(header + "]\n"), "s.toml:1: unknown key \"a\" in [scenario]");
  EXPECT_EQ(ErrorOf("\n" + header + ".a]\n"), "s.toml:2: keys nested more than 32 deep");
}

// One line of text for each mistake, with the line and reason it must get.
TEST(ScenarioFileTest, MistakesAreNamedWithTheirLine) {
  const struct {
    std::string text;
    std::string error;
  } cases[] = {
      {"[scenario]\nmjd = \"today\"\n", "s.toml:2: \"mjd\" must be a number"},
      {"[scenario]\nmjd = inf\n", "s.toml:2: \"mjd\" must be finite"},
      {"scenario = 3\n", "s.toml:1: \"scenario\" must be a table"},
      {"[[vessel]]\nname = \"\"\nposition = [0, 0, 0]\n", "s.toml:2: \"name\" must not be empty"},
      {"[[vessel]]\nname = 5\n", "s.toml:2: \"name\" must be a string"},
      {"[[vessel]]\nname = \"A\"\nposition = [0, \"x\", 0]\n",
       "s.toml:3: \"position\" must be an array of three numbers"},
      {"[[vessel]]\nname = \"A\"\nposition = [0, 0, 0]\nfocus = 1\n",
       "s.toml:4: \"focus\" must be true or false"},
      {"[[vessel]]\nname = \"A\"\nposition = [0, 0, 0]\nsize = 0\n",
       "s.toml:4: \"size\" must be positive"},
      {"[[vessel]]\nname = \"A\"\nposition = [0, 0, 0]\nforward = [0, 1, 0]\n",
       "s.toml:4: \"forward\" needs an \"up\" perpendicular to it; the default [0, 1, 0] is "
       "not"},
      {"[[vessel]]\nname = \"A\"\n", "s.toml:1: missing key \"position\" in [[vessel]]"},
      {"[[body]]\nname = \"B\"\nmass = 1\nradius = 0\nposition = [0, 0, 0]\n",
       "s.toml:4: \"radius\" must be from 1 m to 1e+18 m"},
      {std::string(earth) + "[[vessel]]\nname = \"A\"\nposition = [0, 0, 0]\nrelative_to = \"a\"\n",
       "s.toml:9: \"relative_to\": no body or earlier vessel \"a\""},
      {"[[vessel]]\nname = \"A\"\nposition = [0, 0, 0]\nrelative_to = \"B\"\n",
       "s.toml:4: "
       "\"relative_to\": no body or earlier vessel \"B\""},
      {"[[vessel]]\nname = \"A\"\nposition = [0, 0, 0]\n[[vessel]]\nname = \"a\"\nposition = [0, "
       "0, "
       "0]\n",
       "s.toml:5: name \"a\" is already used on line 2"},
      {"[scenario]\nname = \"x\"\nstart = 1\n", "s.toml:3: unknown key \"start\" in [scenario]"},
      {"[[vessel]\n", "s.toml:1: Error while parsing table header: expected ']', saw '\\n'"},
      // The parser's message quotes the text, which is kept on one line.
      {"[scenario]\nmjd = n\n",
       "s.toml:2: Error while parsing floating-point: expected 'nan', saw 'n\\n'"},
      {"[[vessel]]\nname = \"\xC3\xA9\"\nposition = [0, 0, \xC4\xBA]\n",
       "s.toml:3: a character beyond ASCII outside a string or comment, or right after a "
       "backslash in a \"\"\" string; write it there as \\u followed by its code"},
      // Unknown keys first, the one nearest the top, before a missing one.
      {"[[vessel]]\nzeta = 1\nalpha = 2\n", "s.toml:2: unknown key \"zeta\" in [[vessel]]"},
      // Names a script can address, and a scenario name on one line.
      {"[[vessel]]\nname = \"\\tA\"\nposition = [0, 0, 0]\n",
       "s.toml:2: \"name\" must not begin or end with a blank"},
      {"[[body]]\nname = \"none\"\nmass = 1\nradius = 1\nposition = [0, 0, 0]\n",
       "s.toml:2: \"name\" cannot be \"none\": scripts read it as no vessel"},
      {"[scenario]\nname = \"a\\u001bb\"\n",
       "s.toml:2: \"name\" must not hold control characters or line breaks"},
      {"[scenario]\nname = \"a\\u0085b\"\n",  // C1: next line
       "s.toml:2: \"name\" must not hold control characters or line breaks"},
      {"[[vessel]]\nname = \"\\u202Egnp.exe\"\nposition = [0, 0, 0]\n",  // right-to-left override
       "s.toml:2: \"name\" must not hold control characters or line breaks"},
      {"[[vessel]]\nname = \"Jaunt_Dummy\"\nposition = [0, 0, 0]\n",
       "s.toml:2: \"name\" cannot be \"Jaunt_Dummy\": the Jaunt display gives that name to the "
       "carrier of every jump"},
      {"[[vessel]]\nname = \"A\"\nposition = [0, 0, 0]\nforward = [1, 0, 0]\nup = [1e-6, 1, 0]\n",
       "s.toml:5: \"up\" must be perpendicular to \"forward\""},
      // The world's bounds, for each value and once relative_to is added.
      {"[[body]]\nname = \"B\"\nmass = 2e42\nradius = 1\nposition = [0, 0, 0]\n",
       "s.toml:3: \"mass\" must be at most 1e+42 kg"},
      {"[[body]]\nname = \"B\"\nmass = 1\nradius = 2e18\nposition = [0, 0, 0]\n",
       "s.toml:4: \"radius\" must be from 1 m to 1e+18 m"},
      {"[[vessel]]\nname = \"A\"\nposition = [0, 0, 0]\nsize = 2e18\n",
       "s.toml:4: \"size\" must be at most 1e+18 m"},
      {"[[vessel]]\nname = \"A\"\nposition = [0, 0, 0]\nvelocity = [0, 3e8, 0]\n",
       "s.toml:4: \"velocity\" must be no faster than light, 299792458 m/s"},
      {"[[body]]\nname = \"B\"\nmass = 1\nradius = 1\nposition = [9e17, 0, 0]\n"
       "[[vessel]]\nname = \"A\"\nposition = [9e17, 0, 0]\nrelative_to = \"B\"\n",
       "s.toml:6: \"A\" would start more than 1e+18 m from the origin"},
      {"[[body]]\nname = \"B\"\nmass = 1\nradius = 1\nposition = [0, 0, 0]\n"
       "velocity = [2e8, 0, 0]\n[[vessel]]\nname = \"A\"\nposition = [9, 0, 0]\n"
       "velocity = [2e8, 0, 0]\nrelative_to = \"B\"\n",
       "s.toml:7: \"A\" would start faster than light"},
  };
  for (const auto& c : cases) EXPECT_EQ(ErrorOf(c.text), c.error) << c.text;
}

// Each bound is a value that may be given.
TEST(ScenarioFileTest, ValuesAtTheirBoundsAreAccepted) {
  const sim::Scenario scenario = Parse(
      "[[body]]\nname = \"Dust\"\nmass = 0\nradius = 1\nposition = [0, 0, 1e18]\n"
      "[[body]]\nname = \"Heavy\"\nmass = 1e42\nradius = 1e18\nposition = [0, 0, 0]\n"
      "velocity = [0, 299792458, 0]\n");
  ASSERT_EQ(scenario.bodies.size(), 2u);
  EXPECT_EQ(scenario.bodies[0].mass, 0);
  EXPECT_EQ(scenario.bodies[1].mass, 1e42);
}

class ScenarioSetupTest : public HostTest {};

// A chain of vessels, each placed relative to the one before, is placed in
// linear time: searching every earlier name for each took minutes for
// 70,000 of them.
TEST_F(ScenarioSetupTest, LongRelativeChainIsPlacedQuickly) {
  sim::Scenario scenario;
  scenario.bodies.push_back({"Earth", 6e24, 6.4e6, MakeVector(1, 2, 3), {}, {}, 1});
  constexpr int length = 60000;
  for (int i = 0; i < length; ++i) {
    sim::VesselEntry vessel;
    vessel.name = "V" + std::to_string(i);
    vessel.relativeTo = i == 0 ? "EARTH" : "v" + std::to_string(i - 1);
    vessel.pos = MakeVector(i == 0 ? 1e7 : 1, 0, 0);
    scenario.vessels.push_back(vessel);
  }
  const auto start = std::chrono::steady_clock::now();
  const sim::Placement placement = sim::PlaceScenario(scenario);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
  EXPECT_EQ(placement.vessels.back().pos.x, 1 + 1e7 + (length - 1));
  EXPECT_EQ(placement.vessels.back().pos.z, 3);
}

TEST_F(ScenarioSetupTest, VesselsArePlacedRelativeToTheirBaseAndFocused) {
  const sim::Scenario scenario =
      Parse("[scenario]\nmjd = 60000.25\n" + std::string(earth) +
            "velocity = [10, 0, 0]\n"
            "[[vessel]]\nname = \"A\"\nposition = [100, 0, 0]\nvelocity = [0, 5, 0]\n"
            "relative_to = \"earth\"\nforward = [1, 0, 0]\nup = [0, 0, 1]\n"
            "[[vessel]]\nname = \"B\"\nposition = [0, 1, 0]\nrelative_to = \"A\"\nfocus = true\n");
  std::string error;
  ASSERT_TRUE(sim::ApplyScenario(scenario, error)) << error;
  host::World& world = host::TheWorld();
  EXPECT_TRUE(world.gravity);
  EXPECT_DOUBLE_EQ(host::SimDate(), 60000.25);
  const host::Object* a = world.FindByName("A");
  const host::Object* b = world.FindByName("B");
  ASSERT_NE(a, nullptr);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(a->pos.x, 101);
  EXPECT_EQ(a->pos.z, 3);
  EXPECT_EQ(a->vel.x, 10);
  EXPECT_EQ(a->vel.y, 5);
  EXPECT_EQ(b->pos.y, 3);
  EXPECT_EQ(b->vel.y, 5);
  EXPECT_EQ(world.Focus(), b->handle);
  // The attitude takes the vessel's +z to `forward` and +y to `up`.
  const VECTOR3 nose = a->attitude.Apply(MakeVector(0, 0, 1));
  const VECTOR3 top = a->attitude.Apply(MakeVector(0, 1, 0));
  EXPECT_EQ(nose.x, 1);
  EXPECT_EQ(top.z, 1);
  EXPECT_EQ(world.Bodies().size(), 1u);
  EXPECT_EQ(world.Vessels().size(), 2u);
}

}  // namespace
