// Dates as the simulator shows them.
#include "world/Calendar.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(CalendarTest, DatesAreGregorianCalendarDates) {
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

}  // namespace
