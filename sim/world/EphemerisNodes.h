// The nodes of a body's path on rails, evaluated from a theory once each and
// kept while they are near the dates asked for.
#pragma once

#include <array>

#include "host/BodyPath.h"

namespace sim {

class EphemerisNodes {
 public:
  // A theory's position of the body at a date (MJD).
  using PositionAt = VECTOR3 (*)(double mjd);

  // Nodes every `spacing` days, a power of two (or its inverse): node dates
  // are then exact in binary, and so is each date handed to the theory.
  EphemerisNodes(PositionAt position, double spacing);

  // The nodes before and after a date. Velocities are the five-point
  // derivative of the neighbouring nodes' positions (fourth order), so that
  // each node costs the theory one evaluation.
  void Around(double mjd, host::PathNode& before, host::PathNode& after);

 private:
  VECTOR3 PositionOf(long long node);
  host::PathNode Node(long long node);

  struct Slot {
    long long node = 0;
    bool filled = false;
    VECTOR3 pos{};
  };
  PositionAt position;
  double spacing;
  // Enough for the six positions around one date; a node's slot is its
  // number modulo the size.
  std::array<Slot, 8> slots{};
};

}  // namespace sim
