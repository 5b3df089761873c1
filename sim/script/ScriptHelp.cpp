// The script's own help, which `help` prints and --help shows too: the
// table of commands, each with an example and what the example needs
// first, and the units the module's prompts take.

#include "host/Formatted.h"
#include "script/ScriptCommands.h"
#include "script/ScriptRunner.h"

namespace sim {

namespace {

std::string Row(const char* usage, const char* does, const char* example) {
  return host::Formatted("  %-16s %-46s %s\n", usage, does, example);
}

// What the module's prompts take, which answers (`input`) must follow.
constexpr char units[] =
    "Distances typed at the distance prompt put the unit letter first, in either\n"
    "case: K km, M Mm (1,000 km; m too), G Gm (1,000,000 km), A astronomical units\n"
    "(149,597,870,691 m), % a share of the target's distance; no letter: metres.\n"
    "K50 is 50 km, but 50K is 50 m: a letter after the number is not read. Speeds\n"
    "are in km/s.\n";

void Help(ScriptContext& context, const ScriptLine& line) {
  ExpectArgCount(line, 0, 0);
  context.out << CommandTable();
}

constexpr Command commands[] = {
    {"help", "help", "this table", "help", Help},
};

}  // namespace

std::vector<const Command*> AllCommands() {
  std::vector<const Command*> all;
  for (auto group : {DisplayCommands(), WorldCommands(), std::span<const Command>(commands)}) {
    for (const Command& command : group) all.push_back(&command);
  }
  return all;
}

std::string CommandTable() {
  std::string table = Row("command", "does", "example");
  for (const Command* command : AllCommands()) {
    std::string example = command->example;
    if (command->needs != nullptr) example += std::string(" (after ") + command->needs + ")";
    table += Row(command->usage, command->does, example.c_str());
  }
  return table + units;
}

}  // namespace sim
