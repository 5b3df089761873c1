#include "PlanScene.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "host/Displays.h"
#include "host/InputBox.h"
#include "host/Simulation.h"
#include "host/World.h"

namespace sim {

namespace {

// The page's labels, as a pilot reads them.
constexpr char targetLabel[] = "[Shift-T] Target: ";
constexpr char targetDistanceLabel[] = "Curr. distance: ";
constexpr char distanceLabel[] = "[Shift-D] ";  // the setting follows on the next line
constexpr char speedLabel[] = "[Shift-V] ";
constexpr char probabilityLabel[] = "Probability of safe jaunt: ";
constexpr char badJumpText[] = "<<<Bad jump!>>>";
constexpr char carrierName[] = "jaunt_dummy";

bool StartsWith(const std::string& text, const char* prefix) {
  return text.compare(0, std::strlen(prefix), prefix) == 0;
}

// A number followed by a unit, as the page prints distances ("36.11 Mm
// (0.000 AU)", "-2500.0 m") and speeds ("2.170 Km/s").
std::optional<double> ReadQuantity(const std::string& text,
                                   std::initializer_list<std::pair<const char*, double>> units) {
  const char* begin = text.c_str();
  char* end = nullptr;
  const double number = std::strtod(begin, &end);
  if (end == begin || *end != ' ' || !std::isfinite(number)) return std::nullopt;
  const std::string rest(end + 1);
  const std::string unit = rest.substr(0, rest.find(' '));
  for (const auto& [name, factor] : units) {
    if (unit == name) return number * factor;
  }
  return std::nullopt;
}

VECTOR3 ForwardAxis(const host::Object& vessel) {
  return vessel.attitude.Apply(MakeVector(0, 0, 1));
}

// The plan's input for a ship where and as it stands, the page's settings
// and the world as it is now.
bool BuildInput(const host::Object& ship, const VECTOR3& shipPos, const VECTOR3& shipAxis,
                const PageSettings& settings, PlanScene& scene, std::string& error) {
  host::World& world = host::TheWorld();
  PlanInput& input = scene.input;
  input = PlanInput{};
  input.shipPos = shipPos;
  input.shipAxis = shipAxis;
  input.shipSize = ship.size;
  input.distance = settings.distance;
  const host::Object* target = nullptr;
  if (!settings.target.empty()) {
    target = world.FindByName(settings.target);
    if (target == nullptr) {
      error = "the target \"" + settings.target + "\" on the page is not in the world";
      return false;
    }
    input.hasTarget = true;
    input.targetPos = target->pos;
    input.targetRadius = target->size;
  }
  scene.bodyIsTarget.clear();
  for (ObjectHandle handle : world.Bodies()) {
    const host::Object* body = world.Find(handle);
    input.bodies.push_back({body->name, body->pos, body->mass, body->size});
    scene.bodyIsTarget.push_back(body == target);
  }
  return true;
}

// The last jump made, with the plan it was made on.
struct JumpRecord {
  ObjectHandle ship;
  PageSettings settings;
  PlanInput input;
  std::vector<bool> bodyIsTarget;
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

std::optional<double> ProbabilityIn(const std::string& text) {
  const std::size_t at = text.find(probabilityLabel);
  if (at == std::string::npos) return std::nullopt;
  const char* begin = text.c_str() + at + std::strlen(probabilityLabel);
  char* end = nullptr;
  const double percent = std::strtod(begin, &end);
  if (end == begin || *end != '%' || !std::isfinite(percent)) return std::nullopt;
  return percent;
}

bool ReadPageSettings(const host::Page& page, PageSettings& settings, std::string& error) {
  settings = PageSettings{};
  bool targetLine = false, targetSet = false;
  const std::vector<host::TextRun>& runs = page.runs;
  for (std::size_t i = 0; i < runs.size(); ++i) {
    const std::string& text = runs[i].text;
    const bool hasNext = i + 1 < runs.size();
    if (StartsWith(text, targetLabel)) {
      targetLine = true;
      settings.target = text.substr(std::strlen(targetLabel));
    } else if (StartsWith(text, targetDistanceLabel)) {
      targetSet = true;
    } else if (StartsWith(text, distanceLabel) && hasNext) {
      settings.distanceText = runs[i + 1].text;
    } else if (StartsWith(text, speedLabel) && hasNext) {
      settings.speedText = runs[i + 1].text;
    } else if (text == badJumpText) {
      settings.badJump = true;
    } else if (const std::optional<double> percent = ProbabilityIn(text)) {
      settings.probability = percent;
    }
  }
  // "None" stands for no target, unless the target's lines say otherwise.
  if (!targetSet) settings.target.clear();
  const std::optional<double> distance =
      ReadQuantity(settings.distanceText, {{"m", 1}, {"Km", 1e3}, {"Mm", 1e6}, {"Gm", 1e9}});
  const std::optional<double> speed = ReadQuantity(settings.speedText, {{"Km/s", 1e3}});
  if (!targetLine)
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
  scene.simTime = host::SimTime();
  scene.vessel = ship->name;
  scene.shipNow = ship->pos;
  scene.axisNow = ForwardAxis(*ship);
  const std::optional<JumpRecord>& jump = LastJump();
  // Until the module estimates anew, its settings still describe that jump.
  if (jump && jump->ship == ship->handle && SameSettings(jump->settings, scene.settings) &&
      !scene.settings.probability) {
    scene.input = jump->input;
    scene.bodyIsTarget = jump->bodyIsTarget;
    scene.jump = jump->made;
    return true;
  }
  return BuildInput(*ship, ship->pos, ForwardAxis(*ship), scene.settings, scene, error);
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
  PlanScene scene;
  std::string error;
  if (!ReadPageSettings(host::DrawDisplay(number), scene.settings, error) ||
      !BuildInput(*focus, shipPos, shipAxis, scene.settings, scene, error)) {
    LastJump().reset();
    return;
  }
  LastJump() = JumpRecord{ship, scene.settings, scene.input, scene.bodyIsTarget,
                          JumpMade{host::SimTime(), carrier->pos, askedProbability}};
}

void ForgetJump() {
  LastJump().reset();
}

}  // namespace sim
