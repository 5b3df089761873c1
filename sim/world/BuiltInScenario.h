// The scenario the simulator starts with when given none: the solar system
// on rails, the glider GL-01 in a wide circular Earth orbit, and the ISS low
// above the Earth as a second vessel to aim at.
#pragma once

#include "world/Scenario.h"

namespace sim {

Scenario BuiltInScenario();

}  // namespace sim
