#include "planning/Destination.h"

#include "planning/Vector.h"

using namespace jaunt;

JumpEnd JumpAlongAxis(const VECTOR3& shipPos, const VECTOR3& shipAxis, double distance,
                      double speed) {
  const VECTOR3 step = Scale(distance, shipAxis);
  return {Add(shipPos, step), Scale(speed, shipAxis), Length(step)};
}

bool CanApproach(double targetDistance, double distance) {
  return !(distance >= targetDistance);
}

JumpEnd JumpToTarget(const VECTOR3& shipPos, const VECTOR3& shipAxis, const VECTOR3& targetRelPos,
                     double targetDistance, double distance, const VECTOR3& targetVel,
                     double speed) {
  const double k = (targetDistance - distance) / targetDistance;
  // targetRelPos points from the target to the ship: stepping against it
  // moves the ship towards the target.
  const VECTOR3 step = Scale(k, targetRelPos);
  return {Sub(shipPos, step), Add(targetVel, Scale(speed, shipAxis)), Length(step)};
}
