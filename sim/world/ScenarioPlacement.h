// Where a scenario puts each object at its start: global positions and
// velocities, with `relative_to` resolved and the bodies that follow the
// ephemeris taken at the start date.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "world/Scenario.h"

namespace sim {

struct StartState {
  VECTOR3 pos{}, vel{};
};

struct Placement {
  std::vector<StartState> bodies, vessels;  // in the scenario's order
};

// The scenario's objects placed; its references must name bodies or earlier
// vessels, as ReadScenarioFile checks. A body whose ephemeris this build
// lacks, or does not reach the date with, stays at its given state.
Placement PlaceScenario(const Scenario& scenario);

struct PlacementFault {
  int line;
  std::string reason;
};

// What is wrong with where the scenario puts its vessels: farther out than
// maxDistance or faster than light once `relative_to` is added, or inside a
// body. Checked after every value is within its own bounds, and not at all
// for a date the ephemeris does not reach, which ApplyScenario refuses.
std::optional<PlacementFault> CheckPlacement(const Scenario& scenario);

}  // namespace sim
