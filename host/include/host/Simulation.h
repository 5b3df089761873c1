// Simulated time and the host's time step.
#pragma once

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

// A clean slate for a new scenario or test: closes every display and the
// input box, empties the world and the reports, and restarts the clock.
// Loaded modules and registered modes stay.
void ResetSimulation();

}  // namespace host
