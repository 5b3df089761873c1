// The plan's labels, placed so that none overlaps another: the marks a
// pilot must find first, then the bodies, those that pull hardest first.
#include <algorithm>
#include <cmath>

#include "picture/PictureCanvas.h"
#include "plan/LabelPlacement.h"
#include "plan/PlanDrawing.h"
#include "plan/PlanLayout.h"

namespace sim {

namespace {

constexpr double labelHeight = 1.25 * mapFontSize;
constexpr std::size_t longestName = 40;  // characters; longer names are cut
constexpr double inside = 40;            // pixels: a disc this large carries its label inside
constexpr double lineStep = 6;           // pixels between the boxes that keep labels off the path
// Bodies labelled at most, those that pull hardest first: past these the
// map has no room left, and measuring more would only cost time.
constexpr std::size_t mostBodyLabels = 200;

Box Around(const MapPoint& centre, double radius) {
  return {centre.x - radius, centre.y - radius, 2 * radius, 2 * radius};
}

// The scale bar, with its text above it.
Box ScaleBarBox(const PathMarks& path) {
  const double x = path.scaleAt.x, y = path.scaleAt.y;
  return {x - 2, y - 24, std::max(path.scalePixels, 60.0) + 4, 32};
}

// The bodies' indices, those that pull hardest on the path first.
std::vector<int> ByPull(const Plan& plan, const PlanInput& input) {
  std::vector<std::pair<double, int>> order;
  for (std::size_t i = 0; i < input.bodies.size(); ++i) {
    double most = 0;
    for (const VECTOR3& sample : plan.samples)
      most = std::max(most, PullOf(input.bodies[i], sample));
    order.emplace_back(-most, static_cast<int>(i));
  }
  std::stable_sort(order.begin(), order.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<int> indices;
  indices.reserve(order.size());
  for (const auto& [pull, index] : order) indices.push_back(index);
  return indices;
}

// The labels of one view: its placer, and where the placed labels go.
class Labeller {
 public:
  Labeller(const MapView& view, std::vector<MapLabel>& labels, TextMeasure& measure)
      : placer({view.left + 2, view.top + 2, view.width - 4, view.height - 4}),
        labels(labels),
        measure(measure) {}

  void KeepClear(const Box& box) { placer.KeepClear(box); }

  // The marks of a path and the line between them.
  void KeepOffPath(const PathMarks& path, bool solved) {
    placer.KeepClear(Around(path.start, shipRadius));
    if (!solved) return;
    placer.KeepClear(Around(path.destination, destinationHalf));
    for (const MapPoint& sample : path.samples) placer.KeepClear(Around(sample, path.sampleRadius));
    const double dx = path.destination.x - path.start.x, dy = path.destination.y - path.start.y;
    const int steps = static_cast<int>(std::min(std::hypot(dx, dy) / lineStep, 1000.0));
    for (int i = 1; i < steps; ++i) {
      const double t = static_cast<double>(i) / steps;
      placer.KeepClear(Around({path.start.x + t * dx, path.start.y + t * dy}, 2));
    }
  }

  // `text` beside a mark of radius `clearance`; one that is `needed` may
  // cover other marks, where a body's label is left out.
  void Mark(const MapPoint& at, double clearance, const std::string& text, bool needed,
            int colour = inkColour) {
    const double width = measure.Width(text, mapFontSize);
    const std::optional<Box> box = needed ? placer.PlaceOverMarks(at, clearance, width, labelHeight)
                                          : placer.Place(at, clearance, width, labelHeight);
    if (box) labels.push_back({*box, text, colour});
  }

  // The bodies' labels, in the order given, where there is room; a body
  // that is the target has its label at the target's ring already.
  void Bodies(const std::vector<BodyMark>& marks, const std::vector<int>& order,
              const PlanInput& input, const MapPlane& plane) {
    std::vector<const BodyMark*> markOf(input.bodies.size(), nullptr);
    for (const BodyMark& mark : marks) markOf[static_cast<std::size_t>(mark.index)] = &mark;
    std::size_t tried = 0;
    for (const int index : order) {
      const BodyMark* mark = markOf[static_cast<std::size_t>(index)];
      if (index == input.targetBody || mark == nullptr) continue;
      if (++tried > mostBodyLabels) break;
      const PlanBody& body = input.bodies[static_cast<std::size_t>(index)];
      if (mark->disc) {
        Mark(mark->centre, mark->radius < inside ? std::max(mark->radius, 3.0) : 0,
             CutText(body.name, longestName), false);
      } else {  // a pointer at the map's edge: the body's name and distance
        Mark(
            mark->centre, 10,
            CutText(body.name, longestName) + " " + Distance(host::Length(body.pos - plane.origin)),
            false, pointerColour);
      }
    }
  }

 private:
  LabelPlacer placer;
  std::vector<MapLabel>& labels;
  TextMeasure& measure;
};

}  // namespace

void PlaceLabels(const PlanScene& scene, PlanLayout& layout) {
  const MapView& view = layout.view;
  const Plan& plan = layout.plan;
  TextMeasure measure;
  Labeller map(view, layout.labels, measure);
  map.KeepOffPath(layout.path, plan.solved);
  if (scene.input.hasTarget) map.KeepClear(Around(layout.target, 12));
  if (layout.landedShown) {
    map.KeepClear(Around(layout.landed, landedArm));
    map.KeepClear(Around(layout.shipNow, shipRadius));
  }
  map.KeepClear(ScaleBarBox(layout.path));
  if (layout.detailView) {
    const MapView& d = *layout.detailView;
    map.KeepClear({d.left - 4, d.top - 4, d.width + 8, d.height + 8});
  }
  if (!plan.solved) map.KeepClear(noJumpNote);

  const std::string vessel = CutText(scene.vessel, longestName);
  map.Mark(layout.path.start, shipRadius, vessel, true);
  if (plan.solved) map.Mark(layout.path.destination, destinationHalf, "destination", true);
  if (scene.input.hasTarget) map.Mark(layout.target, 12, CutText(scene.target, longestName), true);
  if (layout.landedShown) {
    const std::string landed = "landed " +
                               Distance(host::Length(scene.jump->landed - plan.destination)) +
                               " from the plan";
    // Still where it landed, as far as the map can tell: one label says both.
    if (std::hypot(layout.shipNow.x - layout.landed.x, layout.shipNow.y - layout.landed.y) <
        2 * shipRadius) {
      map.Mark(layout.landed, landedArm, vessel + " now; " + landed, true);
    } else {
      map.Mark(layout.landed, landedArm, landed, true);
      map.Mark(layout.shipNow, shipRadius, vessel + " now", true);
    }
  }
  const std::vector<int> order = ByPull(plan, scene.input);
  map.Bodies(layout.bodies, order, scene.input, layout.plane);

  if (!layout.detailView) return;
  const MapView& d = *layout.detailView;
  Labeller inset(d, layout.detailLabels, measure);
  inset.KeepOffPath(layout.detail, plan.solved);
  inset.KeepClear({d.left, d.top, detailTitleLeft + measure.Width(detailTitle, detailFontSize) + 4,
                   detailTitleTop + 4});
  inset.KeepClear(ScaleBarBox(layout.detail));
  inset.Bodies(layout.detailBodies, order, scene.input, layout.plane);
}

}  // namespace sim
