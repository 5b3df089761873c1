// A display's jump plan gathered as a pilot sees it: the settings read off
// the display's page, the target it follows, the ship and the bodies from
// the world, and, after a jump, the plan it was made on and where the ship
// landed.
//
// The page is all the simulator sees of the module's settings, and it
// rounds the distance setting (to 0.01 of its unit, or 0.1 m): a plan
// worked out from it can miss the module's destination by that much, at
// most 5 km for a setting shown in Mm. Everything else is the module's own
// arithmetic on the world's values.
#pragma once

#include <optional>
#include <string>

#include "host/PageRecorder.h"
#include "host/World.h"
#include "plan/PlanGeometry.h"

namespace sim {

// The settings as the page prints them, rounded as printed.
struct PageSettings {
  bool hasTarget = false;  // the page shows a target's lines
  std::string target;      // its name as the page prints it (cut when long)
  std::string distanceText, speedText;
  double distance = 0;                // m
  std::optional<double> probability;  // % safe, while the page shows the estimate
  bool badJump = false;               // the page warns of a bad jump
};

// Reads the settings from a page; false with the reason when a line the plan
// needs is missing or cannot be read.
bool ReadPageSettings(const host::Page& page, PageSettings& settings, std::string& error);

// The safety figure in a text that quotes it ("Probability of safe jaunt:
// 88.5%"), as the page and the jump question do.
std::optional<double> ProbabilityIn(const std::string& text);

// The plan of display `number` for the focus vessel `ship` standing at
// `shipPos` facing along `shipAxis`: the settings its page shows now, the
// object it follows as its target and the bodies where they are now. False
// with the reason when there is no plan to make.
bool PlanFromPage(int number, const host::Object& ship, const VECTOR3& shipPos,
                  const VECTOR3& shipAxis, PageSettings& settings, PlanInput& input,
                  std::string& error);

// A jump that was made: where the carrier took the ship.
struct JumpMade {
  double simTime = 0;
  VECTOR3 landed{};
  std::optional<double> askedProbability;  // as the jump question put it
};

struct PlanScene {
  double mjd = 0;
  std::string vessel;
  std::string target;  // the name of the object the display follows; empty for none
  PageSettings settings;
  PlanInput input;               // as the jump was planned, after a jump
  std::optional<JumpMade> jump;  // the jump these settings were last used for
  // Where the ship is now and its axis. After a jump the bodies are shown
  // where they stood at it, and the ship where it now stands against the
  // target (without one, the body nearest to where it landed), as the page
  // measures it.
  VECTOR3 shipNow{}, axisNow{};
};

// Gathers display `number`'s plan (drawing its page, as any picture of it
// does); false with the reason when there is nothing to plan.
bool GatherPlan(int number, PlanScene& scene, std::string& error);

// Keeps the jump display `number` has just made for `ship`, with the plan
// it was made on: it stands in GatherPlan for that display's plan until the
// settings change or the page shows a new estimate.
void RecordJump(int number, const host::Object& ship, const PageSettings& settings,
                const PlanInput& input, const JumpMade& made);

// Forgets the last jump, as a new world must.
void ForgetJump();

}  // namespace sim
