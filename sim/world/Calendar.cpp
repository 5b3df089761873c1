#include "world/Calendar.h"

#include <cmath>

#include "host/Formatted.h"

namespace sim {

namespace {

// Days either way of MJD 0 (about 2.7 billion years) within which a date is
// shown in full.
constexpr double calendarDays = 1e12;

}  // namespace

std::string CalendarText(double mjd) {
  if (!std::isfinite(mjd)) return "no date";
  // Far out the calendar's day counts would overflow, and the date's
  // precision is years anyway: only the year is shown.
  if (std::abs(mjd) > calendarDays)
    return host::Formatted("year %.4g", 2000 + (mjd - 51544.5) / 365.2425);
  // Whole days from the civil calendar's epoch, then the Gregorian date.
  const double days = std::floor(mjd);
  long long seconds = std::llround((mjd - days) * 86400.0);
  long long z = static_cast<long long>(days) + 678881 + seconds / 86400;  // days since 0000-03-01
  seconds %= 86400;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long doe = z - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  const long long day = doy - (153 * mp + 2) / 5 + 1;
  const long long month = mp < 10 ? mp + 3 : mp - 9;
  const long long year = yoe + era * 400 + (month <= 2 ? 1 : 0);
  return host::Formatted("%04lld-%02lld-%02lld %02lld:%02lld:%02lld", year, month, day,
                         seconds / 3600, seconds / 60 % 60, seconds % 60);
}

}  // namespace sim
