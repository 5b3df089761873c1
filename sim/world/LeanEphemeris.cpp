// A build without the ephemeris library (libnova): scenario files with
// bodies of their own still work; no body follows the solar system.
#include "world/Ephemeris.h"

namespace sim {

const std::vector<std::string>& EphemerisNames() {
  static const std::vector<std::string> none;
  return none;
}

std::optional<host::Ephemeris> FindEphemeris(const std::string& /*name*/) {
  return std::nullopt;
}

}  // namespace sim
