// The interactive cockpit: the display with its buttons beside a live view of
// the focus vessel, flown from the keyboard in a terminal.
#pragma once

#include <string>

namespace sim {

// False with `error` saying why when the cockpit cannot start: without a
// terminal on standard input and output, or in a build without a cockpit.
bool CockpitCanStart(std::string& error);

// Runs the cockpit on the host's world, with display `number` open, until
// the pilot quits; the world moves on in real time scaled by the time
// acceleration. False with `error` set when the cockpit cannot start.
bool RunCockpit(int number, std::string& error);

}  // namespace sim
