#include "host/Diagnostics.h"

namespace host {

namespace {
std::vector<std::string> reports;
int staleUses = 0;
}  // namespace

void Report(const std::string& what) {
  reports.push_back(what);
}

void ReportStaleHandle(const std::string& service) {
  ++staleUses;
  Report(service + ": handle of a removed object");
}

const std::vector<std::string>& Reports() {
  return reports;
}
int StaleHandleUses() {
  return staleUses;
}

void ClearReports() {
  reports.clear();
  staleUses = 0;
}

}  // namespace host
