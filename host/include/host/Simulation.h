// Simulated time and the host's time step.
#pragma once

namespace host {

double SimTime();  // seconds since the start
double SimDate();  // MJD
void SetStartDate(double mjd);

// One time step of dt seconds: the world moves on, then every loaded
// module's opcTimestep is called with (simulation time, dt, date).
void Step(double dt);

// A clean slate for a new scenario or test: closes every display and the
// input box, empties the world and the reports, and restarts the clock.
// Loaded modules and registered modes stay.
void ResetSimulation();

}  // namespace host
