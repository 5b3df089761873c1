// How deep a TOML text nests its keys, found by a scan that builds nothing.
// The TOML parser recurses once per level of nesting, so a key of a hundred
// thousand dotted parts would overflow its stack; such a text must be turned
// away before it is parsed.
#pragma once

#include <string_view>

namespace sim {

// The deepest key of a text and the line it is on. A key's depth counts the
// parts of its table's header, its own dotted parts, and the keys of the
// inline tables and the arrays around it (one level each array):
// "[a.b]\nc.d = [{e = 1}]" puts d at 4 and e at 6. The scan follows strings
// and comments, so dots in them do not count. The parser's nodes nest at
// most twice as deep as the count (an array of tables is an array and a
// table under one key part), and a malformed text may count more.
struct TomlNesting {
  int depth = 0;
  int line = 1;
  // The first line holding a byte beyond ASCII where the parser asks whether
  // a character is white space: outside strings and comments, or after a
  // backslash in a """ string. For some characters the parser's answer is
  // undefined (toml++ 3.3 reaches a point it declares unreachable), so such
  // a text must be turned away too. 0: there is none. TOML allows no such
  // character there anyway, but after the backslash.
  int foreignLine = 0;
};

TomlNesting DeepestKey(std::string_view text);

}  // namespace sim
