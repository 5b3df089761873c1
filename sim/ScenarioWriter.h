// A scenario written out as a scenario file, to start a world of one's own
// from: read back, it gives the same scenario.
#pragma once

#include <string>

#include "Scenario.h"

namespace sim {

// The scenario as the text of a scenario file, every key written out.
std::string ScenarioText(const Scenario& scenario);

// Writes ScenarioText to `path`; false with `error` = "cannot write: REASON".
bool WriteScenarioFile(const std::string& path, const Scenario& scenario, std::string& error);

}  // namespace sim
