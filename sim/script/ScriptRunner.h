// Scripted flying: commands one a line, each printing exactly its answer.
#pragma once

#include <istream>
#include <ostream>
#include <string>

namespace sim {

// A script's bounds: no line, and no script, may hold more bytes.
inline constexpr std::size_t maxScriptLineBytes = 65536;
inline constexpr std::size_t maxScriptBytes = std::size_t{16} << 20;

// Runs the commands read from `in` on the host's world, which must hold its
// scenario, with one display already open as number 1. Answers go to `out`;
// the first bad command stops the script with "error: line N: REASON" on
// `err`. What the host noticed the module doing wrong goes to `err` as
// "host: TEXT". Returns the exit status: 0, or 2 after an error. On return,
// `selected` is the display the script had selected (0 for none).
// An answer that cannot be written stops the script the same way, with the
// reason. A byte-order mark before the first line is skipped. A line longer
// than maxScriptLineBytes, or a script longer than maxScriptBytes, is an
// error of the line that passes the bound.
int RunScript(std::istream& in, std::ostream& out, std::ostream& err, int& selected);

// The script commands, one a line: usage, what it does, an example (with
// what it needs first); then the units the prompts take.
std::string CommandTable();

}  // namespace sim
