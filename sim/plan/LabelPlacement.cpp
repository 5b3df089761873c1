#include "plan/LabelPlacement.h"

namespace sim {

namespace {

constexpr double gap = 4;          // pixels between a mark and its label
constexpr double furtherOut = 14;  // pixels: the second ring of places
constexpr double apart = 3;        // pixels kept between two labels, so that they read apart

bool Inside(const Box& inner, const Box& outer) {
  return inner.x >= outer.x && inner.y >= outer.y &&
         inner.x + inner.width <= outer.x + outer.width &&
         inner.y + inner.height <= outer.y + outer.height;
}

bool MeetsAny(const Box& box, const std::vector<Box>& others) {
  for (const Box& other : others) {
    if (Overlap(box, other)) return true;
  }
  return false;
}

}  // namespace

bool Overlap(const Box& a, const Box& b) {
  return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

std::optional<Box> LabelPlacer::Try(const MapPoint& anchor, double clearance, double width,
                                    double height, bool overMarks) {
  for (const double out : {0.0, furtherOut, 2 * furtherOut}) {
    const double d = clearance + gap + out;
    const double left = anchor.x - d - width, right = anchor.x + d;
    const double middleX = anchor.x - width / 2, middleY = anchor.y - height / 2;
    const double above = anchor.y - d - height, below = anchor.y + d;
    const MapPoint corners[] = {{right, middleY}, {left, middleY}, {middleX, below},
                                {middleX, above}, {right, below},  {right, above},
                                {left, below},    {left, above}};
    for (const MapPoint& corner : corners) {
      const Box box{corner.x, corner.y, width, height};
      const Box spaced{box.x - apart, box.y - apart, width + 2 * apart, height + 2 * apart};
      if (!Inside(box, area) || MeetsAny(spaced, labels) || (!overMarks && MeetsAny(box, clear)))
        continue;
      labels.push_back(box);
      return box;
    }
  }
  return std::nullopt;
}

std::optional<Box> LabelPlacer::Place(const MapPoint& anchor, double clearance, double width,
                                      double height) {
  return Try(anchor, clearance, width, height, false);
}

std::optional<Box> LabelPlacer::PlaceOverMarks(const MapPoint& anchor, double clearance,
                                               double width, double height) {
  if (std::optional<Box> box = Try(anchor, clearance, width, height, false)) return box;
  return Try(anchor, clearance, width, height, true);
}

}  // namespace sim
