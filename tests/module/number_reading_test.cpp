// A text the pilot types means the same with every C library. The module
// reads numbers with the C library's atof, but settles the words for
// infinity and not-a-number itself: the Windows C library's atof reads them
// as 0, where the Linux one reads them as what they say.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "planning/DistanceText.h"

namespace {

TEST(NumberReadingTest, NonFiniteDistancesAndSpeedsAreRefused) {
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

TEST(NumberReadingTest, AtofKeepsItsDecimalReading) {
  struct Case {
    const char* text;
    double value;
  };
  const Case cases[] = {
      {"0.1", 0.1},
      {"149597870691", 149597870691.0},
      {"  12abc", 12},  // leading blanks skipped, the rest ignored
      {"500K", 500},
      {"1,5", 1},
      {"5e", 5},
      {".5", 0.5},
      {"+3", 3},
      {"xyz", 0},
      {"", 0},
      {"1e-400", 0},
      {"9007199254740993", 9007199254740992.0},  // halfway: rounded to even
      {"2.2250738585072011e-308", 2.2250738585072009e-308},
      {"1.7976931348623157e308", 1.7976931348623157e308},
  };
  for (const Case& c : cases) {
    const double read = std::atof(c.text);
    EXPECT_EQ(std::memcmp(&read, &c.value, sizeof read), 0)
        << '"' << c.text << "\" read as " << read << ", expected " << c.value;
  }
  const double negativeZero = std::atof("-0");
  EXPECT_TRUE(negativeZero == 0 && std::signbit(negativeZero));
}

}  // namespace
