#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "display/PageText.h"

namespace {

struct DistanceCase {
  double metres;
  bool withAU;
  const char* text;
};

class FormatDistanceTest : public ::testing::TestWithParam<DistanceCase> {};

TEST_P(FormatDistanceTest, PrintsTheUnitChosenOnTheUnroundedValue) {
  const DistanceCase& c = GetParam();
  char out[100];
  FormatDistance(out, sizeof out, c.metres, c.withAU);
  EXPECT_STREQ(out, c.text) << c.metres;
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormatDistanceTest,
    ::testing::Values(
        DistanceCase{149597870691.0, true, "149.60 Gm (0.997 AU)"},
        DistanceCase{1.5e11, true, "150.00 Gm (1.000 AU)"}, DistanceCase{1e6, false, "1.00 Mm"},
        DistanceCase{1000, false, "1.00 Km"}, DistanceCase{999.96, true, "1000.0 m"},
        DistanceCase{999999.999, true, "1000.00 Km (0.000 AU)"},
        DistanceCase{-2500, true, "-2500.0 m"}, DistanceCase{-2500, false, "-2500.0 m"},
        DistanceCase{0, true, "0.0 m"},
        // Either side of every unit boundary.
        DistanceCase{999.9999, false, "1000.0 m"}, DistanceCase{1000, true, "1.00 Km (0.000 AU)"},
        DistanceCase{999999.99, false, "1000.00 Km"}, DistanceCase{1e6, true, "1.00 Mm (0.000 AU)"},
        DistanceCase{999999999.9, false, "1000.00 Mm"},
        DistanceCase{999999999.9, true, "1000.00 Mm (0.007 AU)"},
        DistanceCase{1e9, true, "1.00 Gm (0.007 AU)"}, DistanceCase{1e9, false, "1.00 Gm"},
        DistanceCase{1.5e12, true, "1500.00 Gm (10.000 AU)"}));

TEST(FormatDistance, CutsToTheRoomGivenAndNeverWritesPastIt) {
  char out[12];
  std::memset(out, '#', sizeof out);
  FormatDistance(out, 8, 149597870691.0, true);
  EXPECT_STREQ(out, "149.60 ");
  EXPECT_EQ(out[8], '#');
}

TEST(FormatDistance, HugeDistanceFillsAtMost99Characters) {
  char out[100];
  FormatDistance(out, sizeof out, 1.5e60, true);
  EXPECT_EQ(std::strlen(out), 99u);
}

}  // namespace
