// The host's scenario files: what jaunt-sim reads from them (in the host's
// frame, with y and z swapped), what it lists as skipped, and how each kind
// of mistake is named with its line.
#include <gtest/gtest.h>

#include <string>

#include "world/HostScenarioFile.h"
#include "world/Scenario.h"
#include "world/ScenarioFile.h"

namespace {

struct Read {
  sim::Scenario scenario;
  std::string skipped;
};

Read Parse(const std::string& text, const std::string& path = "s.scn") {
  Read read;
  std::string error;
  EXPECT_TRUE(sim::ParseHostScenario(text, path, read.scenario, read.skipped, error)) << error;
  return read;
}

std::string ErrorOf(const std::string& text) {
  sim::Scenario scenario;
  std::string skipped, error;
  EXPECT_FALSE(sim::ParseHostScenario(text, "s.scn", scenario, skipped, error)) << text;
  EXPECT_TRUE(scenario.vessels.empty());
  return error;
}

std::string Ships(const std::string& ships) {
  return "BEGIN_SHIPS\n" + ships + "END_SHIPS\n";
}

// A ship in a high Earth orbit, as the host writes one.
std::string Ship(const std::string& name, const std::string& keys = "") {
  return name + ":DeltaGlider\n  STATUS Orbiting Earth\n  RPOS 4e7 0 0\n  RVEL 0 0 3000\n" + keys +
         "END\n";
}

void ExpectVector(const VECTOR3& v, double x, double y, double z) {
  EXPECT_EQ(v.x, x);
  EXPECT_EQ(v.y, y);
  EXPECT_EQ(v.z, z);
}

TEST(HostScenarioFileTest, ReadsShipsInTheHostsFrameAndListsWhatItSkipsOnce) {
  // As Windows writes it: a byte-order mark, CR LF, and keys in any case.
  std::string text =
      "\xEF\xBB\xBF"
      "BEGIN_DESC\n"
      "  BEGIN_SHIPS is only words here\n"
      "END_DESC\n"
      "BEGIN_ENVIRONMENT\n  System Sol\n  Date MJD 51600.25\n  Context Apollo\n"
      "END_ENVIRONMENT\n"
      "BEGIN_FOCUS\n  Ship nomad\nEND_FOCUS\n"
      "BEGIN_CAMERA\n  TARGET Nomad\nEND_CAMERA\n"
      "BEGIN_MFD Left\n  TYPE Orbit\n  REF Earth\nEND_MFD\n"
      "BEGIN_MFD Right\n  TYPE User\n  MODE Jaunt\n  ZOOM 2\nEND_MFD\n"
      "BEGIN_SHIPS\n"
      "Tender:ShuttlePB\n  status orbiting moon\n  rpos 1e7 2e6 -3e5\n  rvel 1 2 +3\n"
      "  AROT 0 0 0\nEND\n"
      "Base:Pad\n  STATUS Landed Moon\n  POS 10 20\nEND\n"
      "Nomad:DeltaGlider\n  STATUS Orbiting Earth\n  RPOS 4e7 0 0\n  RVEL 0 0 3000\n"
      "  AROT 1 2 3\n  FUEL 0.5\nEND\n"
      "END_SHIPS\n";
  for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 2))
    text.insert(at, "\r");
  const Read read = Parse(text, "Scenarios/My flight.SCN");
  const sim::Scenario& scenario = read.scenario;
  EXPECT_EQ(scenario.name, "My flight");
  EXPECT_EQ(scenario.mjd, 51600.25);
  EXPECT_EQ(scenario.bodies.size(), 10u);
  EXPECT_EQ(scenario.displays, 1);
  ASSERT_EQ(scenario.vessels.size(), 2u);
  const sim::VesselEntry& tender = scenario.vessels[0];
  EXPECT_EQ(tender.name, "Tender");
  EXPECT_EQ(tender.className, "ShuttlePB");
  EXPECT_EQ(tender.relativeTo, "Moon");
  ExpectVector(tender.pos, 1e7, -3e5, 2e6);
  ExpectVector(tender.vel, 1, 3, 2);
  // Not turned: the nose along the host's z, the top along its y.
  ExpectVector(tender.forward, 0, 1, 0);
  ExpectVector(tender.up, 0, 0, 1);
  EXPECT_FALSE(tender.focus);
  EXPECT_EQ(tender.line, 25);
  EXPECT_TRUE(scenario.vessels[1].focus);
  EXPECT_EQ(read.skipped,
            "Context (line 7), BEGIN_CAMERA (line 12), BEGIN_MFD Left, not in the Jaunt mode "
            "(line 15), ZOOM (line 22), AROT (line 29), ship Base, STATUS Landed (line 31), "
            "FUEL (line 40)");

  EXPECT_TRUE(sim::IsHostScenarioPath("a/b.Scn"));
  EXPECT_FALSE(sim::IsHostScenarioPath("b.scn.toml"));
  EXPECT_FALSE(sim::IsHostScenarioPath("scn"));
}

