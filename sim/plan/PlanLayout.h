// Where everything goes in the plan picture, in pixels: a header, the map
// with its markers, and the strip chart of the pull at the ten samples with
// a legend beside it. Plain values, so that tests can look at the picture's
// pixels where the layout says the ship, the destination or a sample is.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "picture/PictureLayout.h"
#include "plan/PlanGeometry.h"
#include "plan/PlanScene.h"

namespace sim {

inline constexpr int planPictureWidth = 960, planPictureHeight = 800;
inline constexpr double mapTop = 52, mapHeight = 476, mapMargin = 40;
inline constexpr double chartLeft = 64, chartTop = 584, chartWidth = 500, chartHeight = 136;

// Colours that colour-blind pilots tell apart: the samples in blue, orange
// and black, the markers in green, purple and vermillion and by their shapes.
inline constexpr int safeColour = 0x0072B2, nearColour = 0xE69F00, overColour = 0x000000;
inline constexpr int shipColour = 0x009E73, destinationColour = 0xCC79A7;
inline constexpr int landedColour = 0xD55E00, targetColour = 0x333333;
inline constexpr int mapColour = 0xF2F4F7, bodyColour = 0xC9CDD2, pointerColour = 0x555555;

inline constexpr double shipRadius = 9;       // a disc
inline constexpr double destinationHalf = 8;  // a square
inline constexpr double sampleRadius = 4.5;   // a dot, drawn over the others; less when crowded
inline constexpr double landedArm = 9;        // a cross

// A path shorter than this many pixels on the map is shown enlarged as well,
// in a box in the map's top left corner.
inline constexpr double shortPath = 160;
inline constexpr Box detailBox{12, mapTop + 12, 320, 110};
inline constexpr char detailTitle[] = "the path, enlarged";
inline constexpr double detailFontSize = 11;
inline constexpr double detailTitleLeft = 8, detailTitleTop = 16;  // its baseline, in the box
// Where the map says that there is no jump to show, when there is none.
inline constexpr Box noJumpNote{16, mapTop + 8, 620, 28};

int BandColour(PullBand band);

struct BodyMark {
  int index = 0;
  bool disc = false;  // on the map; else a pointer at its edge towards the body
  MapPoint centre;    // the disc's centre, or the pointer's tip
  double radius = 0;  // pixels
};

// The path as one view shows it.
struct PathMarks {
  MapPoint start, startAxis, destination;
  std::array<MapPoint, planSamples> samples{};
  double sampleRadius = 0;
  ScaleBar scale;
  double scalePixels = 0;
  MapPoint scaleAt;  // the scale bar's left end
};

// A label on the map: its text drawn in `box`, which meets no other label.
inline constexpr double mapFontSize = 12;
struct MapLabel {
  Box box;
  std::string text;
  int colour = 0;
};

struct PlanLayout {
  Plan plan;
  MapPlane plane;
  MapView view;
  PathMarks path;
  std::optional<MapView> detailView;  // the enlarged path, when the map shows it too small
  PathMarks detail;
  MapPoint target, landed, shipNow, shipNowAxis;
  bool landedShown = false;  // after a jump: where the ship landed, and where it is now
  std::vector<MapPoint> scatter;
  std::vector<BodyMark> bodies;
  std::vector<BodyMark> detailBodies;  // the discs that the enlarged path passes
  std::vector<MapLabel> labels, detailLabels;
  PullScale pullScale;
  std::array<Box, planSamples> bars{};
};

PlanLayout LayOutPlan(const PlanScene& scene);

// Labels the marks of a laid-out plan (the ship, the destination, the
// target, where the ship landed and where it is now, then the bodies, those
// that pull hardest first), so that no two overlap; a body's label that
// finds no room is left out.
void PlaceLabels(const PlanScene& scene, PlanLayout& layout);

}  // namespace sim
