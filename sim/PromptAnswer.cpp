#include "PromptAnswer.h"

#include <cstdio>

#include "JumpAim.h"
#include "PageReading.h"
#include "host/Displays.h"
#include "host/InputBox.h"
#include "host/Vector.h"
#include "host/World.h"

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

// The focus vessel as it stood before the answer. The page is not drawn
// then: drawing refreshes the module's target data, and the answer should
// find the module as the pilot left it.
struct Before {
  ObjectHandle ship = nullptr;
  ObjectHandle holder = nullptr;
  VECTOR3 pos{};
  host::Rotation attitude;
};

Before Look() {
  Before before;
  const host::Object* ship = host::TheWorld().Find(host::TheWorld().Focus());
  if (ship == nullptr) return before;
  before.ship = ship->handle;
  before.holder = ship->parent;
  before.pos = ship->pos;
  before.attitude = ship->attitude;
  return before;
}

// A jump is made when a new holder has taken the ship: the carrier, created
// at the destination. The answer moves no time on, so the page drawn after
// it still shows the settings the jump was planned with.
std::string HowTheJumpWent(const std::string& text, const Before& before, int number) {
  const host::Object* ship = host::TheWorld().Find(before.ship);
  if (ship == nullptr || ship->parent == nullptr || ship->parent == before.holder)
    return text == "y" || text == "Y" ? "no jump made" : "no jump (only y or Y confirms)";
  const host::Page page = PageOf(number);
  char moved[64];
  std::snprintf(moved, sizeof moved, "%.1f km", host::Length(ship->pos - before.pos) / 1000);
  if (!Shows(page, badJumpText)) return "safe jump, " + ship->name + " moved " + moved;
  const std::optional<VECTOR3> aim = PlannedDestination(page, before.pos, before.attitude);
  if (!aim) return "unsafe jump, " + ship->name + " moved " + moved + " (its aim is not known)";
  return "unsafe jump, " + ship->name + " landed " + RoughDistance(host::Length(ship->pos - *aim)) +
         " from the planned destination";
}

std::string Setting(const std::optional<std::string>& shown, const char* what) {
  return std::string(what) + " " + shown.value_or("(not shown)");
}

}  // namespace

std::optional<PromptAnswer> AnswerPrompt(int number, const std::string& text) {
  const std::optional<host::InputBoxView> box = host::OpenInputBox();
  if (!box) return std::nullopt;
  const Question question = QuestionOf(box->title);
  const Before before = Look();
  const bool accepted = host::AnswerInputBox(text).value_or(false);
  std::string event = "answered \"" + text + "\"";
  if (!accepted) return PromptAnswer{false, event + ", refused: try again"};
  switch (question) {
    case Question::Target:
      event += ": " + Setting(TextAfter(PageOf(number), targetLabel), "target");
      break;
    case Question::Distance:
      event += ": " + Setting(ValueUnder(PageOf(number), distanceLabel), "distance");
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
