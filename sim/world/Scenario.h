// A scenario: the start date, the celestial bodies and the vessels, as read
// from a file or built in, before the host's world is made from it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "host/World.h"
#include "plugin/HostTypes.h"

namespace sim {

// The bounds of a scenario's values: the world's own, within which every
// sum, product and time step the world makes from them stays far from
// overflow, and every body pulls with a finite force: no body is smaller
// than a metre.
inline constexpr double maxDistance = host::worldReach;     // m: positions, radii, sizes
inline constexpr double speedOfLight = host::speedOfLight;  // m/s: every speed
inline constexpr double maxMass = 1e42;                     // kg
inline constexpr double minRadius = 1;                      // m: a body's radius

struct BodyEntry {
  std::string name;
  double mass = 0;    // kg
  double radius = 0;  // m
  VECTOR3 pos{}, vel{};
  std::string ephemeris;  // when set: follows the solar-system ephemeris of that body
  int line = 0;           // where the entry begins in its file, 0 when built in
};

struct VesselEntry {
  std::string name;
  std::string className = "generic";
  double size = 10;    // m
  double mass = 1000;  // kg
  VECTOR3 pos{}, vel{};
  std::string relativeTo;  // empty: global
  VECTOR3 forward = MakeVector(0, 0, 1);
  VECTOR3 up = MakeVector(0, 1, 0);
  bool focus = false;
  int line = 0;
};

struct Scenario {
  std::string name;
  double mjd = 51544.5;
  std::vector<BodyEntry> bodies;
  std::vector<VesselEntry> vessels;
  int displays = 1;  // Jaunt displays open on the focus vessel at the start
};

// Makes the scenario the host's world: a fresh simulation at its date, the
// bodies in their order, the vessels placed and the focus set, gravity on.
// The scenario must be valid (as ReadScenarioFile and BuiltInScenario make
// them); false with `error` set when an ephemeris is missing from the build
// or does not cover the scenario's date.
bool ApplyScenario(const Scenario& scenario, std::string& error);

// The name of the scenario the world was last made from; empty before.
const std::string& AppliedScenarioName();

}  // namespace sim
