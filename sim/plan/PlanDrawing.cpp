#include "plan/PlanDrawing.h"

#include <cmath>

#include "host/Formatted.h"
#include "picture/PictureCanvas.h"

namespace sim {

std::string Distance(double metres) {
  if (std::abs(metres) >= 1e9) return host::Formatted("%.2f Gm", metres * 1e-9);
  if (std::abs(metres) >= 1e6) return host::Formatted("%.2f Mm", metres * 1e-6);
  if (std::abs(metres) >= 1e3) return host::Formatted("%.2f Km", metres * 1e-3);
  return host::Formatted("%.1f m", metres);
}

void Disc(cairo_t* cr, const MapPoint& at, double radius, int rgb) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, at.x, at.y, radius, 0, 2 * M_PI);
  SetColour(cr, rgb);
  cairo_fill(cr);
}

void Ring(cairo_t* cr, const MapPoint& at, double radius, int rgb, double width) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, at.x, at.y, radius, 0, 2 * M_PI);
  SetColour(cr, rgb);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

void Line(cairo_t* cr, const MapPoint& from, const MapPoint& to, int rgb, double width,
          bool dashed) {
  const double dashes[] = {6, 4};
  cairo_set_dash(cr, dashes, dashed ? 2 : 0, 0);
  cairo_move_to(cr, from.x, from.y);
  cairo_line_to(cr, to.x, to.y);
  SetColour(cr, rgb);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
  cairo_set_dash(cr, dashes, 0, 0);
}

void Square(cairo_t* cr, const MapPoint& at, double half, int rgb) {
  cairo_rectangle(cr, at.x - half, at.y - half, 2 * half, 2 * half);
  SetColour(cr, rgb);
  cairo_fill(cr);
}

void Cross(cairo_t* cr, const MapPoint& at, double arm, int rgb) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  Line(cr, {at.x - arm, at.y - arm}, {at.x + arm, at.y + arm}, rgb, 3.5);
  Line(cr, {at.x - arm, at.y + arm}, {at.x + arm, at.y - arm}, rgb, 3.5);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

void Label(cairo_t* cr, const MapPoint& at, const std::string& text, int rgb) {
  SetColour(cr, rgb);
  ShowText(cr, at.x, at.y, text);
}

}  // namespace sim
