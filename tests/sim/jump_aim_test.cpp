// How far an unsafe jump landed from its aim, told roughly.
#include <gtest/gtest.h>

#include "flight/JumpAim.h"

namespace {

TEST(JumpAimRoundingTest, RoughDistancesKeepTwoFigures) {
  const struct {
    double metres;
    const char* text;
  } cases[] = {
      {0, "about 0.0 m"},        {950, "about 950 m"},    {4596068.5, "about 4.6 Mm"},
      {25593427, "about 26 Mm"}, {623e6, "about 620 Mm"}, {1.5e12, "about 1500 Gm"},
      {12345.6, "about 12 km"},
  };
  for (const auto& c : cases) EXPECT_EQ(sim::RoughDistance(c.metres), c.text) << c.metres;
}

}  // namespace
