// Dates as the simulator shows them.
#pragma once

#include <string>

namespace sim {

// A date (MJD) as "YYYY-MM-DD hh:mm:ss" in the Gregorian calendar; far from
// now, only the year.
std::string CalendarText(double mjd);

}  // namespace sim
