#include "plan/PlanScene.h"

#include <cmath>
#include <cstdlib>

#include "display/PageReading.h"
#include "host/Displays.h"
#include "host/Simulation.h"
#include "world/NearestBody.h"

namespace sim {

namespace {

VECTOR3 ForwardAxis(const host::Object& vessel) {
  return vessel.attitude.Apply(MakeVector(0, 0, 1));
}

// The last jump made, with the plan it was made on.
struct JumpRecord {
  int display;
  ObjectHandle ship;
  PageSettings settings;
  PlanInput input;
  JumpMade made;
  // What the ship's place is measured against afterwards, and where that
  // stood at the jump; null when nothing was near.
  ObjectHandle frame;
  VECTOR3 frameAtJump;
};
std::optional<JumpRecord>& LastJump() {
  static std::optional<JumpRecord> record;
  return record;
}

// The same settings, whatever the page says of the estimate and the last jump.
bool SameSettings(const PageSettings& a, const PageSettings& b) {
  return a.hasTarget == b.hasTarget && a.target == b.target && a.distanceText == b.distanceText &&
         a.speedText == b.speedText;
}

// A percentage at the start of `text`: a number, then %.
std::optional<double> PercentAt(const char* text) {
  char* end = nullptr;
  const double percent = std::strtod(text, &end);
  if (end == text || *end != '%' || !std::isfinite(percent)) return std::nullopt;
  return percent;
}

// The start of a text too long to quote whole.
std::string Quoted(const std::string& text) {
  constexpr std::size_t shown = 16;
  return "\"" + (text.size() > shown ? text.substr(0, shown) + "..." : text) + "\"";
}

}  // namespace

std::optional<double> ProbabilityIn(const std::string& text) {
  const std::size_t at = text.find(probabilityLabel);
  if (at == std::string::npos) return std::nullopt;
  return PercentAt(text.c_str() + at + probabilityLabel.size());
}

bool ReadPageSettings(const host::Page& page, PageSettings& settings, std::string& error) {
  settings = PageSettings{};
  const std::optional<std::string> target = TextAfter(page, targetLabel);
  // "None" stands for no target, unless the target's lines say otherwise.
  settings.hasTarget = target && TextAfter(page, targetDistanceLabel);
  if (settings.hasTarget) settings.target = *target;
  settings.distanceText = ValueUnder(page, distanceLabel).value_or("");
  settings.speedText = ValueUnder(page, speedLabel).value_or("");
  settings.badJump = Shows(page, badJumpText);
  if (const std::optional<std::string> line = TextAfter(page, probabilityLabel))
    settings.probability = PercentAt(line->c_str());
  const std::optional<double> distance = MetresOf(settings.distanceText);
  settings.distance = distance.value_or(0);
  const std::string& text = settings.distanceText;
  if (!target)
    error = "the page shows no target line";
  else if (distance)
    error.clear();
  else if (!text.empty() && text.find_first_not_of("0123456789") == std::string::npos)
    error = "cannot draw this plan: the page shows only the first " + std::to_string(text.size()) +
            " digits of the distance setting (" + Quoted(text) + "), too few to know its value";
  else
    error = "cannot read the distance setting \"" + text + "\" on the page";
  return error.empty();
}

bool PlanFromPage(int number, const host::Object& ship, const VECTOR3& shipPos,
                  const VECTOR3& shipAxis, PageSettings& settings, PlanInput& input,
                  std::string& error) {
  if (host::DisplayObject(number) == nullptr) {
    error = "display " + std::to_string(number) + " is not open";
    return false;
  }
  if (!ReadPageSettings(host::DrawDisplay(number), settings, error)) return false;
  host::World& world = host::TheWorld();
  input = PlanInput{};
  input.shipPos = shipPos;
  input.shipAxis = shipAxis;
  input.shipSize = ship.size;
  input.distance = settings.distance;
  if (settings.hasTarget) {
    // The object the display asked the host about, whatever name it prints.
    const host::Object* target = world.Find(host::FollowedObject(number));
    if (target == nullptr) {
      error = "the display's target " + Quoted(settings.target) + " is no longer in the world";
      return false;
    }
    input.hasTarget = true;
    input.targetPos = target->pos;
    input.targetRadius = target->size;
  }
  for (ObjectHandle handle : world.Bodies()) {
    const host::Object* body = world.Find(handle);
    if (handle == host::FollowedObject(number) && input.hasTarget)
      input.targetBody = static_cast<int>(input.bodies.size());
    input.bodies.push_back({body->name, body->pos, body->mass, body->size});
  }
  return true;
}

bool GatherPlan(int number, PlanScene& scene, std::string& error) {
  scene = PlanScene{};
  if (host::DisplayObject(number) == nullptr) {
    error = "display " + std::to_string(number) + " is not open";
    return false;
  }
  host::World& world = host::TheWorld();
  const host::Object* ship = world.Find(world.Focus());
  if (ship == nullptr) {
    error = "there is no focus vessel to plan a jump for";
    return false;
  }
  scene.shipNow = ship->pos;
  scene.axisNow = ForwardAxis(*ship);
  if (!PlanFromPage(number, *ship, scene.shipNow, scene.axisNow, scene.settings, scene.input,
                    error))
    return false;
  scene.mjd = host::SimDate();
  scene.vessel = ship->name;
  if (const host::Object* target = world.Find(host::FollowedObject(number)))
    scene.target = target->name;
  const std::optional<JumpRecord>& jump = LastJump();
  // Until the module estimates anew, its settings still describe that jump.
  if (jump && jump->display == number && jump->ship == ship->handle &&
      SameSettings(jump->settings, scene.settings) && !scene.settings.probability) {
    scene.input = jump->input;
    scene.jump = jump->made;
    if (const host::Object* frame = world.Find(jump->frame))
      scene.shipNow = jump->frameAtJump + (ship->pos - frame->pos);
  }
  return true;
}

void RecordJump(int number, const host::Object& ship, const PageSettings& settings,
                const PlanInput& input, const JumpMade& made) {
  host::World& world = host::TheWorld();
  const host::Object* frame =
      settings.hasTarget ? world.Find(host::FollowedObject(number)) : NearestBody(made.landed);
  LastJump() = JumpRecord{number,
                          ship.handle,
                          settings,
                          input,
                          made,
                          frame != nullptr ? frame->handle : nullptr,
                          frame != nullptr ? frame->pos : VECTOR3{}};
}

void ForgetJump() {
  LastJump().reset();
}

}  // namespace sim