TEST(HostScenarioFileTest, OpensTheDisplaysInTheJauntModeAndDefaultsTheRest) {
  const std::string jaunt = "  TYPE User\n  MODE Jaunt\nEND_MFD\n";
  const struct {
    std::string displays;
    int open;
  } cases[] = {
      {"", 1},
      {"BEGIN_MFD Left\n" + jaunt, 1},
      {"BEGIN_MFD Left\n" + jaunt + "BEGIN_MFD Right\n" + jaunt, 2},
      // A later section for the same display replaces the earlier one.
      {"BEGIN_MFD Left\n" + jaunt + "BEGIN_MFD Right\n" + jaunt + "BEGIN_MFD Left\nEND_MFD\n", 1},
      {"BEGIN_MFD Extra\n" + jaunt, 1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Parse(c.displays + Ships(Ship("A"))).scenario.displays, c.open) << c.displays;

  // Without a focus the first ship has it; without a date, J2000.
  const Read read = Parse(Ships(Ship("A") + Ship("B")));
  EXPECT_TRUE(read.scenario.vessels[0].focus);
  EXPECT_FALSE(read.scenario.vessels[1].focus);
  EXPECT_EQ(read.scenario.mjd, 51544.5);
  EXPECT_EQ(read.skipped, "");

  // Twelve kinds at most are named, each once.
  std::string keys, named;
  for (char key = 'A'; key <= 'O'; ++key) {
    keys += std::string("  ") + key + "KEY 1\n  AKEY 2\n";
    if (key <= 'L')
      named += std::string(key == 'A' ? "" : ", ") + key + "KEY (line " +
               std::to_string(6 + 2 * (key - 'A')) + ")";
  }
  EXPECT_EQ(Parse(Ships(Ship("A", keys))).skipped, named + ", and 3 more");
}

// One text for each mistake, with the line and reason it must get.
TEST(HostScenarioFileTest, MistakesAreNamedWithTheirLine) {
  const std::string environment = "BEGIN_ENVIRONMENT\n  System Sol\n";
  const struct {
    std::string text;
    std::string error;
  } cases[] = {
      {"", "s.scn: no BEGIN_SHIPS section: nothing to fly"},
      {"[scenario]\nname = \"x\"\n",
       "s.scn:1: not a host scenario: it begins with \"[scenario]\", not with a section's "
       "BEGIN_ line"},
      {"\x01\x7f" + std::string(50, 'x'), "s.scn:1: not a host scenario: it begins with \"??" +
                                              std::string(38, 'x') +
                                              "...\", not with a section's BEGIN_ line"},
      {Ships(Ship("A")) + "stray\n", "s.scn:8: expected a section's BEGIN_ line, found \"stray\""},
      {"BEGIN_CAMERA\n  MODE Cockpit\n", "s.scn:1: \"BEGIN_CAMERA\" has no \"END_CAMERA\""},
      {"BEGIN_SHIPS\n" + Ship("A"), "s.scn:1: BEGIN_SHIPS has no END_SHIPS"},
      {environment + "  System Alpha Centauri\n",
       "s.scn:3: System \"Alpha Centauri\": the only system jaunt-sim has is the solar system, "
       "Sol"},
      {environment + "  Date MJD soon\nEND_ENVIRONMENT\n",
       "s.scn:3: Date must be MJD and one number, found \"MJD soon\""},
      {environment + "  Date\nEND_ENVIRONMENT\n",
       "s.scn:3: Date must be MJD and one number, found \"\""},
      {"BEGIN_FOCUS\n  Ship\nEND_FOCUS\n", "s.scn:2: Ship needs the name of the focus ship"},
      {"BEGIN_FOCUS\n  Ship Nomad\nEND_FOCUS\n" + Ships(Ship("A")),
       "s.scn:2: Ship \"Nomad\": no ship of that name in BEGIN_SHIPS"},
      {"BEGIN_FOCUS\n  Ship Base\nEND_FOCUS\n" +
           Ships(Ship("A") + "Base:Pad\n  STATUS Landed Earth\nEND\n"),
       "s.scn:2: Ship \"Base\": the focus ship is skipped, as its STATUS is not Orbiting"},
      {Ships("Base:Pad\n  STATUS Landed Earth\nEND\n"), "s.scn:1: no ship that jaunt-sim can fly"},
      {Ships("GL 01:DeltaGlider\nEND\n"),
       "s.scn:2: expected a ship as NAME:CLASS, found \"GL 01:DeltaGlider\""},
      {Ships("GL-01\nEND\n"), "s.scn:2: expected a ship as NAME:CLASS, found \"GL-01\""},
      {Ships("GL-01:\nEND\n"), "s.scn:2: expected a ship as NAME:CLASS, found \"GL-01:\""},
      {"BEGIN_SHIPS\nA:DeltaGlider\n  STATUS Orbiting Earth\nEND_SHIPS\n",
       "s.scn:2: ship \"A\" has no END"},
      {Ships("A:DeltaGlider\n  RPOS 4e7 0 0\nEND\n"), "s.scn:2: ship \"A\" has no STATUS"},
      {Ships("A:DeltaGlider\n  STATUS Orbiting Earth\n  RPOS 4e7 0 0\nEND\n"),
       "s.scn:2: ship \"A\" has no RVEL"},
      {Ships("A:DeltaGlider\n  STATUS\nEND\n"),
       "s.scn:3: STATUS needs a state, such as Orbiting Earth"},
      {Ships("A:DeltaGlider\n  STATUS Orbiting Pluto\nEND\n"),
       "s.scn:3: STATUS Orbiting \"Pluto\": no such body in the solar system (Sun, Mercury, "
       "Venus, Earth, Moon, Mars, Jupiter, Saturn, Uranus, Neptune)"},
      // Numbers: three of them, each decimal, whole and finite.
      {Ships(Ship("A", "  RPOS 4e7 0\n")),
       "s.scn:6: RPOS must be three numbers, x y z, found \"4e7 0\""},
      {Ships(Ship("A", "  RVEL 1 2 3 4\n")),
       "s.scn:6: RVEL must be three numbers, x y z, found \"1 2 3 4\""},
      {Ships(Ship("A", "  RPOS 4e7 0 inf\n")),
       "s.scn:6: RPOS must be three numbers, x y z, found \"4e7 0 inf\""},
      {Ships(Ship("A", "  RPOS 4e7 0 0x10\n")),
       "s.scn:6: RPOS must be three numbers, x y z, found \"4e7 0 0x10\""},
      {Ships(Ship("A", "  RPOS 4e7 0 1e999\n")),
       "s.scn:6: RPOS must be three numbers, x y z, found \"4e7 0 1e999\""},
      {Ships(Ship("A", "  RPOS 4e7 0 +-1\n")),
       "s.scn:6: RPOS must be three numbers, x y z, found \"4e7 0 +-1\""},
      // Names, as for every scenario.
      {Ships(Ship("Moon")), "s.scn:2: ship \"Moon\": Moon is a body of the solar system"},
      {Ships(Ship("A") + Ship("a")), "s.scn:7: name \"a\" is already used on line 2"},
      {Ships(Ship("NONE")), "s.scn:2: \"name\" cannot be \"NONE\": scripts read it as no vessel"},
      {Ships(Ship("A\x1b")), "s.scn:2: \"name\" must not hold control characters or line breaks"},
      // The world's bounds, once the body's place is added.
      {Ships("A:DeltaGlider\n  STATUS Orbiting Earth\n  RPOS 0 0 0\n  RVEL 0 0 0\nEND\n"),
       "s.scn:2: \"A\" would start inside \"Earth\" (0 m from its centre, radius 6371000 m)"},
      {Ships("A:DeltaGlider\n  STATUS Orbiting Earth\n  RPOS 1e300 0 0\n  RVEL 0 0 0\nEND\n"),
       "s.scn:2: \"A\" would start more than 1e+18 m from the origin"},
  };
  for (const auto& c : cases) EXPECT_EQ(ErrorOf(c.text), c.error) << c.text;

  std::string large(sim::maxScenarioBytes + 1, '\n');
  EXPECT_EQ(ErrorOf(large), "s.scn: larger than 4194304 bytes, the most a scenario file may hold");
}

}  // namespace
