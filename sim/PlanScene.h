// A display's jump plan gathered as a pilot sees it: the settings read off
// the display's page, the ship, the target and the bodies from the world,
// and, after a jump, the plan it was made on and where the ship landed.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "PlanGeometry.h"
#include "host/PageRecorder.h"

namespace sim {

// The settings as the page prints them, rounded as printed.
struct PageSettings {
  std::string target;  // the target's name; empty for none
  std::string distanceText, speedText;
  double distance = 0;                // m
  double speed = 0;                   // m/s
  std::optional<double> probability;  // % safe, while the page shows the estimate
  bool badJump = false;               // the page warns of a bad jump
};

// Reads the settings from a page; false with the reason when a line the plan
// needs is missing or cannot be read.
bool ReadPageSettings(const host::Page& page, PageSettings& settings, std::string& error);

// The safety figure in a text that quotes it ("Probability of safe jaunt:
// 88.5%"), as the page and the jump question do.
std::optional<double> ProbabilityIn(const std::string& text);

// A jump that was made: where the carrier took the ship.
struct JumpMade {
  double simTime = 0;
  VECTOR3 landed{};
  std::optional<double> askedProbability;  // as the jump question put it
};

struct PlanScene {
  double mjd = 0;
  std::string vessel;
  PageSettings settings;
  PlanInput input;               // as the jump was planned, after a jump
  std::optional<JumpMade> jump;  // the jump these settings were last used for
  VECTOR3 shipNow{}, axisNow{};
};

// Gathers display `number`'s plan (drawing its page, as any picture of it
// does); false with the reason when there is nothing to plan.
bool GatherPlan(int number, PlanScene& scene, std::string& error);

// Watches one prompt answer for the jump it may start: made before the
// answer, told afterwards. A jump is known by the carrier it creates; the
// plan it was made on stands in GatherPlan for the display's plan until the
// settings change or the page shows a new estimate.
class JumpWatch {
 public:
  JumpWatch();
  void Answered(int number);

 private:
  ObjectHandle ship = nullptr;
  VECTOR3 shipPos{}, shipAxis{};
  std::vector<ObjectHandle> vessels;
  std::optional<double> askedProbability;
};

// Forgets the last jump, as a new world must.
void ForgetJump();

}  // namespace sim
