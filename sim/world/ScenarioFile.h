// Scenario files in TOML: [scenario] with its name and start date, then
// [[body]] and [[vessel]] tables in order.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "world/Scenario.h"
#include "world/ScenarioPlacement.h"

namespace sim {

// Bounds that keep the parser's work and its stack in reason; see
// DeepestKey for how a key's depth is counted.
inline constexpr std::size_t maxScenarioBytes = std::size_t{4} << 20;  // 4 MiB
inline constexpr int maxKeyDepth = 32;

// Reads and checks a scenario file. On failure `error` names the file, the
// line when there is one, and the reason: "FILE:LINE: reason".
bool ReadScenarioFile(const std::string& path, Scenario& scenario, std::string& error);

// The same for text already read; `path` only names it in errors.
bool ParseScenario(std::string_view text, const std::string& path, Scenario& scenario,
                   std::string& error);

// The rules every body's and vessel's name follows, whatever file it came
// from (see CheckName): the first name that breaks one, with its line.
std::optional<PlacementFault> CheckNames(const Scenario& scenario);

}  // namespace sim
