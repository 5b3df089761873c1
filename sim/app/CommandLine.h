// The simulator's command line.
#pragma once

#include <ostream>
#include <string>

namespace sim {

struct Options {
  std::string scenario;       // empty: the built-in scenario
  std::string module;         // empty: the module beside the executable
  std::string script;         // "-": standard input; empty: the interactive cockpit
  std::string png;            // empty: no picture
  std::string plan;           // empty: no picture of the plan
  std::string writeScenario;  // not empty: write the built-in scenario there and stop
  bool force = false;         // --write-scenario may replace a file already there
};

enum class CommandLineResult { Run, Done, Error };

// Reads the arguments into `options`. Done: help or version was asked for
// and printed on `out`; Error: `error` says what is wrong in one line.
CommandLineResult ParseCommandLine(int argc, const char* const* argv, Options& options,
                                   std::ostream& out, std::string& error);

}  // namespace sim
