// The carrier that holds the ship after a jump, and its release on the third
// time step. The pending release belongs to the module, not to a display:
// displays come and go (the host closes and reopens them on its own), and
// the ship must be let go whatever happens to them.
#pragma once

#include <stdint.h>

class JauntMFD;

// The carrier vessel's name.
inline constexpr char carrierName[] = "jaunt_dummy";

// Takes over the carrier of the jump `display` has just made and restarts
// the countdown.
void StartRelease(const JauntMFD& display);
// True from a jump until its carrier has been released.
bool ReleasePending();

// -1: no countdown running; v >= 0: the release comes v + 1 steps later.
extern int32_t releaseCountdown;
