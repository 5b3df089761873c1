#include "plan/PlanGeometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "display/PageUnits.h"
#include "host/Formatted.h"
#include "jump/Scatter.h"
#include "planning/Destination.h"

namespace sim {

using host::Cross;
using host::Dot;
using host::Length;

namespace {

constexpr double mattersShare = 0.1;  // of a sample's whole pull
constexpr double nearReaches = 4;     // how far a body may lie and still fix the plane
// A body whose offset from the path's line is below this share of its
// distance lies on the line (a target body, typically): it fixes no plane.
constexpr double onLineShare = 1e-6;
constexpr int chartDecades = 6;

VECTOR3 Unit(const VECTOR3& v) {
  return (1 / Length(v)) * v;
}

// The largest 1, 2 or 5 times a power of ten that is not above `value`.
double RoundDown125(double value) {
  const double base = std::pow(10.0, std::floor(std::log10(value)));
  for (const double factor : {5.0, 2.0, 1.0}) {
    if (factor * base <= value) return factor * base;
  }
  return base / 2;  // log10 rounded up at a power of ten
}

// The direction the map's horizontal axis follows: the path, or, without
// one, the way to the target or else the ship's axis.
VECTOR3 PathDirection(const Plan& plan, const PlanInput& input) {
  if (plan.solved && plan.length > 0) return Unit(plan.destination - plan.start);
  if (input.hasTarget && Length(input.targetPos - input.shipPos) > 0)
    return Unit(input.targetPos - input.shipPos);
  if (Length(input.shipAxis) > 0) return Unit(input.shipAxis);
  return MakeVector(1, 0, 0);
}

// The part of `v` perpendicular to the unit vector `axis`.
VECTOR3 Perpendicular(const VECTOR3& v, const VECTOR3& axis) {
  return v - Dot(v, axis) * axis;
}

double Turn(const MapPoint& o, const MapPoint& a, const MapPoint& b) {
  return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

}  // namespace

bool Plan::Safe() const {
  return JumpSafe(failureChance);
}

double PullOf(const PlanBody& body, const VECTOR3& pos) {
  return BodyPull(body.pos, body.mass, pos);
}

Plan SolvePlan(const PlanInput& input) {
  Plan plan;
  plan.start = input.shipPos;
  const VECTOR3 noVelocity{};  // the plan shows where the jump ends, not how fast
  JumpEnd end;
  double present = 0;  // from the target, when there is one
  if (input.hasTarget) {
    const VECTOR3 fromTarget = input.shipPos - input.targetPos;
    present = Length(fromTarget);
    if (!CanApproach(present, input.distance)) return plan;
    end = JumpToTarget(input.shipPos, input.shipAxis, fromTarget, present, input.distance,
                       noVelocity, 0);
  } else {
    end = JumpAlongAxis(input.shipPos, input.shipAxis, input.distance, 0);
  }
  plan.solved = true;
  plan.destination = end.pos;
  plan.length = end.length;

  PathPull path;
  StartPath(path, plan.start, plan.destination);
  for (std::size_t b = 0; b < input.bodies.size(); ++b)
    AddBodyPull(path, input.bodies[b].pos, input.bodies[b].mass, b + 1 == input.bodies.size());
  std::copy(std::begin(path.sample), std::end(path.sample), plan.samples.begin());
  std::copy(std::begin(path.sum), std::end(path.sum), plan.pulls.begin());
  plan.peak = path.peak;
  plan.peakSample = path.peakSample;
  plan.failureChance = FailureChanceOf(path.peak);
  if (input.hasTarget && ShortHop(input.shipSize, input.targetRadius, present, input.distance))
    plan.failureChance = 0;
  plan.scatterReach = ScatterReach(ScatterScale(plan.length, plan.failureChance));
  return plan;
}

PullBand BandOf(double pull) {
  if (pull > scatterPull) return PullBand::Over;
  if (pull > scatterPull / 2) return PullBand::Near;
  return PullBand::Safe;
}

bool PullMatters(const Plan& plan, const PlanBody& body) {
  if (!plan.solved) return false;
  for (int k = 0; k < planSamples; ++k) {
    const double pull = PullOf(body, plan.samples[k]);
    if (pull > 0 && pull >= mattersShare * plan.pulls[k]) return true;
  }
  return false;
}

bool BodyNear(const PlanBody& body, const VECTOR3& middle, double reach) {
  return Length(body.pos - middle) - body.radius <= nearReaches * reach;
}

VECTOR3 PlanMiddle(const Plan& plan, const PlanInput& input) {
  if (plan.solved) return 0.5 * (plan.start + plan.destination);
  if (input.hasTarget) return 0.5 * (input.shipPos + input.targetPos);
  return input.shipPos;
}

MapPlane ChoosePlane(const Plan& plan, const PlanInput& input, double reach) {
  MapPlane plane;
  plane.origin = PlanMiddle(plan, input);
  plane.across = PathDirection(plan, input);
  double nearest = std::numeric_limits<double>::infinity();
  for (std::size_t i = 0; i < input.bodies.size(); ++i) {
    const PlanBody& body = input.bodies[i];
    const VECTOR3 offset = body.pos - plane.origin;
    const VECTOR3 aside = Perpendicular(offset, plane.across);
    const double surface = Length(offset) - body.radius;
    if (Length(aside) <= onLineShare * Length(offset) || !BodyNear(body, plane.origin, reach) ||
        surface >= nearest)
      continue;
    nearest = surface;
    plane.body = static_cast<int>(i);
    plane.up = Unit(aside);
  }
  if (plane.body < 0) {
    VECTOR3 up = Perpendicular(MakeVector(0, 0, 1), plane.across);
    if (Length(up) < onLineShare) up = Perpendicular(MakeVector(1, 0, 0), plane.across);
    plane.up = Unit(up);
  }
  return plane;
}

MapPoint Project(const MapPlane& plane, const VECTOR3& pos) {
  const VECTOR3 d = pos - plane.origin;
  return {Dot(d, plane.across), Dot(d, plane.up)};
}

double OutOfPlane(const MapPlane& plane, const VECTOR3& pos) {
  return Dot(pos - plane.origin, Cross(plane.across, plane.up));
}

std::vector<MapPoint> ScatterOutline(const MapPlane& plane, const VECTOR3& centre,
                                     double halfWidth) {
  if (!(halfWidth > 0)) return {};
  std::vector<MapPoint> corners;
  for (const double x : {-1.0, 1.0})
    for (const double y : {-1.0, 1.0})
      for (const double z : {-1.0, 1.0})
        corners.push_back(Project(plane, centre + halfWidth * MakeVector(x, y, z)));
  std::sort(corners.begin(), corners.end(), [](const MapPoint& a, const MapPoint& b) {
    return a.x < b.x || (a.x == b.x && a.y < b.y);
  });
  // Monotone chain; corners that the rounding puts a hair off an edge are
  // dropped with the ones exactly on it.
  const double flat = 1e-9 * halfWidth * halfWidth;
  std::vector<MapPoint> hull(2 * corners.size());
  std::size_t n = 0;
  for (std::size_t i = 0; i < corners.size(); ++i) {
    while (n >= 2 && Turn(hull[n - 2], hull[n - 1], corners[i]) <= flat) --n;
    hull[n++] = corners[i];
  }
  for (std::size_t i = corners.size() - 1, lower = n + 1; i-- > 0;) {
    while (n >= lower && Turn(hull[n - 2], hull[n - 1], corners[i]) <= flat) --n;
    hull[n++] = corners[i];
  }
  hull.resize(n - 1);  // the last point repeats the first
  return hull;
}

ScaleBar ChooseScaleBar(double longest) {
  if (!(longest > 0) || !std::isfinite(longest)) return {};
  if (longest >= pageAU) {
    const double au = RoundDown125(longest / pageAU);
    return {au * pageAU, host::Formatted("%g %s", au, "AU")};
  }
  const double metres = RoundDown125(longest);
  if (metres >= 1e9) return {metres, host::Formatted("%g %s", metres / 1e9, "Gm")};
  if (metres >= 1e6) return {metres, host::Formatted("%g %s", metres / 1e6, "Mm")};
  if (metres >= 1e3) return {metres, host::Formatted("%g %s", metres / 1e3, "Km")};
  return {metres, host::Formatted("%g %s", metres, "m")};
}

MapPoint MapView::ToPixel(const MapPoint& point) const {
  return {left + width / 2 + (point.x - centre.x) * pixelsPerMetre,
          top + height / 2 - (point.y - centre.y) * pixelsPerMetre};
}

MapView FitView(const std::vector<MapPoint>& points, double minimumSpan, double left, double top,
                double width, double height, double margin) {
  MapView view{left, top, width, height, {}, 1};
  if (points.empty()) return view;
  double minX = points.front().x, maxX = minX, minY = points.front().y, maxY = minY;
  for (const MapPoint& p : points) {
    minX = std::min(minX, p.x);
    maxX = std::max(maxX, p.x);
    minY = std::min(minY, p.y);
    maxY = std::max(maxY, p.y);
  }
  const double inner = width - 2 * margin, innerHeight = height - 2 * margin;
  view.centre = {(minX + maxX) / 2, (minY + maxY) / 2};
  view.pixelsPerMetre = std::min({inner / std::max(maxX - minX, minimumSpan),
                                  innerHeight / std::max(maxY - minY, minimumSpan)});
  return view;
}

bool DiscOnMap(const MapView& view, const MapPlane& plane, const PlanBody& body) {
  const double mapSpan = std::max(view.width, view.height) / view.pixelsPerMetre;
  if (std::abs(OutOfPlane(plane, body.pos)) - body.radius > mapSpan) return false;
  const MapPoint c = view.ToPixel(Project(plane, body.pos));
  const double r = body.radius * view.pixelsPerMetre;
  const double dx = std::max({view.left - c.x, 0.0, c.x - (view.left + view.width)});
  const double dy = std::max({view.top - c.y, 0.0, c.y - (view.top + view.height)});
  return dx * dx + dy * dy <= r * r;
}

double PullScale::Height(double pull) const {
  if (!(pull > 0)) return 0;
  const double h = (std::log10(pull) - std::log10(top) + decades) / decades;
  return std::clamp(h, 0.0, 1.0);
}

PullScale ChoosePullScale(double peak) {
  const double highest = std::max(peak, certainPull);
  return {std::pow(10.0, std::ceil(std::log10(highest))), chartDecades};
}

}  // namespace sim
