// The cockpit's live panel: dates, the nearest body, and the release it
// notices in the focus vessel's hold.
#include <gtest/gtest.h>

#include <limits>

#include "FlightPanel.h"
#include "Scenario.h"
#include "support/HostTest.h"

namespace {

using namespace testing_world;

TEST(FlightPanelTest, DatesAreGregorianCalendarDates) {
  const struct {
    double mjd;
    const char* text;
  } cases[] = {
      {51544.5, "2000-01-01 12:00:00"},
      {0, "1858-11-17 00:00:00"},
      {60000, "2023-02-25 00:00:00"},
      {51603.75, "2000-02-29 18:00:00"},
      {51604, "2000-03-01 00:00:00"},
      {55197.0 + 1.0 / 86400, "2010-01-01 00:00:01"},
      {57022.9999999, "2015-01-01 00:00:00"},  // rounds up into the next day
      {-1, "1858-11-16 00:00:00"},
      {15020, "1900-01-01 00:00:00"},
      {-678576, "0000-12-31 00:00:00"},
      // Far out only the year, which no day count can overflow.
      {1e12, "2737908865-11-12 00:00:00"},
      {-1e12, "-2737905149-11-21 00:00:00"},
      {1.000001e12, "year 2.738e+09"},
      {1e300, "year 2.738e+297"},
      {-1e300, "year -2.738e+297"},
      {std::numeric_limits<double>::max(), "year 4.922e+305"},
  };
  for (const auto& c : cases) EXPECT_EQ(sim::CalendarText(c.mjd), c.text) << c.mjd;
}

class FlightPanelWorldTest : public HostTest {};

TEST_F(FlightPanelWorldTest, NearestBodyIsTheOneWithTheNearestSurface) {
  EXPECT_EQ(sim::NearestBody(MakeVector(0, 0, 0)), nullptr);
  AddBody("Giant", 1e27, 7e7, MakeVector(0, 0, 0));
  AddBody("Pebble", 1e10, 1e3, MakeVector(1e8, 0, 0));
  // 9e7 from the giant's centre is 2e7 above it; 1e7 from the pebble.
  EXPECT_EQ(sim::NearestBody(MakeVector(9e7, 0, 0))->name, "Pebble");
  EXPECT_EQ(sim::NearestBody(MakeVector(8e7, 0, 0))->name, "Giant");
}

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

  sim::PaceMeter meter;
  meter.Add(0.5, 2500);
  EXPECT_LT(meter.Achieved(), 0);  // less than a second measured
  meter.Add(0.75, 1000);
  EXPECT_EQ(meter.Achieved(), 3500 / 1.25);
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

TEST_F(FlightPanelWorldTest, HoldWatchTellsTheReleaseOnly) {
  const ObjectHandle ship = AddVessel("GL-01", MakeVector(0, 0, 0));
  const ObjectHandle carrier = AddVessel("jaunt_dummy", MakeVector(5000, 0, 0));
  Focus(ship);
  host::World& world = host::TheWorld();
  sim::HoldWatch watch;
  EXPECT_FALSE(watch.Check());

  VESSEL* carrierSide = world.Interface(carrier);
  VESSEL* shipSide = world.Interface(ship);
  const AttachmentHandle holder =
      carrierSide->CreateAttachment(false, {}, MakeVector(0, 0, -1), MakeVector(0, 1, 0), "H");
  const AttachmentHandle held =
      shipSide->CreateAttachment(true, {}, MakeVector(0, 0, 1), MakeVector(0, 1, 0), "H");
  // The jump is told with the answer that made it, not here.
  ASSERT_TRUE(carrierSide->AttachChild(ship, holder, held));
  EXPECT_FALSE(watch.Check());

  ASSERT_TRUE(carrierSide->DetachChild(holder, 0));
  EXPECT_EQ(watch.Check(), "carrier released GL-01");
  EXPECT_FALSE(watch.Check());

  // A new focus vessel that is held already is no release.
  ASSERT_TRUE(carrierSide->AttachChild(ship, holder, held));
  Focus(carrier);
  EXPECT_FALSE(watch.Check());
  Focus(ship);
  EXPECT_FALSE(watch.Check());
}

}  // namespace
