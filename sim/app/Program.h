// The simulator as a whole, from its command line to its exit status.
#pragma once

namespace sim {

// Runs jaunt-sim with `argc` and `argv` as main gets them; returns the exit
// status.
int RunProgram(int argc, char** argv);

}  // namespace sim
