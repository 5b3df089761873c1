// A build without the terminal library (ncurses): scripts still work; the
// cockpit says it is not there.
#include "cockpit/Cockpit.h"

namespace sim {

bool CockpitCanStart(std::string& error) {
  error = "this build has no interactive cockpit; give --script FILE";
  return false;
}

std::optional<int> RunCockpit(int /*number*/, std::string& error) {
  CockpitCanStart(error);
  return std::nullopt;
}

}  // namespace sim
