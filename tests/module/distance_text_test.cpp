// A text the pilot types means the same with every C library. The module
// finds where the decimal number ends itself, and settles the words for
// infinity and not-a-number itself: the Windows C library's atof reads a d
// exponent and reads those words as 0, where the Linux one does neither.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "planning/DistanceText.h"

namespace {

TEST(DistanceTextTest, NonFiniteDistancesAndSpeedsAreRefused) {
  const char* texts[] = {"inf",  "INF",   "-inf",   "infinity", "nan",  "NaN",
                         "-nan", "1e400", "-1e400", "K1e400",   "Ainf", "Gnan",
                         "minf", "%nan",  "%inf",   " inf",     "+inf", "1e400K"};
  for (const char* text : texts) {
    double metres = 12345;
    EXPECT_FALSE(ParseDistance(text, true, 2e9, metres)) << text;
    EXPECT_EQ(metres, 12345) << text;
    double metresPerSecond = 12345;
    const bool hasPrefix = std::strchr("KkMmGgAa%", text[0]) != nullptr;
    if (hasPrefix) continue;  // a speed has no prefix: "Ainf" reads as 0 km/s
    EXPECT_FALSE(ParseSpeed(text, metresPerSecond)) << text;
    EXPECT_EQ(metresPerSecond, 12345) << text;
  }
}

TEST(DistanceTextTest, ANumberIsDecimalAndEndsWhereADecimalNumberEnds) {
  struct Case {
    const char* text;
    double metres;
  };
  const Case cases[] = {
      {"0.1", 0.1},
      {"149597870691", 149597870691.0},
      {"  12abc", 12},  // leading blanks skipped, the rest ignored
      {"500K", 500},
      {"1,5", 1},
      {"5e", 5},
      {"5e+", 5},
      {".5", 0.5},
      {"5.", 5},
      {".", 0},
      {"+3", 3},
      {"xyz", 0},
      {"-0", 0},
      {"1e-400", 0},
      {"2d1", 2},  // no d exponent, whatever the C library reads
      {"G2d1", 2e9},
      {"1.5D3", 1.5},
      {"0x10", 0},                               // no hexadecimal either
      {"9007199254740993", 9007199254740992.0},  // halfway: rounded to even
      {"2.2250738585072011e-308", 2.2250738585072009e-308},
      {"1.7976931348623157e308", 1.7976931348623157e308},
  };
  for (const Case& c : cases) {
    double metres = -1;
    EXPECT_TRUE(ParseDistance(c.text, false, 0, metres)) << c.text;
    EXPECT_EQ(std::memcmp(&metres, &c.metres, sizeof metres), 0)
        << '"' << c.text << "\" read as " << metres << ", expected " << c.metres;
  }
  double metresPerSecond = 0;
  EXPECT_TRUE(ParseSpeed("1.5d1", metresPerSecond));
  EXPECT_EQ(metresPerSecond, 1500);
  // Longer than any number a pilot types: refused rather than cut.
  const std::string longNumber(300, '1');
  double metres = 7;
  EXPECT_FALSE(ParseDistance(longNumber.c_str(), false, 0, metres));
  EXPECT_EQ(metres, 7);
}

}  // namespace
