// The pull at the ten samples on a log scale, the lines where the jump
// scatters and where it surely goes bad, the body pulling hardest at each
// sample, and the resulting figure beside the module's own.
#include "plan/PlanChart.h"

#include <cmath>

#include "host/Formatted.h"
#include "picture/PictureCanvas.h"
#include "plan/PlanDrawing.h"

namespace sim {

namespace {

constexpr int gridColour = 0xDDDDDD;
constexpr double legendLeft = 652;
constexpr std::size_t chartNameLength = 8;

// The name of the body pulling hardest at `pos`, cut to fit under a bar.
std::string StrongestAt(const PlanInput& input, const VECTOR3& pos) {
  const PlanBody* strongest = nullptr;
  double most = 0;
  for (const PlanBody& body : input.bodies) {
    const double pull = PullOf(body, pos);
    if (pull > most) {
      most = pull;
      strongest = &body;
    }
  }
  if (strongest == nullptr) return "-";
  return strongest->name.substr(0, chartNameLength);  // made valid where it is drawn
}

}  // namespace

void DrawChart(cairo_t* cr, const PlanScene& scene, const PlanLayout& layout) {
  const Plan& plan = layout.plan;
  UseFont(cr, 15, true);
  const std::string figure = plan.solved ? host::Formatted("Probability of safe jaunt: %.1f%%",
                                                           (1 - plan.failureChance) * 100)
                                         : "No estimate: there is no jump to make";
  Label(cr, {16, 560}, figure);
  const double after = 16 + TextWidth(cr, figure) + 12;
  // Beside it, the module's own figure, which the jump goes by.
  const std::optional<double> said =
      scene.jump ? scene.jump->askedProbability : scene.settings.probability;
  const std::string who = scene.jump ? "the jump question said" : "the page shows";
  UseFont(cr, 12);
  Label(cr, {after, 560},
        said ? host::Formatted("(%.1f%% as ", *said) + who + ")" : "(" + who + " no estimate)");

  const PullScale& scale = layout.pullScale;
  const double bottom = chartTop + chartHeight;
  auto heightOf = [&](double pull) { return bottom - chartHeight * scale.Height(pull); };
  UseFont(cr, 10);
  for (int d = 0; d <= scale.decades; ++d) {
    const double value = scale.top * std::pow(10.0, -d);
    Line(cr, {chartLeft, heightOf(value)}, {chartLeft + chartWidth, heightOf(value)}, gridColour,
         1);
    const std::string text = host::Formatted("%g", value);
    Label(cr, {chartLeft - 6 - TextWidth(cr, text), heightOf(value) + 3}, text);
  }
  Label(cr, {chartLeft + chartWidth + 4, chartTop + chartHeight}, "m/s\xC2\xB2");
  for (int i = 0; plan.solved && i < planSamples; ++i) {
    const Box& bar = layout.bars[i];
    cairo_rectangle(cr, bar.x, bar.y, bar.width, bar.height);
    SetColour(cr, BandColour(BandOf(plan.pulls[i])));
    cairo_fill(cr);
    const std::string name = StrongestAt(scene.input, plan.samples[i]);
    Label(cr, {bar.x + bar.width / 2 - TextWidth(cr, name) / 2, bottom + 26}, name);
    const std::string index = std::to_string(i);
    Label(cr, {bar.x + bar.width / 2 - TextWidth(cr, index) / 2, bottom + 13}, index);
  }
  if (plan.solved && plan.peak > 0) {
    const Box& bar = layout.bars[plan.peakSample];
    Label(cr, {bar.x + bar.width / 2 - TextWidth(cr, "peak") / 2, bar.y - 4}, "peak");
  }
  Line(cr, {chartLeft, heightOf(scatterPull)}, {chartLeft + chartWidth, heightOf(scatterPull)},
       nearColour, 2, true);
  Line(cr, {chartLeft, heightOf(certainPull)}, {chartLeft + chartWidth, heightOf(certainPull)},
       overColour, 1.5);
  UseFont(cr, 10);
  Label(cr, {chartLeft + chartWidth + 4, heightOf(scatterPull) + 10}, "1: 50 %");
  Label(cr, {chartLeft + chartWidth + 4, heightOf(certainPull) - 2}, "2: 0 %");
  // What the figure is, in the page's own terms.
  UseFont(cr, 11);
  const char* meaning[] = {
      "The figure is 100 % less 50 % for each m/s\xC2\xB2 of the strongest summed pull (0 % "
      "from 2 m/s\xC2\xB2);",
      "a hop shorter than ship and target together is 100 %. From 50 % up the ship lands where "
      "planned;",
      "below 50 % (a pull over 1 m/s\xC2\xB2) it lands anywhere in the box around the "
      "destination."};
  double y = chartTop + chartHeight + 48;
  for (const char* line : meaning) {
    Label(cr, {16, y}, line);
    y += 15;
  }
}

void DrawLegend(cairo_t* cr, const PlanScene& scene, const PlanLayout& layout) {
  double y = 556;
  UseFont(cr, 11.5);
  auto entry = [&](const std::string& text) {
    Label(cr, {legendLeft + 24, y + 4}, text);
    y += 19;
  };
  // The ship's entries keep their words and cut a long name instead.
  const double room = planPictureWidth - 8 - (legendLeft + 24);
  auto ship = [&](const std::string& words) {
    return FitText(cr, scene.vessel, room - TextWidth(cr, words)) + words;
  };
  // A sample's colour says what its pull alone would make of the figure.
  Label(cr, {legendLeft, y + 4}, "samples: summed pull, and the figure");
  y += 19;
  Disc(cr, {legendLeft + 8, y}, sampleRadius, safeColour);
  entry("up to 0.5 m/s\xC2\xB2: above 75 %");
  Disc(cr, {legendLeft + 8, y}, sampleRadius, nearColour);
  entry("0.5 to 1 m/s\xC2\xB2: 75 to 50 %");
  Disc(cr, {legendLeft + 8, y}, sampleRadius, overColour);
  entry("over 1 m/s\xC2\xB2: below 50 %, scatters");
  if (scene.jump) {
    Ring(cr, {legendLeft + 8, y}, 6, shipColour, 3);
    entry(ship(" where it jumped from"));
    Disc(cr, {legendLeft + 8, y}, 7, shipColour);
    entry(
        ship(std::string(" now, against ") + (scene.input.hasTarget ? "the target" : "its body")));
  } else {
    Disc(cr, {legendLeft + 8, y}, 7, shipColour);
    entry(ship(", its axis"));
  }
  Square(cr, {legendLeft + 8, y}, 6, destinationColour);
  entry("destination as planned");
  if (scene.input.hasTarget) {
    Ring(cr, {legendLeft + 8, y}, 7, targetColour, 2);
    entry("target");
  }
  if (!layout.scatter.empty()) {
    cairo_rectangle(cr, legendLeft + 1, y - 6, 14, 12);
    SetColour(cr, landedColour, 0.3);
    cairo_fill(cr);
    entry("where an unsafe jump can land");
  }
  if (layout.landedShown) {
    Cross(cr, {legendLeft + 8, y}, 6, landedColour);
    entry("where the ship landed");
  }
  Disc(cr, {legendLeft + 8, y}, 7, bodyColour);
  entry("body, to scale (arrow: off the map)");
}

}  // namespace sim
