// Where a jump ends, worked out from plain values: the ship's position and
// axis, the settings and, with a target, where it lies and how it moves. The
// display solves its jumps with these, and so does anyone who would show
// them a plan, without asking the host for anything.
#pragma once

#include "plugin/HostTypes.h"

struct JumpEnd {
  VECTOR3 pos;    // where the ship leaves the jump, global frame
  VECTOR3 vel;    // how fast it leaves it
  double length;  // of the displacement from the ship's position
};

// No target: `distance` metres along the ship's unit axis, leaving with the
// absolute velocity `speed` along it.
JumpEnd JumpAlongAxis(const VECTOR3& shipPos, const VECTOR3& shipAxis, double distance,
                      double speed);

// Whether a target `targetDistance` away can be approached to `distance`:
// only a final distance below the present one can.
bool CanApproach(double targetDistance, double distance);

// With a target whose position, subtracted from the ship's, is
// `targetRelPos` (of length `targetDistance`): on the straight line to it,
// `distance` metres short of it, leaving with `targetVel` plus `speed` along
// the ship's axis. Only for settings CanApproach accepts.
JumpEnd JumpToTarget(const VECTOR3& shipPos, const VECTOR3& shipAxis, const VECTOR3& targetRelPos,
                     double targetDistance, double distance, const VECTOR3& targetVel,
                     double speed);
