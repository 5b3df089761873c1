// The character grid of a page and the places of the buttons.
#include <gtest/gtest.h>

#include "display/DisplayLayout.h"

namespace {

TEST(DisplayLayoutTest, RunsLandAtTheirCellsAndLaterOnesWin) {
  host::Page page;
  page.runs = {{10, 48, "Target"}, {20, 64, "dist"}, {10, 48, "XY"}, {0, 0, "top"}};
  const std::vector<std::string> grid = sim::PageGrid(page, 8, 5);
  ASSERT_EQ(grid.size(), 5u);
  EXPECT_EQ(grid[0], "top     ");
  EXPECT_EQ(grid[1], "        ");
  EXPECT_EQ(grid[3], " XYrget ");
  EXPECT_EQ(grid[4], "  dist  ");
  for (const std::string& line : grid) EXPECT_EQ(line.size(), 8u);
}

TEST(DisplayLayoutTest, GridWidensForLongRunsAndDropsWhatFallsOutside) {
  host::Page page;
  page.runs = {{40, 16, "a long line of text"}, {0, 80, "below"}, {-8, 0, "left"}, {0, -16, "up"}};
  const std::vector<std::string> grid = sim::PageGrid(page, 4, 3);
  ASSERT_EQ(grid.size(), 3u);
  EXPECT_EQ(grid[1], "     a long line of text");
  EXPECT_EQ(grid[0], std::string(24, ' '));
  EXPECT_EQ(grid[2], std::string(24, ' '));
}

TEST(DisplayLayoutTest, OverflowIsHowFarTheLowestRunReachesBelowTheDisplay) {
  const struct {
    std::vector<host::TextRun> runs;
    int height;
    int overflow;
  } cases[] = {
      {{}, 256, 0},
      {{{40, 224, "Probability"}}, 256, 0},        // its cell ends at the edge
      {{{40, 256, "<<<Bad jump!>>>"}}, 256, 16},   // the warning under the estimate
      {{{40, 256, "x"}, {10, 48, "y"}}, 256, 16},  // not the last run but the lowest
      {{{20, 192, "0.000 Km/s"}}, 200, 8},         // a display of 200 cuts a cell short
      {{{0, 0, "top"}}, 0, 16},
  };
  for (const auto& c : cases) {
    host::Page page;
    page.runs = c.runs;
    EXPECT_EQ(sim::PageOverflow(page, c.height), c.overflow) << c.height;
  }
}

TEST(DisplayLayoutTest, ButtonsSpreadEvenlyDownEachSide) {
  const int expected[] = {36, 73, 109, 146, 182, 219};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(sim::ButtonY(i, 256), expected[i]) << i;
    EXPECT_EQ(sim::ButtonY(i + 6, 256), expected[i]) << i + 6;
  }
  EXPECT_EQ(sim::ButtonY(0, 700), 100);
}

}  // namespace
