// What the simulator does unless told otherwise.
#pragma once

#include "plugin/Platform.h"

namespace sim {

// The host's time step at 1x, s: a script's `step` without DT, and the
// cockpit's step per frame of real time.
inline constexpr double defaultTimeStep = 0.05;

// The display mode the simulator opens; the module must register it.
inline constexpr char displayMode[] = "Jaunt";

// The width and height of a display the simulator opens, device units.
inline constexpr DWORD defaultDisplaySize = 256;

}  // namespace sim
