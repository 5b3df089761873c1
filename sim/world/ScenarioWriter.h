// A scenario written out as a scenario file, to start a world of one's own
// from: read back, it gives the same scenario.
#pragma once

#include <string>

#include "world/Scenario.h"

namespace sim {

// The scenario as the text of a scenario file, every key written out.
std::string ScenarioText(const Scenario& scenario);

// Writes ScenarioText to `path` as WriteOutputFile writes files, replacing
// a file already there only when `replace` is true; false with `error` =
// "cannot write: REASON", or fileExistsReason.
bool WriteScenarioFile(const std::string& path, const Scenario& scenario, bool replace,
                       std::string& error);

}  // namespace sim
