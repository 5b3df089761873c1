// Where a jump would take the focus vessel, worked out as the pilot can: from
// the settings the page shows and the world. The page rounds the distance
// setting, so the aim is good to about half a percent of that distance.
#pragma once

#include <optional>
#include <string>

#include "host/PageRecorder.h"
#include "host/World.h"

namespace sim {

// The planned destination for the page of a ship at `pos` with `attitude`:
// with a target, on the straight line from the ship to the target, the
// final distance short of it; without one, the distance to travel along the
// ship's forward axis. Empty when the page shows no distance, or a target
// the world does not know.
std::optional<VECTOR3> PlannedDestination(const host::Page& page, const VECTOR3& pos,
                                          const host::Rotation& attitude);

// A distance to two figures, for a figure known only roughly: "about 62 Mm".
std::string RoughDistance(double metres);

}  // namespace sim
