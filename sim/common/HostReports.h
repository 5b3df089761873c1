// What the host noticed, followed as it comes: the script prints it on
// standard error, the cockpit lists it among its events.
#pragma once

#include <string>
#include <vector>

namespace sim {

class HostReports {
 public:
  // The host's reports made since the last call (since construction at
  // first), each as "host: TEXT".
  std::vector<std::string> New();

 private:
  std::size_t seen = Count();
  static std::size_t Count();
};

}  // namespace sim
