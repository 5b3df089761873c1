#include "cockpit/PaceMeter.h"

namespace sim {

void PaceMeter::Add(double realSeconds, double simulatedSeconds) {
  real += realSeconds;
  simulated += simulatedSeconds;
  if (real < 1) return;
  achieved = simulated / real;
  real = simulated = 0;
}

}  // namespace sim
