// What the host noticed a plug-in doing wrong. The host refuses such calls
// and reports them here instead of crashing.
#pragma once

#include <string>
#include <vector>

namespace host {

void Report(const std::string& what);
// A plug-in handed `service` the handle of an object that was removed.
void ReportStaleHandle(const std::string& service);
const std::vector<std::string>& Reports();
int StaleHandleUses();
void ClearReports();

}  // namespace host
