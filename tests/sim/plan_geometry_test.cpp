// The plan's geometry in worlds whose answers are worked out by hand: the
// destination and the estimate, the map's plane, the scatter box on it, the
// scale bar, the view that fits it all, and which bodies it shows.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "jump/Scatter.h"
#include "plan/PlanGeometry.h"

namespace {

using sim::MapPoint;
using sim::PlanBody;
using sim::PlanInput;

const VECTOR3 alongX = MakeVector(1, 0, 0);

PlanInput Jump(VECTOR3 ship, VECTOR3 axis, double distance, std::vector<PlanBody> bodies) {
  PlanInput input;
  input.shipPos = ship;
  input.shipAxis = axis;
  input.shipSize = 20;
  input.distance = distance;
  input.bodies = std::move(bodies);
  return input;
}

PlanInput JumpTo(VECTOR3 target, double radius, double distance, std::vector<PlanBody> bodies) {
  PlanInput input = Jump(MakeVector(0, 0, 0), alongX, distance, std::move(bodies));
  input.hasTarget = true;
  input.targetPos = target;
  input.targetRadius = radius;
  return input;
}

void ExpectVector(const VECTOR3& got, const VECTOR3& want, const std::string& what) {
  const double tolerance = 1e-9 * (1 + std::abs(want.x) + std::abs(want.y) + std::abs(want.z));
  EXPECT_NEAR(got.x, want.x, tolerance) << what;
  EXPECT_NEAR(got.y, want.y, tolerance) << what;
  EXPECT_NEAR(got.z, want.z, tolerance) << what;
}

TEST(PlanGeometryTest, SolvesTheDestinationAndTheEstimateAsTheModuleDoes) {
  const PlanBody earthLike{"E", MakeVector(0, 0, 0), 6e24, 6.4e6};
  const PlanBody heavy{"H", MakeVector(0, 1e6, 0), 1e24, 1e3};
  const struct {
    const char* what;
    PlanInput input;
    bool solved;
    VECTOR3 destination;
    double length, peak;
    int peakSample;
    double failureChance, halfWidth;
  } cases[] = {
      {"no jump at all, one body 1e7 m away",
       Jump(MakeVector(0, 0, 0), alongX, 0, {{"B", MakeVector(1e7, 0, 0), 1e24, 1}}), true,
       MakeVector(0, 0, 0), 0, 0.667, 0, 0.3335, 0},
      {"three times the mass: over the certainty",
       Jump(MakeVector(0, 0, 0), alongX, 0, {{"B", MakeVector(1e7, 0, 0), 3e24, 1}}), true,
       MakeVector(0, 0, 0), 0, 2.001, 0, 1, 0},
      {"two bodies on either side: their pulls add as magnitudes",
       Jump(MakeVector(0, 0, 0), alongX, 0,
            {{"A", MakeVector(1e7, 0, 0), 1e24, 1}, {"B", MakeVector(-1e7, 0, 0), 1e24, 1}}),
       true, MakeVector(0, 0, 0), 0, 1.334, 0, 0.667, 0},
      {"past a planet: the middle samples decide",
       Jump(MakeVector(-9e7, 2e7, 0), alongX, 1.8e8, {earthLike}), true, MakeVector(9e7, 2e7, 0),
       1.8e8, 0.8004, 4, 0.4002, 0},
      {"a hop shorter than ship and target together is safe",
       JumpTo(MakeVector(1000, 0, 0), 5, 990, {heavy}), true, MakeVector(10, 0, 0), 10,
       6.67e-11 * 1e24 / 1e12, 0, 0, 0},
      {"as long as ship and target together: the estimate stands",
       JumpTo(MakeVector(1000, 0, 0), 5, 975, {heavy}), true, MakeVector(25, 0, 0), 25,
       6.67e-11 * 1e24 / 1e12, 0, 1, 25},
      {"the last sample at the target body's centre adds nothing",
       JumpTo(MakeVector(1e7, 0, 0), 1e3, 0, {{"T", MakeVector(1e7, 0, 0), 1e20, 1e3}}), true,
       MakeVector(1e7, 0, 0), 1e7, 6.67e9 / (1e14 / 81), 8, 6.67e9 / (1e14 / 81) / 2, 0},
      {"not short of the target: no jump", JumpTo(MakeVector(1000, 0, 0), 5, 1000, {heavy}), false,
       MakeVector(0, 0, 0), 0, 0, 0, 0, 0},
  };
  for (const auto& c : cases) {
    const sim::Plan plan = sim::SolvePlan(c.input);
    EXPECT_EQ(plan.solved, c.solved) << c.what;
    if (!c.solved) continue;
    ExpectVector(plan.destination, c.destination, c.what);
    ExpectVector(plan.samples[0], c.input.shipPos, c.what);
    ExpectVector(plan.samples[9], c.destination, c.what);
    EXPECT_NEAR(plan.length, c.length, 1e-9 * c.length) << c.what;
    EXPECT_NEAR(plan.peak, c.peak, 1e-4 * c.peak) << c.what;
    EXPECT_EQ(plan.peakSample, c.peakSample) << c.what;
    EXPECT_NEAR(plan.failureChance, c.failureChance, 1e-4) << c.what;
    EXPECT_NEAR(plan.scatterReach, c.halfWidth, 1e-9) << c.what;
  }
}

TEST(PlanGeometryTest, SamplesLieEvenlyAndCarryEachItsPull) {
  const PlanBody body{"E", MakeVector(0, 0, 0), 6e24, 6.4e6};
  const sim::Plan plan = sim::SolvePlan(Jump(MakeVector(-9e7, 2e7, 0), alongX, 1.8e8, {body}));
  for (int i = 0; i < sim::planSamples; ++i) {
    const double x = -9e7 + 2e7 * i;
    ExpectVector(plan.samples[i], MakeVector(x, 2e7, 0), "sample " + std::to_string(i));
    EXPECT_NEAR(plan.pulls[i], 4.002e14 / (x * x + 4e14), 1e-12) << i;
  }
  EXPECT_NEAR(plan.pulls[0], 0.0471, 1e-4);
}

TEST(PlanGeometryTest, ScatterBoxGrowsAsTheChanceFallsTowardsAHalf) {
  const struct {
    double length, failureChance, halfWidth;
  } cases[] = {{1000, 1, 1000}, {1000, 0.75, 2000}, {1000, 0.6, 5000},
               {1000, 0.5, 0},  {1000, 0.2, 0},     {0, 1, 0}};
  for (const auto& c : cases)
    EXPECT_NEAR(ScatterReach(ScatterScale(c.length, c.failureChance)), c.halfWidth, 1e-6)
        << c.length << " " << c.failureChance;
}

TEST(PlanGeometryTest, BandsSplitAtHalfTheLimitAndAtTheLimit) {
  const struct {
    double pull;
    sim::PullBand band;
  } cases[] = {{0, sim::PullBand::Safe},      {0.5, sim::PullBand::Safe},
               {0.5001, sim::PullBand::Near}, {1.0, sim::PullBand::Near},
               {1.0001, sim::PullBand::Over}, {40, sim::PullBand::Over}};
  for (const auto& c : cases) EXPECT_EQ(sim::BandOf(c.pull), c.band) << c.pull;
}

TEST(PlanGeometryTest, ABodyMattersFromATenthOfThePull) {
  const PlanBody main{"M", MakeVector(1e7, 0, 0), 1e24, 1};
  const PlanBody small{"S", MakeVector(-1e7, 0, 0), 1e23, 1};  // 1/11 of the whole
  const PlanBody larger{"L", MakeVector(-1e7, 0, 0), 1.2e23, 1};
  const sim::Plan withSmall = sim::SolvePlan(Jump({}, alongX, 0, {main, small}));
  EXPECT_TRUE(sim::PullMatters(withSmall, main));
  EXPECT_FALSE(sim::PullMatters(withSmall, small));
  EXPECT_TRUE(sim::PullMatters(sim::SolvePlan(Jump({}, alongX, 0, {main, larger})), larger));
}

TEST(PlanGeometryTest, PlaneHoldsThePathAndTheNearestBodyOffItsLine) {
  const struct {
    const char* what;
    PlanInput input;
    double reach;
    VECTOR3 origin, up;
    int body;
  } cases[] = {
      {"a body beside the path", Jump({}, alongX, 100, {{"A", MakeVector(50, 30, 0), 1, 1}}), 50,
       MakeVector(50, 0, 0), MakeVector(0, 1, 0), 0},
      {"no body near: the ecliptic north",
       Jump({}, alongX, 100, {{"A", MakeVector(50, 3e6, 0), 1, 1}}), 50, MakeVector(50, 0, 0),
       MakeVector(0, 0, 1), -1},
      {"the target body lies on the line: the next one decides",
       JumpTo(MakeVector(200, 0, 0), 1, 100,
              {{"T", MakeVector(200, 0, 0), 1, 1}, {"B", MakeVector(50, 0, -40), 1, 1}}),
       150, MakeVector(50, 0, 0), MakeVector(0, 0, -1), 1},
      {"the nearest surface wins, not the nearest centre",
       Jump({}, alongX, 100,
            {{"S", MakeVector(50, 0, 25), 1, 0}, {"B", MakeVector(50, 60, 0), 1, 40}}),
       50, MakeVector(50, 0, 0), MakeVector(0, 1, 0), 1},
      {"a path along the ecliptic north: +x is up", Jump({}, MakeVector(0, 0, 1), 100, {}), 50,
       MakeVector(0, 0, 50), MakeVector(1, 0, 0), -1},
  };
  for (const auto& c : cases) {
    const sim::Plan plan = sim::SolvePlan(c.input);
    const sim::MapPlane plane = sim::ChoosePlane(plan, c.input, c.reach);
    ExpectVector(plane.origin, c.origin, c.what);
    ExpectVector(plane.up, c.up, c.what);
    EXPECT_EQ(plane.body, c.body) << c.what;
    // The path runs left to right through the middle of the map.
    const MapPoint start = sim::Project(plane, plan.start);
    const MapPoint end = sim::Project(plane, plan.destination);
    EXPECT_NEAR(start.x, -50, 1e-9) << c.what;
    EXPECT_NEAR(end.x, 50, 1e-9) << c.what;
    EXPECT_NEAR(start.y, 0, 1e-9) << c.what;
  }
  const PlanInput beside = Jump({}, alongX, 100, {{"A", MakeVector(50, 30, 7), 1, 1}});
  const sim::MapPlane plane = sim::ChoosePlane(sim::SolvePlan(beside), beside, 50);
  const MapPoint a = sim::Project(plane, beside.bodies[0].pos);
  EXPECT_NEAR(a.x, 0, 1e-9);
  EXPECT_NEAR(a.y, std::hypot(30, 7), 1e-9);
  EXPECT_NEAR(sim::OutOfPlane(plane, MakeVector(80, 3, 0.7)), 0, 1e-9);
  EXPECT_NEAR(std::abs(sim::OutOfPlane(plane, MakeVector(50, -7, 30))), std::hypot(30, 7), 1e-9);
}

TEST(PlanGeometryTest, ScatterBoxOnTheMapIsTheHullOfItsCorners) {
  const double h = 2;
  const VECTOR3 centre = MakeVector(10, 0, 0);
  const struct {
    const char* what;
    VECTOR3 across, up;
    std::size_t corners;
    double halfAcross, halfUp;
  } cases[] = {
      {"seen along an axis: a square", alongX, MakeVector(0, 0, 1), 4, h, h},
      {"seen across a face's diagonal: an oblong",
       MakeVector((1 / std::numbers::sqrt2), (1 / std::numbers::sqrt2), 0), MakeVector(0, 0, 1), 4,
       std::numbers::sqrt2 * h, h},
      {"seen along the cube's diagonal: a hexagon",
       MakeVector((1 / std::numbers::sqrt2), -(1 / std::numbers::sqrt2), 0),
       MakeVector(1 / std::sqrt(6.0), 1 / std::sqrt(6.0), -2 / std::sqrt(6.0)), 6,
       std::numbers::sqrt2 * h, 2 * std::sqrt(2.0 / 3) * h},
  };
  for (const auto& c : cases) {
    sim::MapPlane plane;
    plane.across = c.across;
    plane.up = c.up;
    const std::vector<MapPoint> hull = sim::ScatterOutline(plane, centre, h);
    ASSERT_EQ(hull.size(), c.corners) << c.what;
    const MapPoint middle = sim::Project(plane, centre);
    double maxAcross = 0, maxUp = 0, area = 0;
    for (std::size_t i = 0; i < hull.size(); ++i) {
      const MapPoint& p = hull[i];
      const MapPoint& q = hull[(i + 1) % hull.size()];
      maxAcross = std::max(maxAcross, std::abs(p.x - middle.x));
      maxUp = std::max(maxUp, std::abs(p.y - middle.y));
      area += p.x * q.y - q.x * p.y;
    }
    EXPECT_NEAR(maxAcross, c.halfAcross, 1e-9) << c.what;
    EXPECT_NEAR(maxUp, c.halfUp, 1e-9) << c.what;
    EXPECT_GT(area, 0) << c.what << ": counter-clockwise";
  }
  EXPECT_TRUE(sim::ScatterOutline({}, centre, 0).empty());
}

TEST(PlanGeometryTest, ScaleBarIsARoundLengthInThePagesUnits) {
  const struct {
    double longest;
    double metres;
    const char* text;
  } cases[] = {
      {7.3e7, 5e7, "50 Mm"},    {2.9e3, 2e3, "2 Km"},     {999, 500, "500 m"},
      {1000, 1000, "1 Km"},     {1.9e6, 1e6, "1 Mm"},     {3.5e9, 2e9, "2 Gm"},
      {1.4e11, 1e11, "100 Gm"}, {1.5e11, 1.5e11, "1 AU"}, {4e11, 3e11, "2 AU"},
      {1e12, 7.5e11, "5 AU"},   {0.3, 0.2, "0.2 m"},      {0, 0, ""},
  };
  for (const auto& c : cases) {
    const sim::ScaleBar bar = sim::ChooseScaleBar(c.longest);
    EXPECT_NEAR(bar.metres, c.metres, 1e-9 * c.metres) << c.longest;
    EXPECT_EQ(bar.text, c.text) << c.longest;
  }
}

TEST(PlanGeometryTest, ViewFitsThePointsCentredInsideTheMargin) {
  const sim::MapView view = sim::FitView({{0, 0}, {100, 0}, {50, 20}}, 10, 0, 0, 200, 100, 10);
  EXPECT_DOUBLE_EQ(view.pixelsPerMetre, 1.8);
  const struct {
    MapPoint point, pixel;
  } cases[] = {{{0, 0}, {10, 68}}, {{100, 0}, {190, 68}}, {{50, 20}, {100, 32}}};
  for (const auto& c : cases) {
    const MapPoint p = view.ToPixel(c.point);
    EXPECT_NEAR(p.x, c.pixel.x, 1e-9) << c.point.x << "," << c.point.y;
    EXPECT_NEAR(p.y, c.pixel.y, 1e-9) << c.point.x << "," << c.point.y;
  }
  // A single point: the map shows the smallest span each way around it.
  const sim::MapView dot = sim::FitView({{5, 5}}, 100, 0, 0, 200, 100, 10);
  EXPECT_DOUBLE_EQ(dot.pixelsPerMetre, 0.8);
  EXPECT_NEAR(dot.ToPixel({5, 5}).x, 100, 1e-9);
  EXPECT_NEAR(dot.ToPixel({5, 5}).y, 50, 1e-9);
}

TEST(PlanGeometryTest, DiscsShowWhenTheyMeetTheMapAndLieNearItsPlane) {
  sim::MapPlane plane;
  plane.across = alongX;
  plane.up = MakeVector(0, 0, 1);
  sim::MapView view{0, 0, 200, 100, {0, 0}, 1};  // the plane from -100 to 100 by -50 to 50
  const struct {
    const char* what;
    PlanBody body;
    bool shown;
  } cases[] = {
      {"its edge reaches in", {"A", MakeVector(150, 0, 0), 1, 60}, true},
      {"its edge stays outside", {"B", MakeVector(150, 0, 0), 1, 40}, false},
      {"past a corner, out of reach", {"C", MakeVector(140, 0, 90), 1, 50}, false},
      {"inside", {"D", MakeVector(10, 0, 10), 1, 1}, true},
      {"on the map but far out of its plane", {"E", MakeVector(0, 500, 0), 1, 10}, false},
  };
  for (const auto& c : cases) EXPECT_EQ(sim::DiscOnMap(view, plane, c.body), c.shown) << c.what;
}

TEST(PlanGeometryTest, PullScaleSpansSixDecadesUpToAPowerOfTen) {
  const sim::PullScale usual = sim::ChoosePullScale(0.3);
  EXPECT_DOUBLE_EQ(usual.top, 10);
  EXPECT_DOUBLE_EQ(usual.Height(10), 1);
  EXPECT_NEAR(usual.Height(0.1), 4.0 / 6, 1e-12);
  EXPECT_DOUBLE_EQ(usual.Height(1e-5), 0);
  EXPECT_DOUBLE_EQ(usual.Height(1e-9), 0);
  EXPECT_DOUBLE_EQ(usual.Height(0), 0);
  EXPECT_DOUBLE_EQ(sim::ChoosePullScale(274).top, 1000);
  EXPECT_DOUBLE_EQ(sim::ChoosePullScale(0).top, 10);
}

}  // namespace
