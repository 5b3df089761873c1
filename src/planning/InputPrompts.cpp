#include "planning/InputPrompts.h"

#include "display/JauntMFD.h"
#include "planning/DistanceText.h"

namespace {

constexpr int visibleLength = 20;

// The host takes titles as char*; it copies them and writes nothing.
char targetTitle[] = "(Jaunt): Select Target (leave blank for none)";
char distanceToTargetTitle[] =
    "(Jaunt): Select final distance from target (preceed with % or K, M, G, A)";
char distanceToTravelTitle[] = "(Jaunt): Select distance to travel (preceed with K, M, G or A )";
char speedTitle[] = "(Jaunt): Select final velocity (Km/s)";

// Plans again with the current target, or without one.
void Replan(JauntMFD& display) {
  display.estimateValid = false;
  display.UpdateTarget(display.SelectedTargetName(), true);
}

}  // namespace

void OpenTargetPrompt(const JauntMFD& display) {
  oapiOpenInputBox(targetTitle, OnTargetEntered, nullptr, visibleLength, display.InputToken());
}

void OpenDistancePrompt(const JauntMFD& display) {
  char* title = display.target != nullptr ? distanceToTargetTitle : distanceToTravelTitle;
  oapiOpenInputBox(title, OnDistanceEntered, nullptr, visibleLength, display.InputToken());
}

void OpenSpeedPrompt(const JauntMFD& display) {
  oapiOpenInputBox(speedTitle, OnSpeedEntered, nullptr, visibleLength, display.InputToken());
}

bool OnTargetEntered(void* /*id*/, char* text, void* userData) {
  JauntMFD* display = DisplayFromToken(userData);
  if (display == nullptr) return true;
  display->estimateValid = false;
  return display->UpdateTarget(text, true);
}

bool OnDistanceEntered(void* /*id*/, char* text, void* userData) {
  JauntMFD* display = DisplayFromToken(userData);
  if (display == nullptr) return true;
  if (!ParseDistance(text, display->target != nullptr, display->targetDistance,
                     display->distanceSetting))
    return false;
  Replan(*display);
  return true;
}

bool OnSpeedEntered(void* /*id*/, char* text, void* userData) {
  JauntMFD* display = DisplayFromToken(userData);
  if (display == nullptr) return true;
  if (!ParseSpeed(text, display->speedSetting)) return false;
  Replan(*display);
  return true;
}
