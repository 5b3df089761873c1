// The script's commands and what they share: the selected display, the
// stream for answers and the helpers that read their arguments.
#pragma once

#include <deque>
#include <ostream>
#include <span>
#include <string>
#include <vector>

namespace sim {

struct ScriptContext {
  std::ostream& out;
  int selected = 0;       // the display keys and buttons go to; 0: none
  int promptDisplay = 0;  // the display whose key or button opened the input box, or:
                          // closedDisplay once it has closed
  // What happened since the last `events`, stamped; only the newest are kept
  // (Tell), so that a script that never asks does not fill the memory.
  std::deque<std::string> events;
  std::size_t eventsDropped = 0;
  void Tell(const std::string& what);
};

inline constexpr int closedDisplay = -1;

// One command line: the command, its arguments split at white space, and
// the text after the command and one separating blank, verbatim.
struct ScriptLine {
  std::string command;
  std::vector<std::string> args;
  std::string rest;
};

// A command that cannot be carried out; the runner reports the line.
struct ScriptError {
  std::string reason;
  bool showUsage = false;  // the arguments were wrong: the usage helps
};

struct Command {
  const char* name;
  const char* usage;    // the command and its arguments, for errors and help
  const char* does;     // one short line for the help
  const char* example;  // a line as a script would hold it
  void (*run)(ScriptContext& context, const ScriptLine& line);
  // The line the example needs before it, when it does not run at the
  // start (the built-in world, display 1 open): shown with the example.
  const char* needs = nullptr;
};

std::span<const Command> DisplayCommands();
std::span<const Command> WorldCommands();

// Every command, in the order the help lists them.
std::vector<const Command*> AllCommands();

// The selected display; throws when none is open.
int SelectedDisplay(const ScriptContext& context);

// Argument helpers; each throws ScriptError with the reason.
void ExpectArgCount(const ScriptLine& line, std::size_t least, std::size_t most);
long long IntegerArg(const std::string& text, const char* what, long long least, long long most);
double PositiveArg(const std::string& text, const char* what);
// The rest of the line without surrounding blanks, which must not be empty:
// a name or a file name, which may hold blanks itself.
std::string NameArg(const ScriptLine& line);

}  // namespace sim
