// The geometry of a jump's plan, as the plan picture shows it: the
// destination, the ten points at which the safety estimate weighs the bodies'
// pull, the box an unsafe jump scatters into, and the flat map that all of it
// is projected on. The destination, the pulls, the figure and the scatter
// are the module's own arithmetic (src/planning, src/jump), run here on the
// plan's input. Plain functions on plain values; nothing here draws.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "host/Vector.h"
#include "planning/PathPull.h"

namespace sim {

inline constexpr int planSamples = pathSamples;  // both ends of the path included

struct PlanBody {
  std::string name;
  VECTOR3 pos{};
  double mass = 0;    // kg
  double radius = 0;  // m
};

// What a plan is worked out from: the ship, the target and the settings as the
// display holds them, and the celestial bodies in the host's index order.
struct PlanInput {
  VECTOR3 shipPos{};
  VECTOR3 shipAxis{};  // the ship's forward axis, unit length
  double shipSize = 0;
  bool hasTarget = false;
  VECTOR3 targetPos{};
  double targetRadius = 0;
  int targetBody = -1;  // the target's index in `bodies`; -1: a vessel, or no target
  double distance = 0;  // with a target: final distance from it; without: distance to travel
  std::vector<PlanBody> bodies;
};

struct Plan {
  bool solved = false;  // false: with a target, the final distance is not below the present one
  VECTOR3 start{}, destination{};
  double length = 0;  // m
  std::array<VECTOR3, planSamples> samples{};
  std::array<double, planSamples> pulls{};  // m/s², every body's pull added as a magnitude
  int peakSample = 0;
  double peak = 0;  // m/s², the pull that decides the failure chance
  double failureChance = 0;
  // How far an unsafe jump can land from the destination along each global
  // axis: the half-width of a cube around it; 0 for a safe jump.
  double scatterReach = 0;
  bool Safe() const;
};

// The destination and the estimate, solved by the module's own functions.
Plan SolvePlan(const PlanInput& input);

// The pull of one body at `pos` as the estimate counts it: none within a
// squared distance of 10 m² of its centre.
double PullOf(const PlanBody& body, const VECTOR3& pos);

// How a sample's pull stands against the limit that makes a jump unsafe:
// safe up to half of it, near it up to the limit, over it beyond.
enum class PullBand { Safe, Near, Over };
PullBand BandOf(double pull);

// Whether the body's pull is at least a tenth of the whole at some sample:
// the bodies that make the figure.
bool PullMatters(const Plan& plan, const PlanBody& body);

// The map: a plane through the middle of the path, `across` along the path
// and `up` towards the body nearest to the middle that is not on the path's
// line and whose surface lies within four times `reach` of the middle.
// Without such a body, `up` is the ecliptic north (+z) made perpendicular
// to the path, or +x for a path along z.
struct MapPlane {
  VECTOR3 origin{};
  VECTOR3 across{};
  VECTOR3 up{};
  int body = -1;  // the body that fixes the plane; -1: the ecliptic
};

struct MapPoint {
  double x = 0;
  double y = 0;
};

// Whether the body's surface lies within four times `reach` of `middle`:
// near enough to fix the map's plane and to be fitted on it.
bool BodyNear(const PlanBody& body, const VECTOR3& middle, double reach);

// The middle of the path; without one, of the ship and the target.
VECTOR3 PlanMiddle(const Plan& plan, const PlanInput& input);

// `reach` is how far the plan's own points lie from its middle.
MapPlane ChoosePlane(const Plan& plan, const PlanInput& input, double reach);
MapPoint Project(const MapPlane& plane, const VECTOR3& pos);
// Distance of `pos` from the plane, signed along the plane's normal.
double OutOfPlane(const MapPlane& plane, const VECTOR3& pos);

// The scatter box as it appears on the map: the convex hull of its eight
// projected corners, counter-clockwise; empty for a half-width of 0.
std::vector<MapPoint> ScatterOutline(const MapPlane& plane, const VECTOR3& centre,
                                     double halfWidth);

// A scale bar no longer than `longest` metres: 1, 2 or 5 times a power of
// ten in the page's units (m, Km, Mm, Gm), in its AU (1.5e11 m) from one AU.
struct ScaleBar {
  double metres = 0;
  std::string text;
};
ScaleBar ChooseScaleBar(double longest);

// Plane coordinates to pixels in a rectangle, y pointing down. The points
// given to FitView fit inside the rectangle less `margin` on every side,
// centred; a span under `minimumSpan` metres is shown as that span.
struct MapView {
  double left = 0, top = 0, width = 0, height = 0;
  MapPoint centre;  // in the plane, at the rectangle's centre
  double pixelsPerMetre = 1;
  MapPoint ToPixel(const MapPoint& point) const;
};
MapView FitView(const std::vector<MapPoint>& points, double minimumSpan, double left, double top,
                double width, double height, double margin);

// Whether a body's disc is worth drawing on the map: its projected disc
// meets the rectangle and the body lies no further out of the plane than
// the map is wide.
bool DiscOnMap(const MapView& view, const MapPlane& plane, const PlanBody& body);

// The strip chart's vertical scale: logarithmic over six decades up to
// `top` m/s², the lowest power of ten above both the peak and the certainty
// pull.
struct PullScale {
  double top = 0;
  int decades = 0;
  // 0 at the bottom of the chart, 1 at its top; clamped to [0, 1].
  double Height(double pull) const;
};
PullScale ChoosePullScale(double peak);

}  // namespace sim
