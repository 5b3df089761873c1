// The small world the fuzz targets fly in, and the host's time step as the
// fuzzers drive it. The module is linked in, not loaded: the host's loader
// does not know its opcTimestep, so a step calls it as the loader would.
#pragma once

#include <cstdint>

#include "display/JauntMFD.h"

namespace fuzz {

// Once per process: registers the mode.
void StartModule();
// Before each input: an empty host holding three bodies and two vessels, the
// ship "GL-01" in focus, a fixed generator seeded from `clock`, and one
// Jaunt display open. Returns that display's number.
int ResetWorld(std::uint32_t clock);
// One host time step of dt seconds, the module's opcTimestep included, counted
// for the carrier check.
void Step(double dt);
// The open display `number` as the module's display object; null if closed.
JauntMFD* Jaunt(int number);

}  // namespace fuzz
