// The interactive cockpit: the display with its buttons beside a live view of
// the focus vessel, flown from the keyboard in a terminal.
#pragma once

#include <optional>
#include <string>

namespace sim {

// False with `error` saying why when the cockpit cannot start: without a
// terminal on standard input and output, or in a build without a cockpit.
bool CockpitCanStart(std::string& error);

// Runs the cockpit on the host's world, with display `number` open, until
// the pilot quits or SIGINT, SIGTERM or SIGHUP ends it; the world moves on
// in real time scaled by the time acceleration, and the terminal is restored
// however the cockpit ends. Returns the exit status: 0 after quitting,
// 128 + the signal's number after a signal. Empty with `error` set when the
// cockpit cannot start.
std::optional<int> RunCockpit(int number, std::string& error);

}  // namespace sim
