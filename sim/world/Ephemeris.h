// The solar-system ephemeris: where the Sun, the planets and the Moon are at
// a date, in the heliocentric ecliptic J2000 frame (x towards the equinox,
// z towards the ecliptic north pole), in metres and metres per second.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "host/BodyPath.h"

namespace sim {

// The dates the theories hold for: J2000 ± 1,000 Julian years (the years
// 1000 to 3000). VSOP87 keeps the planets to an arcsecond over 2,000 to
// 6,000 years around J2000, and ELP 2000-82B was made for historical times.
constexpr double firstEphemerisMjd = host::j2000Mjd - 365250;
constexpr double lastEphemerisMjd = host::j2000Mjd + 365250;

// Terms of the lunar theory below this size (arcseconds and kilometres) are
// left out; that keeps the Moon within a kilometre for a tenth of the work
// of the full series.
constexpr double lunarPrecision = 1e-8;

// The bodies this build can follow, by their lower-case names ("sun",
// "earth", "moon", ...); empty in a build without the ephemeris library.
const std::vector<std::string>& EphemerisNames();

// The named body's motion on rails, over the dates above; empty when the
// name is not one of EphemerisNames(). Dates are MJD in terrestrial time.
std::optional<host::Ephemeris> FindEphemeris(const std::string& name);

}  // namespace sim
