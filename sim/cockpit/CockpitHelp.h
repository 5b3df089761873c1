// What the cockpit's keys do, for its `?` overlay and for --help, and the
// hint for a key that does nothing.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "host/Displays.h"

namespace sim {

struct KeyHelp {
  const char* keys;
  const char* does;
};

// The cockpit's own keys; the display's letters come before them.
std::span<const KeyHelp> CockpitKeys();

// The overlay's lines: a heading, the display's menu, each entry whole (its
// key, then both its lines), then the cockpit's keys.
std::vector<std::string> HelpLines(const std::vector<host::MenuRow>& menu);

// The status line's hint for a key that did nothing; `name` as the terminal
// names it.
std::string UnknownKeyHint(const std::string& name);

}  // namespace sim
