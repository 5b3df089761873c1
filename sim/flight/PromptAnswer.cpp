#include "flight/PromptAnswer.h"

#include <cctype>

#include "display/NameSuggestions.h"
#include "display/PageReading.h"
#include "flight/JumpAim.h"
#include "host/Displays.h"
#include "host/Formatted.h"
#include "host/InputBox.h"
#include "host/Simulation.h"
#include "host/Vector.h"
#include "host/World.h"
#include "plan/PlanScene.h"
#include "world/Scenario.h"

namespace sim {

namespace {

// What the box asks for, by its title, which the pilot reads too.
enum class Question { Target, Distance, Speed, Jump, Other };

Question QuestionOf(const std::string& title) {
  if (title.find("(y/n)") != std::string::npos) return Question::Jump;
  if (title.find("distance") != std::string::npos) return Question::Distance;
  if (title.find("velocity") != std::string::npos) return Question::Speed;
  if (title.find("Target") != std::string::npos) return Question::Target;
  return Question::Other;
}

host::Page PageOf(int number) {
  return host::DisplayObject(number) != nullptr ? host::DrawDisplay(number) : host::Page{};
}

// The focus vessel as it stood before the answer, and what the question
// said. The page is not drawn then: drawing refreshes the module's target
// data, and the answer should find the module as the pilot left it.
struct Before {
  ObjectHandle ship = nullptr;
  ObjectHandle holder = nullptr;
  VECTOR3 pos{}, axis{};
  std::optional<double> askedProbability;
};

Before Look(const host::InputBoxView& box) {
  Before before;
  before.askedProbability = ProbabilityIn(box.title);
  const host::Object* ship = host::TheWorld().Find(host::TheWorld().Focus());
  if (ship == nullptr) return before;
  before.ship = ship->handle;
  before.holder = ship->parent;
  before.pos = ship->pos;
  before.axis = ship->attitude.Apply(MakeVector(0, 0, 1));
  return before;
}

// A distance as the page writes it, without its AU.
std::string Shown(const std::string& text) {
  return text.substr(0, text.find(" ("));
}

// The target's name as the world has it; the page cuts long names.
std::string TargetName(int number, const PageSettings& settings) {
  const host::Object* target = host::TheWorld().Find(host::FollowedObject(number));
  return target != nullptr ? target->name : settings.target;
}

// Why a confirmed jump made nothing, from what the page and the world show.
std::string WhyNoJump(const Before& before, int number) {
  host::World& world = host::TheWorld();
  const host::Object* ship = world.Find(before.ship);
  if (ship == nullptr) return "there is no focus vessel";
  if (const host::Object* holder = world.Find(ship->parent))
    return holder->name + " still holds " + ship->name +
           " (a carrier lets go on the third time step after its jump)";
  const host::Page page = PageOf(number);
  PageSettings settings;
  PlanInput input;
  std::string error;
  if (!PlanFromPage(number, *ship, before.pos, before.axis, settings, input, error)) {
    if (settings.hasTarget && Shows(page, targetLostText))
      return "the target " + settings.target + " is lost: it is no longer in the world";
    return error;
  }
  const Plan plan = SolvePlan(input);
  if (!plan.solved) {
    const std::string present = TextAfter(page, targetDistanceLabel).value_or("?");
    return "the final distance, " + Shown(settings.distanceText) +
           ", is not below the present distance to " + TargetName(number, settings) + ", " +
           Shown(present);
  }
  if (!(host::Length(plan.destination) + plan.scatterReach <= maxDistance))
    return "the ship could land outside the world (1e18 m from its origin)";
  return "the host made no carrier (see its reports)";
}

// A jump is made when a new holder has taken the ship: the carrier, created
// at the destination. The answer moves no time on, so the page drawn after
// it still shows the settings the jump was planned with.
std::string HowTheJumpWent(const std::string& text, const Before& before, int number) {
  const host::Object* ship = host::TheWorld().Find(before.ship);
  const bool yes = text == "y" || text == "Y";
  if (ship == nullptr || ship->parent == nullptr || ship->parent == before.holder)
    return yes ? "no jump made: " + WhyNoJump(before, number) : "no jump (only y or Y confirms)";
  PageSettings settings;
  PlanInput input;
  std::string error;
  const bool planned = PlanFromPage(number, *ship, before.pos, before.axis, settings, input, error);
  if (planned)
    RecordJump(number, *ship, settings, input,
               JumpMade{host::SimTime(), ship->pos, before.askedProbability});
  else
    ForgetJump();
  // In tenths of a kilometre as far as the world reaches (1e18 m); beyond,
  // should a world let a ship go so far, in three figures.
  const double km = host::Length(ship->pos - before.pos) / 1000;
  const std::string moved = host::Formatted(km < 1e15 ? "%.1f km" : "%.3g km", km);
  if (!settings.badJump) return "safe jump, " + ship->name + " moved " + moved;
  const Plan plan = planned ? SolvePlan(input) : Plan{};
  if (!plan.solved)
    return "unsafe jump, " + ship->name + " moved " + moved + " (its aim is not known)";
  return "unsafe jump, " + ship->name + " landed " +
         RoughDistance(host::Length(ship->pos - plan.destination)) +
         " from the planned destination";
}

std::string Setting(const std::optional<std::string>& shown, const char* what) {
  return std::string(what) + " " + shown.value_or("(not shown)");
}

// The target the display now follows, by the name the world gives it: the
// page cuts long names.
std::string TargetSet(int number) {
  const host::Page page = PageOf(number);
  if (const host::Object* target = host::TheWorld().Find(host::FollowedObject(number)))
    return "target " + target->name;
  return Setting(TextAfter(page, targetLabel), "target");  // None, or a target lost
}

// Why a target name was refused, from what the world has.
std::string WhyNoTarget(const std::string& text) {
  host::World& world = host::TheWorld();
  if (world.FindByName(text) != nullptr) return "the display cannot keep a name that long";
  std::vector<std::string> names;
  for (const auto* list : {&world.Bodies(), &world.Vessels()}) {
    for (ObjectHandle handle : *list) names.push_back(world.Find(handle)->name);
  }
  const std::string suggestion = DidYouMean(ClosestNames(text, names));
  return "no such object" + (suggestion.empty() ? "" : "; " + suggestion);
}

// Why a typed distance was refused, read from the text and the question:
// the display itself only says no. `fromTarget`: the question asks for a
// final distance from a target, where a share (%) may be typed.
std::string WhyNoDistance(const std::string& text, bool fromTarget) {
  if (text.empty()) return "no distance typed";
  const char first = text[0];
  if (first == '%' && !fromTarget) return "a share (%) needs a target";
  if (text.size() == 1 && std::string("%KkMmGgAa").find(first) != std::string::npos)
    return std::string("no number after the ") + first;
  if (first == '%') return "a share is from 0 to 100 %";
  if (text.size() > 255) return "a number that long is not read";
  return "a distance is 0 or more, and finite";
}

// The distance prompt reads a unit letter only before the number: a letter
// after it is ignored, which the pilot should hear of. A lower-case m after
// the number is left alone: the pilot may have meant metres (and got them),
// millimetres or megametres.
std::string UnreadUnit(const std::string& text) {
  const auto at = [&](std::size_t i) { return i < text.size() ? text[i] : '\0'; };
  const auto digit = [&](std::size_t i) { return std::isdigit(static_cast<unsigned char>(at(i))); };
  std::size_t i = 0;
  while (at(i) == ' ' || at(i) == '\t') ++i;
  const std::size_t start = i;
  if (at(i) == '+' || at(i) == '-') ++i;
  const std::size_t digits = i;
  while (digit(i)) ++i;
  if (at(i) == '.') ++i;
  while (digit(i)) ++i;
  if (i == digits || (i == digits + 1 && at(digits) == '.')) return {};
  if ((at(i) == 'e' || at(i) == 'E') &&
      (digit(i + 1) || ((at(i + 1) == '+' || at(i + 1) == '-') && digit(i + 2)))) {
    i += 2;
    while (digit(i)) ++i;
  }
  const std::string number = text.substr(start, i - start);
  while (at(i) == ' ') ++i;
  const char unit = at(i);
  if (unit == '\0' || std::string("KkMGgAa%").find(unit) == std::string::npos) return {};
  return std::string(", the ") + unit + " after the number is not read; write " + unit + number;
}

}  // namespace

std::optional<PromptAnswer> AnswerPrompt(int number, const std::string& text) {
  const std::optional<host::InputBoxView> box = host::OpenInputBox();
  if (!box) return std::nullopt;
  const Question question = QuestionOf(box->title);
  const Before before = Look(*box);
  const bool accepted = host::AnswerInputBox(text).value_or(false);
  std::string event = "answered \"" + text + "\"";
  if (!accepted) {
    std::string reason = "the display did not take it";
    if (question == Question::Target) reason = WhyNoTarget(text);
    if (question == Question::Speed) reason = "a speed is a finite number";
    if (question == Question::Distance)
      reason = WhyNoDistance(text, box->title.find("target") != std::string::npos);
    return PromptAnswer{false, event + ", refused: " + reason};
  }
  switch (question) {
    case Question::Target:
      event += ": " + TargetSet(number);
      break;
    case Question::Distance:
      event +=
          ": " + Setting(ValueUnder(PageOf(number), distanceLabel), "distance") + UnreadUnit(text);
      break;
    case Question::Speed:
      event += ": " + Setting(ValueUnder(PageOf(number), speedLabel), "speed");
      break;
    case Question::Jump:
      event += ": " + HowTheJumpWent(text, before, number);
      break;
    case Question::Other:
      break;
  }
  return PromptAnswer{true, event};
}

}  // namespace sim
