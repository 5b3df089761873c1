// The gravity test of a straight jump.
#pragma once

#include "plugin/HostTypes.h"

// The chance, 0 to 1, that a jump from `from` to `to` goes bad: the path is
// sampled at ten evenly spaced points, ends included; at each the pulls of
// all celestial bodies are added as magnitudes, and the strongest sum
// decides, reaching certainty at 2 m/s².
double EstimateFailureChance(const VECTOR3& from, const VECTOR3& to);
