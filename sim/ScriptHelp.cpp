// The script's own help: the table of commands, which `help` prints and
// --help shows too.
#include <cstdio>

#include "ScriptCommands.h"
#include "ScriptRunner.h"

namespace sim {

namespace {

std::string Row(const char* usage, const char* does, const char* example) {
  char row[200];
  std::snprintf(row, sizeof row, "  %-16s %-46s %s\n", usage, does, example);
  return row;
}

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
  for (const Command* command : AllCommands())
    table += Row(command->usage, command->does, command->example);
  return table;
}

}  // namespace sim
