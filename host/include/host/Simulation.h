// Simulated time and the host's time step.
#pragma once

#include "plugin/HostTypes.h"

namespace host {

double SimTime();  // seconds since the start
double SimDate();  // MJD
// Restarts the clock at this date.
void SetStartDate(double mjd);

// One time step of dt seconds: the world moves on, then every loaded
// module's opcTimestep is called with (simulation time, dt, date). False
// when the world refused the step (and reported why): no time passed, and
// the modules were not called.
bool Step(double dt);

// Ends the session, as the host does before it returns to its launch
// dialog, and leaves a clean slate for the next scenario or test: closes
// every display and the input box, destroys the whole world, then tells the
// loaded modules (opcCloseRenderViewport); empties the reports and restarts
// the clock. Loaded modules and registered modes stay, and the next
// session's objects may take the handles of this one's, as the host's do.
void ResetSimulation();
// Which session runs: 1 for the first, one more after each ResetSimulation.
int SessionNumber();

// Removes a body or a vessel during the session; for a vessel, the loaded
// modules are told first (opcDeleteVessel). False when it is not live.
bool RemoveFromSession(ObjectHandle object);

}  // namespace host
