#include "TerminalCheck.h"

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
  del_curterm(cur_term);
  cur_term = nullptr;
  return true;
}

}  // namespace sim
