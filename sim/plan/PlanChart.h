// The lower part of the plan picture: the strip chart of the pull at the ten
// samples, with the resulting figure above it and what the figure means
// below it, and the legend of what the picture shows beside it.
#pragma once

#include <cairo.h>

#include "plan/PlanLayout.h"
#include "plan/PlanScene.h"

namespace sim {

void DrawChart(cairo_t* cr, const PlanScene& scene, const PlanLayout& layout);
void DrawLegend(cairo_t* cr, const PlanScene& scene, const PlanLayout& layout);

}  // namespace sim
