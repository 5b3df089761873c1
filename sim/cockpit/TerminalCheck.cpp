#include "cockpit/TerminalCheck.h"

// term.h defines a macro for every terminal capability (columns, lines and
// hundreds more): it stays in this file alone.
#include <curses.h>
#include <term.h>
#include <unistd.h>

#include <cstdlib>

namespace sim {

bool TerminalKnown(std::string& error) {
  const char* name = std::getenv("TERM");
  if (name == nullptr || *name == '\0') {
    error =
        "the cockpit needs to know the terminal, and TERM is not set; give --script FILE to fly "
        "without it";
    return false;
  }
  int found = 0;
  if (setupterm(name, STDOUT_FILENO, &found) != OK || found != 1) {
    error = std::string("the terminal \"") + name +
            "\" (TERM) is not one the cockpit knows; give --script FILE to fly without it";
    return false;
  }
  // The cockpit puts its text at places: a terminal that cannot (dumb, a
  // printing one) would show a jumble.
  char cursorAddress[] = "cup";
  const char* moves = tigetstr(cursorAddress);
  const bool placesText = moves != nullptr && moves != reinterpret_cast<char*>(-1);
  del_curterm(cur_term);
  cur_term = nullptr;
  if (!placesText)
    error = std::string("the terminal \"") + name +
            "\" (TERM) cannot put text where the cockpit needs it; give --script FILE to fly "
            "without it";
  return placesText;
}

}  // namespace sim
