#include "world/EphemerisNodes.h"

#include <cmath>

namespace sim {

EphemerisNodes::EphemerisNodes(PositionAt position, double spacing)
    : position(position), spacing(spacing) {}

VECTOR3 EphemerisNodes::PositionOf(long long node) {
  const long long count = static_cast<long long>(slots.size());
  Slot& slot = slots[static_cast<std::size_t>((node % count + count) % count)];
  if (!slot.filled || slot.node != node) {
    slot.pos = position(static_cast<double>(node) * spacing);
    slot.node = node;
    slot.filled = true;
  }
  return slot.pos;
}

host::PathNode EphemerisNodes::Node(long long node) {
  const double h = spacing * host::secondsPerDay;
  host::PathNode result;
  result.mjd = static_cast<double>(node) * spacing;
  result.pos = PositionOf(node);
  result.vel = (1 / (12 * h)) * ((PositionOf(node - 2) - PositionOf(node + 2)) +
                                 8 * (PositionOf(node + 1) - PositionOf(node - 1)));
  return result;
}

void EphemerisNodes::Around(double mjd, host::PathNode& before, host::PathNode& after) {
  const auto node = static_cast<long long>(std::floor(mjd / spacing));
  before = Node(node);
  after = Node(node + 1);
}

}  // namespace sim
