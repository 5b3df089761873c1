// What a free vessel's flight carries from one time step to the next.
#pragma once

#include "Vector.h"

namespace host {

struct FlightMemory {
  double substep = 0;  // the integrator's next step (s); 0 lets it choose afresh
  // The state against the primary as flown, and the global states of both
  // made of it: while both are where that put them, the next step goes on
  // from the former, without rounding through the global frame every step.
  ObjectHandle primary = nullptr;
  VECTOR3 x{}, v{}, pos{}, vel{}, primaryPos{};
};

}  // namespace host
