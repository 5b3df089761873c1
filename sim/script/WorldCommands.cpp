// Script commands that work the world: time steps, object states, the list
// of vessels, the focus vessel, removing objects, and a new session.
#include <string>

#include "common/InstallLayout.h"
#include "common/SimDefaults.h"
#include "common/Utf8Text.h"
#include "host/Displays.h"
#include "host/Simulation.h"
#include "host/World.h"
#include "script/ScriptCommands.h"
#include "world/HostScenarioFile.h"
#include "world/Scenario.h"
#include "world/StateText.h"

namespace sim {

namespace {

// A day at most: the world's bounds keep every single step of that length
// finite, however the scenario was made.
constexpr int longestStep = 86400;  // s

host::Object& ObjectNamed(const std::string& name) {
  host::Object* object = host::TheWorld().FindByName(name);
  if (object == nullptr) throw ScriptError{"no object named " + QuotedText(name)};
  return *object;
}

void Step(ScriptContext& /*context*/, const ScriptLine& line) {
  ExpectArgCount(line, 0, 2);
  const long long count = line.args.empty() ? 1 : IntegerArg(line.args[0], "N", 0, 1000000000);
  const double dt = line.args.size() > 1 ? PositiveArg(line.args[1], "DT") : defaultTimeStep;
  if (dt > longestStep)
    throw ScriptError{"DT must be at most " + std::to_string(longestStep) + " (a day), not " +
                          QuotedText(line.args[1]),
                      true};
  for (long long i = 0; i < count; ++i) host::Step(dt);
}

void State(ScriptContext& context, const ScriptLine& line) {
  context.out << StateText(ObjectNamed(NameArg(line))) << '\n';
}

void Vessels(ScriptContext& context, const ScriptLine& line) {
  ExpectArgCount(line, 0, 0);
  host::World& world = host::TheWorld();
  context.out << "vessels ->";
  const char* separator = " ";
  for (ObjectHandle vessel : world.Vessels()) {
    context.out << separator << world.Find(vessel)->name;
    separator = ", ";
  }
  context.out << '\n';
}

void Focus(ScriptContext& context, const ScriptLine& line) {
  const std::string name = NameArg(line);
  // No object may bear the name "none", in any case.
  host::Object* object = host::FoldedName(name) == "none" ? nullptr : &ObjectNamed(name);
  if (object != nullptr && object->kind != host::ObjectKind::Vessel)
    throw ScriptError{QuotedText(object->name) + " is not a vessel"};
  // Every display closes and opens again: a box one of them opened is left
  // without it.
  if (context.promptDisplay != 0) context.promptDisplay = closedDisplay;
  host::ChangeFocus(object != nullptr ? object->handle : nullptr);
  context.out << "focus -> " << (object != nullptr ? object->name : "none") << '\n';
}

void Delete(ScriptContext& context, const ScriptLine& line) {
  host::Object& object = ObjectNamed(NameArg(line));
  const std::string name = object.name;
  host::RemoveFromSession(object.handle);
  context.out << "deleted " << name << '\n';
}

// A new session, as the host starts one from its launch dialog: the one
// running ends (its displays close and its world goes, and the module is
// told), and the scenario's world is made with its displays open on it, the
// first selected. The module stays loaded.
void Session(ScriptContext& context, const ScriptLine& line) {
  // Found as --scenario finds it; the program's own folder is known
  // without its name.
  const std::string path = FindScenario(NameArg(line), "jaunt-sim");
  Scenario scenario;
  std::string skipped, error;
  if (!ReadEitherScenarioFile(path, scenario, skipped, error)) throw ScriptError{error};
  if (!ApplyScenario(scenario, error)) throw ScriptError{path + ": " + error};
  context.promptDisplay = 0;
  context.selected = 0;
  for (int i = 0; i < scenario.displays; ++i) {
    const int number = host::OpenDisplay(displayMode, defaultDisplaySize, defaultDisplaySize);
    if (number == 0) throw ScriptError{"the module opened no display"};
    if (context.selected == 0) context.selected = number;
  }
  if (!skipped.empty())
    context.Tell("session: skipped, as jaunt-sim does not read them: " + skipped);
  context.Tell("session " + scenario.name + " began");
  context.out << "session " << scenario.name << ": display " << context.selected << " open\n";
}

constexpr Command commands[] = {
    {"step", "step [N] [DT]", "N time steps (1) of DT seconds (0.05)", "step 60", Step},
    {"state", "state NAME", "an object's position, velocity and holder", "state GL-01", State},
    {"vessels", "vessels", "the vessels, in order", "vessels", Vessels},
    {"focus", "focus NAME|none", "make a vessel the focus (displays reopen)", "focus ISS", Focus},
    {"delete", "delete NAME", "remove a vessel or a body", "delete ISS", Delete},
    {"session", "session FILE", "end the session, start another from FILE", "session earth_moon",
     Session},
};

}  // namespace

std::span<const Command> WorldCommands() {
  return commands;
}

}  // namespace sim
