// Events as the cockpit's panel and a script's `events` list them.
#pragma once

#include <string>

namespace sim {

// An event stamped with the simulated time: "t=12.35s WHAT".
std::string EventText(double simTime, const std::string& what);

}  // namespace sim
