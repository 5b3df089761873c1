// How far an unsafe jump landed from its aim, told as roughly as it is known:
// the aim is worked out from the settings the page shows, which it rounds.
#pragma once

#include <string>

namespace sim {

// A distance to two figures, for a figure known only roughly: "about 62 Mm".
std::string RoughDistance(double metres);

}  // namespace sim
