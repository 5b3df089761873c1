// The plan drawn with cairo from its layout: the header and the map, then
// the strip chart and the legend.
#include "PlanPicture.h"

#include <algorithm>
#include <cmath>

#include "FlightPanel.h"
#include "PictureCanvas.h"
#include "PlanChart.h"
#include "PlanDrawing.h"
#include "PlanLayout.h"

namespace sim {

namespace {

constexpr int pathColour = 0x404040, edgeColour = 0x7A7F87, pointerColour = 0x555555;

// A label beside a mark on the map, `dy` below it: to its right, or to its
// left where the map ends first.
void MarkLabel(cairo_t* cr, const MapView& view, const MapPoint& mark, double dy,
               const std::string& text) {
  const double w = TextWidth(cr, text);
  const double x = mark.x + 12 + w <= view.left + view.width - 4 ? mark.x + 12 : mark.x - 12 - w;
  Label(cr, {x, mark.y + dy}, text);
}

void DrawHeader(cairo_t* cr, const PlanScene& scene, const Plan& plan) {
  const PageSettings& s = scene.settings;
  UseFont(cr, 17, true);
  Label(cr, {16, 24},
        CalendarText(scene.mjd) + "   " + scene.vessel +
            (s.target.empty() ? ", no target" : " to " + s.target));
  std::string line = s.target.empty() ? "distance to travel " + s.distanceText +
                                            ", final absolute velocity " + s.speedText
                                      : "final distance to target " + s.distanceText +
                                            ", final relative velocity " + s.speedText;
  if (plan.solved) line += "; a jump of " + Distance(plan.length);
  if (scene.jump) line += Format("; made at t = %.2f s", scene.jump->simTime);
  UseFont(cr, 12);
  Label(cr, {16, 44}, line);
}

void DrawBodies(cairo_t* cr, const PlanLayout& layout, const PlanInput& input) {
  UseFont(cr, 12);
  for (const BodyMark& mark : layout.bodies) {
    const PlanBody& body = input.bodies[static_cast<std::size_t>(mark.index)];
    if (mark.disc) {
      const double r = std::max(mark.radius, 3.0);
      cairo_new_sub_path(cr);
      cairo_arc(cr, mark.centre.x, mark.centre.y, r, 0, 2 * M_PI);
      SetColour(cr, bodyColour);
      cairo_fill_preserve(cr);
      SetColour(cr, edgeColour);
      cairo_set_line_width(cr, 1);
      cairo_stroke(cr);
      const double below = r < 40 ? r + 14 : 4;
      Label(cr, {mark.centre.x - TextWidth(cr, body.name) / 2, mark.centre.y + below}, body.name);
      continue;
    }
    // A body off the map whose pull counts: a pointer at the edge towards it.
    const MapPoint c{layout.view.left + layout.view.width / 2,
                     layout.view.top + layout.view.height / 2};
    const double dx = mark.centre.x - c.x, dy = mark.centre.y - c.y, d = std::hypot(dx, dy);
    const double ux = d > 0 ? dx / d : 0, uy = d > 0 ? dy / d : -1;
    cairo_move_to(cr, mark.centre.x + 10 * ux, mark.centre.y + 10 * uy);
    cairo_line_to(cr, mark.centre.x - 6 * uy, mark.centre.y + 6 * ux);
    cairo_line_to(cr, mark.centre.x + 6 * uy, mark.centre.y - 6 * ux);
    cairo_close_path(cr);
    SetColour(cr, pointerColour);
    cairo_fill(cr);
    // Its name and distance inside the map beside it, clear of the middle line.
    const std::string text =
        body.name + " " + Distance(host::Length(body.pos - layout.plane.origin));
    const MapView& view = layout.view;
    const double w = TextWidth(cr, text), edge = 24;
    double x = mark.centre.x - w / 2;
    if (mark.centre.x < view.left + edge) x = mark.centre.x + 12;
    if (mark.centre.x > view.left + view.width - edge) x = mark.centre.x - 12 - w;
    x = std::clamp(x, view.left + 4, view.left + view.width - 4 - w);
    const double y = mark.centre.y < view.top + edge ? mark.centre.y + 24 : mark.centre.y - 14;
    Label(cr, {x, y}, text, pointerColour);
  }
}

// The path with its samples, the ship at its start and the destination.
void DrawPath(cairo_t* cr, const Plan& plan, const PathMarks& marks, bool jumped) {
  if (plan.solved) Line(cr, marks.start, marks.destination, pathColour, 2);
  Line(cr, marks.start, marks.startAxis, shipColour, 3);
  if (jumped)
    Ring(cr, marks.start, shipRadius - 1.5, shipColour, 3);
  else
    Disc(cr, marks.start, shipRadius, shipColour);
  if (!plan.solved) return;
  Square(cr, marks.destination, destinationHalf, destinationColour);
  for (int i = 0; i < planSamples; ++i) {
    Disc(cr, marks.samples[i], marks.sampleRadius + 1, 0xFFFFFF);
    Disc(cr, marks.samples[i], marks.sampleRadius, BandColour(BandOf(plan.pulls[i])));
  }
}

void DrawScaleBar(cairo_t* cr, const PathMarks& marks, double x, double y) {
  Line(cr, {x, y}, {x + marks.scalePixels, y}, inkColour, 3);
  Line(cr, {x, y - 6}, {x, y + 6}, inkColour, 1.5);
  Line(cr, {x + marks.scalePixels, y - 6}, {x + marks.scalePixels, y + 6}, inkColour, 1.5);
  Label(cr, {x, y - 10}, marks.scale.text);
}

// The path enlarged in a box of its own, when the map shows it too small.
void DrawDetail(cairo_t* cr, const PlanScene& scene, const PlanLayout& layout) {
  if (!layout.detailView) return;
  const MapView& view = *layout.detailView;
  cairo_save(cr);
  cairo_rectangle(cr, view.left, view.top, view.width, view.height);
  SetColour(cr, 0xFFFFFF);
  cairo_fill_preserve(cr);
  SetColour(cr, 0x9AA0A6);
  cairo_set_line_width(cr, 1);
  cairo_stroke_preserve(cr);
  cairo_clip(cr);
  UseFont(cr, 11);
  Label(cr, {view.left + 8, view.top + 16}, "the path, enlarged");
  DrawPath(cr, layout.plan, layout.detail, scene.jump.has_value());
  DrawScaleBar(cr, layout.detail, view.left + view.width - 12 - layout.detail.scalePixels,
               view.top + view.height - 12);
  cairo_restore(cr);
}

void DrawMap(cairo_t* cr, const PlanScene& scene, const PlanLayout& layout) {
  const MapView& view = layout.view;
  const Plan& plan = layout.plan;
  const PathMarks& path = layout.path;
  cairo_save(cr);
  cairo_rectangle(cr, view.left, view.top, view.width, view.height);
  SetColour(cr, mapColour);
  cairo_fill_preserve(cr);
  cairo_clip(cr);
  DrawBodies(cr, layout, scene.input);
  if (!layout.scatter.empty()) {
    for (const MapPoint& p : layout.scatter) cairo_line_to(cr, p.x, p.y);
    cairo_close_path(cr);
    SetColour(cr, landedColour, 0.14);
    cairo_fill_preserve(cr);
    const double dashes[] = {6, 4};
    cairo_set_dash(cr, dashes, 2, 0);
    SetColour(cr, landedColour);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_set_dash(cr, dashes, 0, 0);
  }
  if (scene.input.hasTarget) Ring(cr, layout.target, 12, targetColour, 2);
  UseFont(cr, 12);
  if (plan.solved) {
    MarkLabel(cr, view, path.destination, -12, "destination");
  } else {
    UseFont(cr, 14, true);
    Label(cr, {view.left + 24, view.top + 28},
          "No jump: the final distance is not below the present one");
    UseFont(cr, 12);
  }
  if (layout.landedShown) {
    Line(cr, path.destination, layout.landed, pathColour, 1, true);
    MarkLabel(cr, view, layout.landed, 24,
              "landed " + Distance(host::Length(scene.jump->landed - plan.destination)) +
                  " from the plan");
  }
  MarkLabel(cr, view, path.start, 24, scene.vessel);
  DrawPath(cr, plan, path, layout.landedShown);
  DrawScaleBar(cr, path, view.left + 20, view.top + view.height - 18);
  DrawDetail(cr, scene, layout);
  // Where the ship went stays in sight, over the enlarged path too.
  if (layout.shipNowShown) {
    Line(cr, layout.shipNow, layout.shipNowAxis, shipColour, 3);
    Disc(cr, layout.shipNow, shipRadius, shipColour);
  }
  if (layout.landedShown) Cross(cr, layout.landed, landedArm, landedColour);
  cairo_restore(cr);
  cairo_rectangle(cr, view.left + 0.5, view.top + 0.5, view.width - 1, view.height - 1);
  SetColour(cr, 0x9AA0A6);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

}  // namespace

bool WritePlanPicture(int number, const std::string& path, std::string& error) {
  PlanScene scene;
  if (!GatherPlan(number, scene, error)) return false;
  const PlanLayout layout = LayOutPlan(scene);
  Canvas canvas(planPictureWidth, planPictureHeight);
  cairo_t* cr = canvas.Cr();
  DrawHeader(cr, scene, layout.plan);
  DrawMap(cr, scene, layout);
  DrawChart(cr, scene, layout);
  DrawLegend(cr);
  return canvas.Save(path, error);
}

}  // namespace sim
