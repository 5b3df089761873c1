// jaunt-sim: the stand-in host as a program. It loads the module as the
// host loads a plug-in, makes the world from a scenario, opens one display
// of the module's mode on the focus vessel, and then flies it: from a
// script, in the interactive cockpit, or just long enough for pictures.
#include "app/Program.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <sstream>
#include <tuple>

#include "app/CommandLine.h"
#include "app/ModuleFile.h"
#include "cockpit/Cockpit.h"
#include "common/InstallLayout.h"
#include "common/OutputFile.h"
#include "common/SimDefaults.h"
#include "common/TextFile.h"
#include "host/Displays.h"
#include "host/ModuleLoader.h"
#include "host/Simulation.h"
#include "picture/Picture.h"
#include "plan/PlanPicture.h"
#include "script/ScriptRunner.h"
#include "world/BuiltInScenario.h"
#include "world/HostScenarioFile.h"
#include "world/Scenario.h"
#include "world/ScenarioFile.h"
#include "world/ScenarioWriter.h"

namespace sim {

namespace {

constexpr int failureStatus = 2;

int Fail(const std::string& message) {
  std::fprintf(stderr, "jaunt-sim: %s\n", message.c_str());
  return failureStatus;
}

// Output that could not be written is a failure: what was asked for did not
// arrive. A failure already reported stands as it is.
int Finish(int status) {
  std::cout.flush();
  if (std::cout || status != 0) return status;
  return Fail(std::string("cannot write to standard output: ") + std::strerror(errno));
}

// Everything the program does once its inputs are known to be good.
int Fly(const Options& options, std::istream* script, int displays) {
  // A host scenario may open its right display too, as number 2; the first
  // is the one selected.
  int display = 0;
  for (int i = 0; i < std::max(displays, 1); ++i) {
    const int opened = host::OpenDisplay(displayMode, defaultDisplaySize, defaultDisplaySize);
    if (opened == 0) return Fail("the module opened no display");
    if (i == 0) display = opened;
  }
  int selected = display;
  if (script != nullptr) {
    const int status = RunScript(*script, std::cout, std::cerr, selected);
    // A read that failed ends the script as the end of the input does.
    if (script == &std::cin && std::ferror(stdin))
      return Fail(std::string("standard input: cannot read: ") + std::strerror(errno));
    if (status != 0) return status;
  }
  std::string error;
  if (!options.png.empty() || !options.plan.empty()) {
    for (const auto& [option, path, write] :
         {std::tuple{"--png", &options.png, &WriteDisplayPicture},
          {"--plan", &options.plan, &WritePlanPicture}}) {
      if (path->empty()) continue;
      if (selected == 0) return Fail(std::string(option) + ": no display is open");
      if (!write(selected, *path, error)) return Fail(error);
      // Where it went, as the script's own picture commands say it.
      std::cout << (option + 2) << ' ' << *path << '\n';
    }
    return 0;
  }
  if (script != nullptr) return 0;
  const std::optional<int> status = RunCockpit(display, error);
  return status ? *status : Fail(error);
}

}  // namespace

int RunProgram(int argc, char** argv) {
  // (On Windows the host library has put the standard streams in binary
  // mode, so that answers end their lines with \n alone there too.)
#ifndef _WIN32
  // A reader that has gone, or a file grown past the size allowed, makes a
  // failed write, reported as one, rather than a silent end (which would
  // leave a picture's temporary file behind).
  std::signal(SIGPIPE, SIG_IGN);
  std::signal(SIGXFSZ, SIG_IGN);
#endif
  Options options;
  std::string error;
  switch (ParseCommandLine(argc, argv, options, std::cout, error)) {
    case CommandLineResult::Done:
      return Finish(0);
    case CommandLineResult::Error:
      return Fail(error);
    case CommandLineResult::Run:
      break;
  }

  if (!options.writeScenario.empty()) {
    if (!WriteScenarioFile(options.writeScenario, BuiltInScenario(), options.force, error))
      return Fail(options.writeScenario + ": " + error +
                  (error == fileExistsReason ? "; --force replaces it" : ""));
    return 0;
  }

  Scenario scenario;
  if (!options.scenario.empty()) options.scenario = FindScenario(options.scenario, argv[0]);
  std::string skipped;
  if (options.scenario.empty())
    scenario = BuiltInScenario();
  else if (!ReadEitherScenarioFile(options.scenario, scenario, skipped, error))
    return Fail(error);
  if (!skipped.empty())
    std::fprintf(stderr, "jaunt-sim: %s: skipped, as jaunt-sim does not read them: %s\n",
                 options.scenario.c_str(), skipped.c_str());

  std::istringstream scriptText;
  std::istream* script = nullptr;
  if (options.script == "-") {
    script = &std::cin;
  } else if (!options.script.empty()) {
    std::string text;
    // One byte more than a script may hold is enough to refuse it.
    if (!ReadTextFile(options.script, text, error, maxScriptBytes + 1))
      return Fail(options.script + ": " + error);
    if (text.size() > maxScriptBytes)
      return Fail(options.script + ": larger than " + std::to_string(maxScriptBytes) +
                  " bytes, the most a script may hold");
    scriptText.str(text);
    script = &scriptText;
  } else if (options.png.empty() && options.plan.empty() && !CockpitCanStart(error)) {
    return Fail(error);
  }

  const std::string module =
      options.module.empty() ? DefaultModulePath(argv[0]).string() : options.module;
  if (!LoadFlightModule(module, error)) return Fail(module + ": " + error);
  int status;
  if (!ApplyScenario(scenario, error))
    status =
        Fail((options.scenario.empty() ? "built-in scenario" : options.scenario) + ": " + error);
  else
    status = Fly(options, script, scenario.displays);
  host::ResetSimulation();
  host::UnloadAllModules();
  return Finish(status);
}

}  // namespace sim
