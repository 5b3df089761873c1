// The script runner's bounds: what it reads, and what it keeps for
// `events`, stay within limits however long the script runs.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "script/ScriptCommands.h"
#include "script/ScriptRunner.h"
#include "support/HostTest.h"

namespace {

class ScriptRunnerTest : public HostTest {
 protected:
  // Runs `script`; the error line, or "" when it ran to its end.
  std::string ErrorOf(const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out, err;
    int selected = 0;
    const int status = sim::RunScript(in, out, err, selected);
    EXPECT_EQ(status, err.str().empty() ? 0 : 2);
    return err.str();
  }
};

// Blank lines and comments cost nothing to run, so only the bounds stop them.
TEST_F(ScriptRunnerTest, LinesAndScriptsAreReadUpToTheirBounds) {
  EXPECT_EQ(ErrorOf("#" + std::string(sim::maxScriptLineBytes - 1, 'x') + "\n\n"), "");
  EXPECT_EQ(ErrorOf("\n#" + std::string(sim::maxScriptLineBytes, 'x')),
            "error: line 2: longer than 65536 bytes, the most a script's line may hold\n");
  std::string script;
  while (script.size() < sim::maxScriptBytes) script += "# a comment of a script without end\n";
  EXPECT_EQ(ErrorOf(script),
            "error: line 466034: the script goes on past 16777216 bytes, the most a script may "
            "hold\n");
}

// A script that never asks keeps the newest thousand events, and says how
// many went before them.
TEST_F(ScriptRunnerTest, EventsKeepTheNewestThousand) {
  std::ostringstream out;
  sim::ScriptContext context{out, 0, 0, {}, 0};
  for (int i = 0; i < 1005; ++i) context.Tell("event " + std::to_string(i));
  for (const sim::Command* command : sim::AllCommands()) {
    if (std::string(command->name) == "events") command->run(context, {"events", {}, ""});
  }
  const std::string told = out.str();
  EXPECT_EQ(told.substr(0, told.find('\n')), "events -> 1000 (the newest; 5 before them not kept)");
  EXPECT_NE(told.find("t=0.00s event 5\n"), std::string::npos);
  EXPECT_EQ(told.find("t=0.00s event 4\n"), std::string::npos);
  EXPECT_TRUE(context.events.empty());
  EXPECT_EQ(context.eventsDropped, 0u);
}

}  // namespace
