#include "app/CommandLine.h"

#include <CLI/CLI.hpp>

#include "cockpit/CockpitHelp.h"
#include "common/InstallLayout.h"
#include "host/Formatted.h"
#include "script/ScriptRunner.h"

namespace sim {

namespace {

// After the options: the cockpit's keys, the script's commands and where
// scenarios are described and found.
std::string Footer(const char* argv0) {
  std::string text;
  if (JAUNT_SIM_FULL_BUILD) {
    text +=
        "Cockpit keys (without --script, in a terminal):\n"
        "  letters      the display's keys, either case: T target, D distance,\n"
        "               V speed, N no target, W jump\n";
    for (const KeyHelp& key : CockpitKeys())
      text += host::Formatted("  %-12s %s\n", key.keys, key.does);
    text += "\n";
  } else {
    text +=
        "This build has no interactive cockpit, no pictures (--png, --plan) and no built-in\n"
        "solar system: give --scenario and --script. Those parts need libraries\n"
        "that only the Linux build has.\n\n";
  }
  text += "Script commands (--script FILE, one a line; # starts a comment):\n" + CommandTable();
  text +=
      "\nScenario files (--scenario FILE) are TOML, or the host's own .scn files, described\n"
      "in " +
      (DocumentFolder(argv0) / "docs" / "scenarios.md").string() +
      "\nExamples to start from, which --scenario also finds by name:\n  " +
      ExampleScenarioFolder(argv0).string();
  return text;
}

}  // namespace

CommandLineResult ParseCommandLine(int argc, const char* const* argv, Options& options,
                                   std::ostream& out, std::string& error) {
  CLI::App app{
      "jaunt-sim: the stand-in host as a program. Flies the Jaunt display in an\n"
      "interactive cockpit, or by a script of commands without a terminal.",
      "jaunt-sim"};
  app.add_option("--scenario", options.scenario,
                 "Scenario file (TOML, or the host's .scn); default: the solar system")
      ->type_name("FILE");
  app.add_option("--module", options.module,
                 "The plug-in module to load; default: the one beside this program")
      ->type_name("FILE");
  app.add_option("--script", options.script,
                 "Run the commands of FILE (- for standard input) instead of the cockpit")
      ->type_name("FILE|-");
  app.add_option("--png", options.png,
                 "Write the display as a picture: after the script, or of the opening display")
      ->type_name("FILE");
  app.add_option("--plan", options.plan,
                 "Write the selected display's jump plan as a picture, as --png does the display")
      ->type_name("FILE");
  app.add_option("--write-scenario", options.writeScenario,
                 "Write the built-in solar system as a scenario file to start from, and stop")
      ->type_name("FILE");
  app.add_flag("--force", options.force, "With --write-scenario: replace a file already there");
  app.footer(Footer(argc > 0 ? argv[0] : "jaunt-sim"));
  app.set_version_flag("--version", std::string("jaunt-sim ") + JAUNT_VERSION);
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    out << app.help();
    return CommandLineResult::Done;
  } catch (const CLI::CallForVersion& e) {
    out << e.what() << '\n';
    return CommandLineResult::Done;
  } catch (const CLI::ParseError& e) {
    error = std::string(e.what()) + " (see --help)";
    return CommandLineResult::Error;
  }
  // `--script ""` would otherwise mean the cockpit, and the others their defaults.
  for (const auto& [name, value] : {std::pair{"--scenario", &options.scenario},
                                    {"--module", &options.module},
                                    {"--script", &options.script},
                                    {"--png", &options.png},
                                    {"--plan", &options.plan},
                                    {"--write-scenario", &options.writeScenario}}) {
    if (value->empty() && app.count(name) > 0) {
      error = std::string(name) + ": the file name is empty";
      return CommandLineResult::Error;
    }
  }
  // Checked here rather than by the parser, which would clutter --help.
  if (!options.writeScenario.empty() &&
      !(options.scenario.empty() && options.module.empty() && options.script.empty() &&
        options.png.empty() && options.plan.empty())) {
    error =
        "--write-scenario stands alone: it cannot go with --scenario, --module, --script, --png "
        "or --plan";
    return CommandLineResult::Error;
  }
  if (options.force && options.writeScenario.empty()) {
    error = "--force goes with --write-scenario alone";
    return CommandLineResult::Error;
  }
  return CommandLineResult::Run;
}

}  // namespace sim
