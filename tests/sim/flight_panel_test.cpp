// The cockpit's live panel: its lines, how a long one is broken, and the
// time acceleration it measures.
#include <gtest/gtest.h>

#include "cockpit/FlightPanel.h"
#include "cockpit/PaceMeter.h"
#include "support/HostTest.h"
#include "world/Scenario.h"

namespace {

using namespace testing_world;

class FlightPanelWorldTest : public HostTest {};

TEST_F(FlightPanelWorldTest, PanelShowsFocusVesselAgainstItsNearestBody) {
  sim::Scenario named;
  named.name = "Earth and Moon";
  std::string error;
  ASSERT_TRUE(sim::ApplyScenario(named, error)) << error;
  AddBody("Earth", 6e24, 6.4e6, MakeVector(0, 0, 0), MakeVector(0, 100, 0));
  Focus(AddVessel("GL-01", MakeVector(4.2e7, 0, 0), MakeVector(0, 3100, 0)));
  const std::vector<std::string> lines =
      sim::PanelLines({51544.5, 12.5, 10, true}, {"t=1.00s first", "t=2.00s second"});
  const std::vector<std::string> expected{
      "Scenario   Earth and Moon",
      "Date       2000-01-01 12:00:00  (MJD 51544.50000)",
      "Sim time   12.50 s",
      "Time acc   10x  PAUSED",
      "Focus      GL-01",
      "Nearest    Earth",
      "Altitude   35600.0 km",
      "Speed      3.000 km/s",
      "Held by    -",
      "Events     t=2.00s second",
      "           t=1.00s first",
  };
  EXPECT_EQ(lines, expected);

  // Running short of the requested time acceleration, and keeping up.
  const struct {
    double requested, achieved;
    const char* line;
  } paces[] = {
      {100000, 23456.4, "Time acc   100000x (achieved 23456x)  running"},
      {10, 2.54, "Time acc   10x (achieved 2.5x)  running"},
      {1000, 0, "Time acc   1000x (achieved 0x)  running"},
      {1000, 990, "Time acc   1000x  running"},
      {1000, -1, "Time acc   1000x  running"},  // not measured yet
  };
  for (const auto& pace : paces) {
    EXPECT_EQ(sim::PanelLines({51544.5, 0, pace.requested, false, pace.achieved}, {})[3],
              pace.line);
  }
  // On the surface, a hair inside it by the rounding of the sums: no -0.0.
  Focus(AddVessel("Lander", MakeVector(6.4e6 - 1e-6, 0, 0), MakeVector(0, 100, 0)));
  EXPECT_EQ(sim::PanelLines({51544.5, 0, 1, false}, {})[6], "Altitude   0.0 km");
}

TEST(FlightPanelTest, LongLinesBreakAtBlanksButNotBetweenANumberAndItsUnit) {
  using Pieces = std::vector<std::string>;
  const struct {
    std::string line;
    std::size_t width;
    Pieces pieces;
  } cases[] = {
      {"Events     t=0.80s answered \"y\": safe jump, GL-01 moved 325021.3 km",
       62,
       {"Events     t=0.80s answered \"y\": safe jump, GL-01 moved", "           325021.3 km"}},
      {"Events     t=0.80s answered \"%10\": distance 36.11 Mm (0.000 AU)",
       51,
       {"Events     t=0.80s answered \"%10\": distance", "           36.11 Mm (0.000 AU)"}},
      {"Events     t=0.80s answered \"%10\": distance 36.11 Mm (0.000 AU)",
       60,
       {"Events     t=0.80s answered \"%10\": distance 36.11 Mm", "           (0.000 AU)"}},
      {"Events     short", 40, {"Events     short"}},
      // No blank to break at: cut where the width ends.
      {"Events     " + std::string(30, 'x'),
       20,
       {"Events     xxxxxxxxx", "           xxxxxxxxx", "           xxxxxxxxx", "           xxx"}},
  };
  for (const auto& c : cases) EXPECT_EQ(sim::PanelPieces(c.line, c.width, 11), c.pieces) << c.line;
}

TEST(FlightPanelTest, PaceIsMeasuredOverEachSecondOrSo) {
  sim::PaceMeter meter;
  meter.Add(0.5, 2500);
  EXPECT_LT(meter.Achieved(), 0);  // less than a second measured
  meter.Add(0.75, 1000);
  EXPECT_EQ(meter.Achieved(), 3500 / 1.25);
}

}  // namespace
