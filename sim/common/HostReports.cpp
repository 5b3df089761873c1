#include "common/HostReports.h"

#include "host/Diagnostics.h"

namespace sim {

std::size_t HostReports::Count() {
  return host::Reports().size();
}

std::vector<std::string> HostReports::New() {
  const auto& reports = host::Reports();
  if (seen > reports.size()) seen = 0;  // the host's reports were cleared meanwhile
  std::vector<std::string> fresh;
  for (; seen < reports.size(); ++seen) fresh.push_back("host: " + reports[seen]);
  return fresh;
}

}  // namespace sim
