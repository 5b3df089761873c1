// The host's own scenario files (.scn), as a pilot finds them in its
// Scenarios folder: the part of them that places ships in the solar system
// and opens displays in the Jaunt mode.
#pragma once

#include <string>
#include <string_view>

#include "world/Scenario.h"

namespace sim {

// Whether a scenario file is one of the host's: its name ends in ".scn", in
// any letter case.
bool IsHostScenarioPath(const std::string& path);

// Reads a host scenario into the built-in solar system. On failure `error`
// names the file, the line and the reason: "FILE:LINE: reason". What the
// file holds that jaunt-sim does not read is listed in `skipped`, each kind
// once with the line it first stands on ("BEGIN_CAMERA (line 9), AROT (line
// 24)"); empty when nothing was skipped.
bool ReadHostScenarioFile(const std::string& path, Scenario& scenario, std::string& skipped,
                          std::string& error);

// A scenario file of either kind, told by its name: the host's (.scn), or
// jaunt-sim's own (TOML), for which `skipped` stays empty.
bool ReadEitherScenarioFile(const std::string& path, Scenario& scenario, std::string& skipped,
                            std::string& error);

// The same for text already read; `path` names it in errors and gives the
// scenario its name.
bool ParseHostScenario(std::string_view text, const std::string& path, Scenario& scenario,
                       std::string& skipped, std::string& error);

}  // namespace sim
