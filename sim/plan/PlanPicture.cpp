// The plan drawn with cairo from its layout: the header and the map, then
// the strip chart and the legend.
#include "plan/PlanPicture.h"

#include <algorithm>
#include <cmath>

#include "host/Formatted.h"
#include "picture/PictureCanvas.h"
#include "plan/PlanChart.h"
#include "plan/PlanDrawing.h"
#include "plan/PlanLayout.h"
#include "world/Calendar.h"

namespace sim {

namespace {

constexpr int pathColour = 0x404040, edgeColour = 0x7A7F87;

void DrawHeader(cairo_t* cr, const PlanScene& scene, const Plan& plan) {
  const PageSettings& s = scene.settings;
  // Long names and settings are cut at the picture's right margin.
  const double width = planPictureWidth - 32;
  UseFont(cr, 17, true);
  Label(cr, {16, 24},
        FitText(cr,
                CalendarText(scene.mjd) + "   " + scene.vessel +
                    (s.target.empty() ? ", no target" : " to " + s.target),
                width));
  std::string line = s.target.empty() ? "distance to travel " + s.distanceText +
                                            ", final absolute velocity " + s.speedText
                                      : "final distance to target " + s.distanceText +
                                            ", final relative velocity " + s.speedText;
  if (plan.solved) line += "; a jump of " + Distance(plan.length);
  if (scene.jump) line += host::Formatted("; made at t = %.2f s", scene.jump->simTime);
  UseFont(cr, 12);
  Label(cr, {16, 44}, FitText(cr, line, width));
}

// The bodies' discs to scale, and a pointer at the map's edge towards each
// body off it whose pull counts.
void DrawBodies(cairo_t* cr, const MapView& view, const std::vector<BodyMark>& marks) {
  for (const BodyMark& mark : marks) {
    if (mark.disc) {
      cairo_new_path(cr);
      cairo_arc(cr, mark.centre.x, mark.centre.y, std::max(mark.radius, 3.0), 0, 2 * M_PI);
      SetColour(cr, bodyColour);
      cairo_fill_preserve(cr);
      SetColour(cr, edgeColour);
      cairo_set_line_width(cr, 1);
      cairo_stroke(cr);
      continue;
    }
    const MapPoint c{view.left + view.width / 2, view.top + view.height / 2};
    const double dx = mark.centre.x - c.x, dy = mark.centre.y - c.y, d = std::hypot(dx, dy);
    const double ux = d > 0 ? dx / d : 0, uy = d > 0 ? dy / d : -1;
    cairo_new_path(cr);
    cairo_move_to(cr, mark.centre.x + 10 * ux, mark.centre.y + 10 * uy);
    cairo_line_to(cr, mark.centre.x - 6 * uy, mark.centre.y + 6 * ux);
    cairo_line_to(cr, mark.centre.x + 6 * uy, mark.centre.y - 6 * ux);
    cairo_close_path(cr);
    SetColour(cr, pointerColour);
    cairo_fill(cr);
  }
}

void DrawLabels(cairo_t* cr, const std::vector<MapLabel>& labels) {
  UseFont(cr, mapFontSize);
  for (const MapLabel& label : labels)
    Label(cr, {label.box.x, label.box.y + 0.95 * mapFontSize}, label.text, label.colour);
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

void DrawScaleBar(cairo_t* cr, const PathMarks& marks) {
  const double x = marks.scaleAt.x, y = marks.scaleAt.y;
  Line(cr, {x, y}, {x + marks.scalePixels, y}, inkColour, 3);
  Line(cr, {x, y - 6}, {x, y + 6}, inkColour, 1.5);
  Line(cr, {x + marks.scalePixels, y - 6}, {x + marks.scalePixels, y + 6}, inkColour, 1.5);
  Label(cr, {x, y - 10}, marks.scale.text);
}

// The path enlarged in a box of its own, when the map shows it too small,
// with the bodies it passes.
void DrawDetail(cairo_t* cr, const PlanScene& scene, const PlanLayout& layout) {
  if (!layout.detailView) return;
  const MapView& view = *layout.detailView;
  cairo_save(cr);
  cairo_new_path(cr);
  cairo_rectangle(cr, view.left, view.top, view.width, view.height);
  SetColour(cr, 0xFFFFFF);
  cairo_fill_preserve(cr);
  SetColour(cr, 0x9AA0A6);
  cairo_set_line_width(cr, 1);
  cairo_stroke_preserve(cr);
  cairo_clip(cr);
  DrawBodies(cr, view, layout.detailBodies);
  UseFont(cr, detailFontSize);
  Label(cr, {view.left + detailTitleLeft, view.top + detailTitleTop}, detailTitle);
  DrawPath(cr, layout.plan, layout.detail, scene.jump.has_value());
  DrawScaleBar(cr, layout.detail);
  DrawLabels(cr, layout.detailLabels);
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
  DrawBodies(cr, view, layout.bodies);
  if (!layout.scatter.empty()) {
    cairo_new_path(cr);  // the box alone, not joined to anything drawn before
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
  if (!plan.solved) {
    UseFont(cr, 14, true);
    Label(cr, {noJumpNote.x + 8, noJumpNote.y + 20},
          "No jump: the final distance is not below the present one");
  }
  if (layout.landedShown) Line(cr, path.destination, layout.landed, pathColour, 1, true);
  DrawPath(cr, plan, path, layout.landedShown);
  DrawScaleBar(cr, path);
  DrawLabels(cr, layout.labels);
  DrawDetail(cr, scene, layout);
  // Where the ship went stays in sight, over the enlarged path too.
  if (layout.landedShown) {
    Line(cr, layout.shipNow, layout.shipNowAxis, shipColour, 3);
    Disc(cr, layout.shipNow, shipRadius, shipColour);
    Cross(cr, layout.landed, landedArm, landedColour);
  }
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
  DrawLegend(cr, scene, layout);
  return canvas.Save(path, error);
}

}  // namespace sim
