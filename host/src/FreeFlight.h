// A free vessel's flight through one time step of the world, under the
// gravity of every body, in substeps sized to its own motion.
#pragma once

#include <cstddef>
#include <vector>

#include "host/BodyTrack.h"
#include "host/FlightMemory.h"

namespace host {

struct Flight {
  enum class Outcome { Flown, Touched, NotFinite };
  Outcome outcome = Outcome::Flown;
  VECTOR3 pos{}, vel{};    // Flown: the state at the end of the step
  std::size_t body = 0;    // Touched: the body whose surface it reached
  VECTOR3 contactAt{};     // Touched: the place on that surface, from the body's centre
  double impactSpeed = 0;  // Touched: its speed against the body there
  bool rough = false;      // needed more substeps than one step allows: less accurate
};

// A vessel that nothing pulls, flown dt seconds in a straight line.
Flight Drift(const VECTOR3& pos, const VECTOR3& vel, double dt);

// Flies a vessel from (pos, vel) at time t0 to time t1 among the bodies'
// tracks (which cover that time).
Flight FlyFree(const std::vector<BodyTrack>& tracks, const VECTOR3& pos, const VECTOR3& vel,
               double t0, double t1, FlightMemory& memory);

}  // namespace host
