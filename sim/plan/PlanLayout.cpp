#include "plan/PlanLayout.h"

#include <algorithm>
#include <cmath>

namespace sim {

using host::Dot;
using host::Length;

namespace {

constexpr double minimumReach = 500;  // m: a jump of nothing still gets a map a kilometre wide
constexpr double headingLength = 34;  // pixels, for an axis in the map's plane
constexpr double pointerInset = 18;   // pixels from the map's edge
constexpr double barGap = 10;         // pixels between the chart's bars
constexpr double shortestBar = 3;     // pixels: a pull too weak for the scale still shows

// The plan's own points: the path's ends, the target and, after a jump,
// where the ship landed and where it is now.
std::vector<VECTOR3> PlanPoints(const PlanScene& scene, const Plan& plan) {
  std::vector<VECTOR3> points{plan.start};
  if (plan.solved) points.push_back(plan.destination);
  if (scene.input.hasTarget) points.push_back(scene.input.targetPos);
  if (scene.jump) {
    points.push_back(scene.jump->landed);
    points.push_back(scene.shipNow);
  }
  return points;
}

// The end of a heading line from `from` along `axis`, foreshortened as the
// axis leaves the map's plane.
MapPoint HeadingEnd(const MapPlane& plane, const MapPoint& from, const VECTOR3& axis) {
  return {from.x + headingLength * Dot(axis, plane.across),
          from.y - headingLength * Dot(axis, plane.up)};
}

// Where the map's edge meets the line from its centre towards `pixel`.
MapPoint PointerTowards(const MapView& view, const MapPoint& pixel) {
  const MapPoint centre{view.left + view.width / 2, view.top + view.height / 2};
  const double dx = pixel.x - centre.x, dy = pixel.y - centre.y;
  if (dx == 0 && dy == 0) return {centre.x, view.top + pointerInset};
  const double reachX = view.width / 2 - pointerInset, reachY = view.height / 2 - pointerInset;
  const double t = std::min(dx != 0 ? reachX / std::abs(dx) : HUGE_VAL,
                            dy != 0 ? reachY / std::abs(dy) : HUGE_VAL);
  return {centre.x + t * dx, centre.y + t * dy};
}

// The path's marks in `view`, with a scale bar a quarter of its width at most.
PathMarks MarkPath(const MapView& view, const MapPlane& plane, const Plan& plan,
                   const PlanInput& input) {
  PathMarks marks;
  auto pixel = [&](const VECTOR3& pos) { return view.ToPixel(Project(plane, pos)); };
  marks.start = pixel(plan.start);
  marks.startAxis = HeadingEnd(plane, marks.start, input.shipAxis);
  marks.destination = pixel(plan.destination);
  for (int i = 0; i < planSamples; ++i) marks.samples[i] = pixel(plan.samples[i]);
  // Neighbouring dots keep apart, so that each shows its own colour.
  const double spacing =
      std::hypot(marks.samples[1].x - marks.samples[0].x, marks.samples[1].y - marks.samples[0].y);
  marks.sampleRadius = spacing > 0 ? std::clamp(0.4 * spacing, 1.5, sampleRadius) : sampleRadius;
  marks.scale = ChooseScaleBar(view.width / 4 / view.pixelsPerMetre);
  marks.scalePixels = marks.scale.metres * view.pixelsPerMetre;
  return marks;
}

}  // namespace

int BandColour(PullBand band) {
  switch (band) {
    case PullBand::Safe:
      return safeColour;
    case PullBand::Near:
      return nearColour;
    case PullBand::Over:
      break;
  }
  return overColour;
}

PlanLayout LayOutPlan(const PlanScene& scene) {
  const PlanInput& input = scene.input;
  PlanLayout layout;
  Plan& plan = layout.plan;
  plan = SolvePlan(input);

  const VECTOR3 middle = PlanMiddle(plan, input);
  const std::vector<VECTOR3> points = PlanPoints(scene, plan);
  double reach = minimumReach;
  for (const VECTOR3& p : points) reach = std::max(reach, Length(p - middle));
  reach += std::sqrt(3.0) * plan.scatterReach;
  layout.plane = ChoosePlane(plan, input, reach);

  std::vector<MapPoint> fitted;
  fitted.reserve(points.size() + 8 + 2 * input.bodies.size());
  for (const VECTOR3& p : points) fitted.push_back(Project(layout.plane, p));
  const std::vector<MapPoint> scatter =
      ScatterOutline(layout.plane, plan.destination, plan.scatterReach);
  fitted.insert(fitted.end(), scatter.begin(), scatter.end());
  // Bodies near the plan come onto the map whole, unless a body is so large
  // that the plan would shrink to a dot beside it; then its edge shows.
  for (const PlanBody& body : input.bodies) {
    if (!BodyNear(body, middle, reach) || body.radius > reach) continue;
    const MapPoint c = Project(layout.plane, body.pos);
    const double r = body.radius;
    fitted.insert(fitted.end(), {{c.x - r, c.y - r}, {c.x + r, c.y + r}});
  }
  layout.view =
      FitView(fitted, 2 * minimumReach, 0, mapTop, planPictureWidth, mapHeight, mapMargin);
  const MapView& view = layout.view;
  auto pixel = [&](const VECTOR3& pos) { return view.ToPixel(Project(layout.plane, pos)); };

  layout.path = MarkPath(view, layout.plane, plan, input);
  layout.path.scaleAt = {view.left + 20, view.top + view.height - 18};
  const double pathPixels = plan.length * view.pixelsPerMetre;
  if (plan.solved && plan.length > 0 && pathPixels < shortPath) {
    layout.detailView =
        FitView({Project(layout.plane, plan.start), Project(layout.plane, plan.destination)}, 0,
                detailBox.x, detailBox.y, detailBox.width, detailBox.height, 2 * shipRadius + 8);
    const MapView& detail = *layout.detailView;
    layout.detail = MarkPath(detail, layout.plane, plan, input);
    layout.detail.scaleAt = {detail.left + detail.width - 12 - layout.detail.scalePixels,
                             detail.top + detail.height - 12};
  }
  layout.target = pixel(input.targetPos);
  for (const MapPoint& corner : scatter) layout.scatter.push_back(view.ToPixel(corner));
  if (scene.jump) {
    layout.landed = pixel(scene.jump->landed);
    layout.landedShown = true;
    layout.shipNow = pixel(scene.shipNow);
    layout.shipNowAxis = HeadingEnd(layout.plane, layout.shipNow, scene.axisNow);
  }

  for (std::size_t i = 0; i < input.bodies.size(); ++i) {
    const PlanBody& body = input.bodies[i];
    BodyMark mark{static_cast<int>(i), DiscOnMap(view, layout.plane, body), pixel(body.pos),
                  body.radius * view.pixelsPerMetre};
    if (!mark.disc) {
      if (!PullMatters(plan, body)) continue;
      mark.centre = PointerTowards(view, mark.centre);
    }
    layout.bodies.push_back(mark);
    // The enlarged path shows the discs it passes too.
    if (layout.detailView && DiscOnMap(*layout.detailView, layout.plane, body)) {
      const MapView& detail = *layout.detailView;
      layout.detailBodies.push_back({static_cast<int>(i), true,
                                     detail.ToPixel(Project(layout.plane, body.pos)),
                                     body.radius * detail.pixelsPerMetre});
    }
  }

  layout.pullScale = ChoosePullScale(*std::max_element(plan.pulls.begin(), plan.pulls.end()));
  const double pitch = chartWidth / planSamples;
  for (int i = 0; i < planSamples; ++i) {
    const double height =
        plan.solved ? std::max(shortestBar, chartHeight * layout.pullScale.Height(plan.pulls[i]))
                    : 0;
    layout.bars[i] = {chartLeft + i * pitch + barGap / 2, chartTop + chartHeight - height,
                      pitch - barGap, height};
  }
  PlaceLabels(scene, layout);
  return layout;
}

}  // namespace sim
