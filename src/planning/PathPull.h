// The arithmetic of the gravity test of a straight jump, on plain values:
// the path from the ship to the destination is sampled at ten evenly spaced
// points, ends included; at each the pulls of all celestial bodies are added
// as magnitudes, and the strongest sum decides the chance that the jump goes
// bad, reaching certainty at 2 m/s². The display runs it over the host's
// bodies; a plan of the jump can run it over the same bodies and show each
// step of it.
#pragma once

#include "plugin/HostTypes.h"

constexpr int pathSamples = 10;

struct PathPull {
  VECTOR3 sample[pathSamples];
  double sum[pathSamples];  // m/s², the pulls added so far at each sample
  double peak;              // m/s², the largest finished sum
  int peakSample;           // where the peak lies; 0 while there is none
};

// The samples of the path from `from` to `to`, with nothing added yet.
void StartPath(PathPull& path, const VECTOR3& from, const VECTOR3& to);

// Adds one body's pull at every sample; `lastBody` for the last body of the
// host's list, whose term completes the sums and so fixes the peak.
void AddBodyPull(PathPull& path, const VECTOR3& bodyPos, double mass, bool lastBody);

// The pull of one body at `at` as the test counts it: none within a squared
// distance of 10 m² of the body's centre.
double BodyPull(const VECTOR3& bodyPos, double mass, const VECTOR3& at);

// The chance, 0 to 1, that the jump goes bad, from the path's peak pull.
double FailureChanceOf(double peak);

// Whether a hop towards a target is shorter than the ship's and the
// target's sizes together, which makes it safe whatever the pull.
bool ShortHop(double shipSize, double targetRadius, double targetDistance, double distance);

// The pulls, in m/s², at which the chance reaches one half (the jump
// scatters above it) and certainty.
constexpr double scatterPull = 1;
constexpr double certainPull = 2;
