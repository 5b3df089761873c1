// jaunt-sim: the stand-in host as a program. It loads the module as the
// host loads a plug-in, makes the world from a scenario, opens one display
// of the module's mode on the focus vessel, and then flies it: from a
// script, in the interactive cockpit, or just long enough for pictures.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <tuple>

#include "BuiltInScenario.h"
#include "Cockpit.h"
#include "CommandLine.h"
#include "ModuleFile.h"
#include "Picture.h"
#include "PlanPicture.h"
#include "Scenario.h"
#include "ScenarioFile.h"
#include "Script.h"
#include "TextFile.h"
#include "host/Displays.h"
#include "host/ModuleLoader.h"
#include "host/Simulation.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

constexpr int failureStatus = 2;

int Fail(const std::string& message) {
  std::fprintf(stderr, "jaunt-sim: %s\n", message.c_str());
  return failureStatus;
}

// Everything the program does once its inputs are known to be good.
int Fly(const sim::Options& options, std::istream* script) {
  const int display = host::OpenDisplay(sim::displayMode, 256, 256);
  if (display == 0) return Fail("the module opened no display");
  int selected = display;
  if (script != nullptr) {
    const int status = sim::RunScript(*script, std::cout, std::cerr, selected);
    std::cout.flush();
    if (status != 0) return status;
  }
  std::string error;
  if (!options.png.empty() || !options.plan.empty()) {
    for (const auto& [option, path, write] :
         {std::tuple{"--png", &options.png, &sim::WriteDisplayPicture},
          {"--plan", &options.plan, &sim::WritePlanPicture}}) {
      if (path->empty()) continue;
      if (selected == 0) return Fail(std::string(option) + ": no display is open");
      if (!write(selected, *path, error)) return Fail(error);
    }
    return 0;
  }
  if (script == nullptr && !sim::RunCockpit(display, error)) return Fail(error);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  // Answers end their lines with \n alone on every system, as scripts compare them.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
#endif
  sim::Options options;
  std::string error;
  switch (sim::ParseCommandLine(argc, argv, options, std::cout, error)) {
    case sim::CommandLineResult::Done:
      return 0;
    case sim::CommandLineResult::Error:
      return Fail(error);
    case sim::CommandLineResult::Run:
      break;
  }

  sim::Scenario scenario;
  if (options.scenario.empty())
    scenario = sim::BuiltInScenario();
  else if (!sim::ReadScenarioFile(options.scenario, scenario, error))
    return Fail(error);

  std::istringstream scriptText;
  std::istream* script = nullptr;
  if (options.script == "-") {
    script = &std::cin;
  } else if (!options.script.empty()) {
    std::string text;
    if (!sim::ReadTextFile(options.script, text, error)) return Fail(options.script + ": " + error);
    scriptText.str(text);
    script = &scriptText;
  } else if (options.png.empty() && options.plan.empty() && !sim::CockpitCanStart(error)) {
    return Fail(error);
  }

  const std::string module =
      options.module.empty() ? sim::DefaultModulePath(argv[0]) : options.module;
  if (!sim::LoadFlightModule(module, error)) return Fail(module + ": " + error);
  int status;
  if (!sim::ApplyScenario(scenario, error))
    status =
        Fail((options.scenario.empty() ? "built-in scenario" : options.scenario) + ": " + error);
  else
    status = Fly(options, script);
  host::ResetSimulation();
  host::UnloadAllModules();
  return status;
}
