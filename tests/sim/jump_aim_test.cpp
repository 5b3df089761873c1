// The jump's aim as a pilot works it out from the page and the world, which
// tells how far an unsafe jump landed from it.
#include <gtest/gtest.h>

#include <optional>

#include "JumpAim.h"
#include "support/HostTest.h"

namespace {

using namespace testing_world;

host::Page PageWith(const char* target, const char* distanceLabel, const char* distance) {
  host::Page page{"Jaunt MFD", {{10, 48, std::string("[Shift-T] Target: ") + target}}};
  if (distanceLabel != nullptr) {
    page.runs.push_back({10, 128, std::string("[Shift-D] ") + distanceLabel});
    page.runs.push_back({20, 144, distance});
  }
  page.runs.push_back({10, 176, "[Shift-V] Final absolute velocity:"});
  return page;
}

class JumpAimTest : public HostTest {};

TEST_F(JumpAimTest, AimFollowsTheSettingsThePageShows) {
  AddBody("Moon", 7.3e22, 1.7e6, MakeVector(4e8, 0, 0));
  const VECTOR3 ship = MakeVector(4e7, 0, 0);
  const host::Rotation facingY = host::Rotation::FromAxes(MakeVector(0, 1, 0), MakeVector(0, 0, 1));
  const char* travel = "Distance to travel:";
  const char* toTarget = "Final distance to target:";
  const struct {
    host::Page page;
    std::optional<VECTOR3> aim;
  } cases[] = {
      {PageWith("None", travel, "1.00 Gm (0.007 AU)"), MakeVector(4e7, 1e9, 0)},
      {PageWith("None", travel, "50.0 m"), MakeVector(4e7, 50, 0)},
      {PageWith("None", travel, "2.50 Km (0.000 AU)"), MakeVector(4e7, 2500, 0)},
      // On the line to the target, short of it by the final distance.
      {PageWith("moon", toTarget, "36.11 Mm (0.000 AU)"), MakeVector(4e8 - 36.11e6, 0, 0)},
      {PageWith("Nowhere", toTarget, "36.11 Mm (0.000 AU)"), std::nullopt},
      {PageWith("None", nullptr, nullptr), std::nullopt},
      {PageWith("None", travel, "far"), std::nullopt},
  };
  for (const auto& c : cases) {
    const std::optional<VECTOR3> aim = sim::PlannedDestination(c.page, ship, facingY);
    ASSERT_EQ(aim.has_value(), c.aim.has_value()) << c.page.runs.back().text;
    if (!aim) continue;
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(aim->data[i], c.aim->data[i], 1e-6) << i;
  }
}

TEST(JumpAimRoundingTest, RoughDistancesKeepTwoFigures) {
  const struct {
    double metres;
    const char* text;
  } cases[] = {
      {0, "about 0.0 m"},        {950, "about 950 m"},    {4596068.5, "about 4.6 Mm"},
      {25593427, "about 26 Mm"}, {623e6, "about 620 Mm"}, {1.5e12, "about 1500 Gm"},
      {12345.6, "about 12 km"},
  };
  for (const auto& c : cases) EXPECT_EQ(sim::RoughDistance(c.metres), c.text) << c.metres;
}

}  // namespace
