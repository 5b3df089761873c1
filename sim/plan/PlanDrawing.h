// Drawing helpers of the plan picture: marks, lines and labels in pixels,
// and lengths in the page's units.
#pragma once

#include <cairo.h>

#include <string>

#include "plan/PlanGeometry.h"

namespace sim {

inline constexpr int inkColour = 0x202020;

// A length in the page's units: m, Km, Mm, Gm.
std::string Distance(double metres);

void Disc(cairo_t* cr, const MapPoint& at, double radius, int rgb);
void Ring(cairo_t* cr, const MapPoint& at, double radius, int rgb, double width);
void Line(cairo_t* cr, const MapPoint& from, const MapPoint& to, int rgb, double width,
          bool dashed = false);
void Square(cairo_t* cr, const MapPoint& at, double half, int rgb);
void Cross(cairo_t* cr, const MapPoint& at, double arm, int rgb);
void Label(cairo_t* cr, const MapPoint& at, const std::string& text, int rgb = inkColour);

}  // namespace sim
