// Where the labels of a picture's marks go so that no two overlap: each is
// tried beside its mark (right, left, below, above, then diagonally, then
// the same one and two steps further out) and takes the first place that stays inside
// the area and meets no label placed before it, nor a mark or region kept
// clear. Labels placed first win; a label with no free place is left out.
#pragma once

#include <optional>
#include <vector>

#include "picture/PictureLayout.h"
#include "plan/PlanGeometry.h"

namespace sim {

bool Overlap(const Box& a, const Box& b);

class LabelPlacer {
 public:
  explicit LabelPlacer(const Box& area) : area(area) {}

  // Keeps labels off `box`: a mark, or a region drawn over the map.
  void KeepClear(const Box& box) { clear.push_back(box); }

  // The box of a label `width` × `height` beside a mark of radius
  // `clearance` at `anchor`; empty when no place is free.
  std::optional<Box> Place(const MapPoint& anchor, double clearance, double width, double height);

  // As Place, but when every place meets a mark, the first that meets no
  // label: for labels a picture cannot do without.
  std::optional<Box> PlaceOverMarks(const MapPoint& anchor, double clearance, double width,
                                    double height);

 private:
  std::optional<Box> Try(const MapPoint& anchor, double clearance, double width, double height,
                         bool overMarks);

  Box area;
  std::vector<Box> clear;
  std::vector<Box> labels;
};

}  // namespace sim
