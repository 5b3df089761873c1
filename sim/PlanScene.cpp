#include "PlanScene.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "PageReading.h"
#include "host/Displays.h"
#include "host/InputBox.h"
#include "host/Simulation.h"
#include "host/World.h"

namespace sim {

namespace {

constexpr char carrierName[] = "jaunt_dummy";

VECTOR3 ForwardAxis(const host::Object& vessel) {
  return vessel.attitude.Apply(MakeVector(0, 0, 1));
}

// The plan's input for a ship where and as it stands, the page's settings
// and the world as it is now.
bool BuildInput(const host::Object& ship, const VECTOR3& shipPos, const VECTOR3& shipAxis,
                const PageSettings& settings, PlanInput& input, std::string& error) {
  host::World& world = host::TheWorld();
  input = PlanInput{};
  input.shipPos = shipPos;
  input.shipAxis = shipAxis;
  input.shipSize = ship.size;
  input.distance = settings.distance;
  if (!settings.target.empty()) {
    const host::Object* target = world.FindByName(settings.target);
    if (target == nullptr) {
      error = "the target \"" + settings.target + "\" on the page is not in the world";
      return false;
    }
    input.hasTarget = true;
    input.targetPos = target->pos;
    input.targetRadius = target->size;
  }
  for (ObjectHandle handle : world.Bodies()) {
    const host::Object* body = world.Find(handle);
    input.bodies.push_back({body->name, body->pos, body->mass, body->size});
  }
  return true;
}

// The last jump made, with the plan it was made on.
struct JumpRecord {
  ObjectHandle ship;
  PageSettings settings;
  PlanInput input;
  JumpMade made;
};
std::optional<JumpRecord>& LastJump() {
  static std::optional<JumpRecord> record;
  return record;
}

// The same settings, whatever the page says of the estimate and the last jump.
bool SameSettings(const PageSettings& a, const PageSettings& b) {
  return a.target == b.target && a.distanceText == b.distanceText && a.speedText == b.speedText;
}

}  // namespace

namespace {

// A percentage at the start of `text`: a number, then %.
std::optional<double> PercentAt(const char* text) {
  char* end = nullptr;
  const double percent = std::strtod(text, &end);
  if (end == text || *end != '%' || !std::isfinite(percent)) return std::nullopt;
  return percent;
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
  if (target && TextAfter(page, targetDistanceLabel)) settings.target = *target;
  settings.distanceText = ValueUnder(page, distanceLabel).value_or("");
  settings.speedText = ValueUnder(page, speedLabel).value_or("");
  settings.badJump = Shows(page, badJumpText);
  if (const std::optional<std::string> line = TextAfter(page, probabilityLabel))
    settings.probability = PercentAt(line->c_str());
  const std::optional<double> distance = MetresOf(settings.distanceText);
  const std::optional<double> speed = MetresPerSecondOf(settings.speedText);
  if (!target)
    error = "the page shows no target line";
  else if (!distance)
    error = "cannot read the distance setting \"" + settings.distanceText + "\" on the page";
  else if (!speed)
    error = "cannot read the speed setting \"" + settings.speedText + "\" on the page";
  else
    error.clear();
  settings.distance = distance.value_or(0);
  settings.speed = speed.value_or(0);
  return error.empty();
}

bool GatherPlan(int number, PlanScene& scene, std::string& error) {
  if (host::DisplayObject(number) == nullptr) {
    error = "display " + std::to_string(number) + " is not open";
    return false;
  }
  scene = PlanScene{};
  if (!ReadPageSettings(host::DrawDisplay(number), scene.settings, error)) return false;
  host::World& world = host::TheWorld();
  const host::Object* ship = world.Find(world.Focus());
  if (ship == nullptr) {
    error = "there is no focus vessel to plan a jump for";
    return false;
  }
  scene.mjd = host::SimDate();
  scene.vessel = ship->name;
  scene.shipNow = ship->pos;
  scene.axisNow = ForwardAxis(*ship);
  const std::optional<JumpRecord>& jump = LastJump();
  // Until the module estimates anew, its settings still describe that jump.
  if (jump && jump->ship == ship->handle && SameSettings(jump->settings, scene.settings) &&
      !scene.settings.probability) {
    scene.input = jump->input;
    scene.jump = jump->made;
    return true;
  }
  return BuildInput(*ship, scene.shipNow, scene.axisNow, scene.settings, scene.input, error);
}

JumpWatch::JumpWatch() {
  host::World& world = host::TheWorld();
  const host::Object* focus = world.Find(world.Focus());
  if (focus == nullptr) return;
  ship = focus->handle;
  shipPos = focus->pos;
  shipAxis = ForwardAxis(*focus);
  vessels = world.Vessels();
  if (const std::optional<host::InputBoxView> box = host::OpenInputBox())
    askedProbability = ProbabilityIn(box->title);
}

void JumpWatch::Answered(int number) {
  host::World& world = host::TheWorld();
  const host::Object* focus = world.Find(ship);
  if (focus == nullptr || host::DisplayObject(number) == nullptr) return;
  const host::Object* carrier = nullptr;
  for (ObjectHandle handle : world.Vessels()) {
    const host::Object* vessel = world.Find(handle);
    if (vessel->name == carrierName &&
        std::find(vessels.begin(), vessels.end(), handle) == vessels.end())
      carrier = vessel;
  }
  if (carrier == nullptr) return;
  // The jump changed none of the settings, so the page still shows them.
  PageSettings settings;
  PlanInput input;
  std::string error;
  if (!ReadPageSettings(host::DrawDisplay(number), settings, error) ||
      !BuildInput(*focus, shipPos, shipAxis, settings, input, error)) {
    LastJump().reset();
    return;
  }
  LastJump() =
      JumpRecord{ship, settings, input, JumpMade{host::SimTime(), carrier->pos, askedProbability}};
}

void ForgetJump() {
  LastJump().reset();
}

}  // namespace sim
