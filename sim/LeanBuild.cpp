// A build without the terminal cockpit, the pictures and the ephemeris
// library, for systems that lack them: scripts and scenario files with
// bodies of their own still work, the rest says it is not there.
#include "Cockpit.h"
#include "Ephemeris.h"
#include "Picture.h"
#include "PlanPicture.h"

namespace sim {

const std::vector<std::string>& EphemerisNames() {
  static const std::vector<std::string> none;
  return none;
}

std::optional<host::Ephemeris> FindEphemeris(const std::string& /*name*/) {
  return std::nullopt;
}

bool CockpitCanStart(std::string& error) {
  error = "this build has no interactive cockpit; give --script FILE";
  return false;
}

std::optional<int> RunCockpit(int /*number*/, std::string& error) {
  CockpitCanStart(error);
  return std::nullopt;
}

bool WriteDisplayPicture(int /*number*/, const std::string& /*path*/, std::string& error) {
  error = "this build draws no pictures";
  return false;
}

bool WritePlanPicture(int number, const std::string& path, std::string& error) {
  return WriteDisplayPicture(number, path, error);
}

}  // namespace sim
