// Whether the cockpit can drive the terminal that TERM names: asked before
// the cockpit starts, because ncurses would otherwise say it its own way
// and end the program itself.
#pragma once

#include <string>

namespace sim {

// False with `error` saying why: TERM is not set, names a terminal that the
// terminal database does not hold, or one that cannot place text (dumb).
bool TerminalKnown(std::string& error);

}  // namespace sim
