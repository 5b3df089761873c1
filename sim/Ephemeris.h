// The solar-system ephemeris: where the Sun, the planets and the Moon are at
// a date, in the heliocentric ecliptic J2000 frame (x towards the equinox,
// z towards the ecliptic north pole), in metres and metres per second.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "host/World.h"

namespace sim {

// The bodies this build can follow, by their lower-case names ("sun",
// "earth", "moon", ...); empty in a build without the ephemeris library.
const std::vector<std::string>& EphemerisNames();

// The named body's motion on rails; empty when the name is not one of
// EphemerisNames(). Dates are MJD in terrestrial time.
std::optional<host::Ephemeris> FindEphemeris(const std::string& name);

}  // namespace sim
