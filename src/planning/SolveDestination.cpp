// Where and how fast the ship leaves the jump.
#include "display/JauntMFD.h"
#include "planning/Vector.h"

bool JauntMFD::SolveDestination() {
  using namespace jaunt;
  ship = oapiGetFocusInterface();
  if (ship == nullptr) return false;
  ship->GetGlobalPos(shipPos);
  ship->GlobalRot(MakeVector(0, 0, 1), shipAxis);

  if (target == nullptr) {
    const VECTOR3 step = Scale(distanceSetting, shipAxis);
    jumpLength = Length(step);
    destPos = Add(shipPos, step);
    destVel = Scale(speedSetting, shipAxis);
    return true;
  }

  // A target that has left the world is no longer found under its name; its
  // old handle must never reach the host again.
  if (oapiGetObjectByName(targetName) != target) return false;
  if (distanceSetting >= targetDistance) return false;
  const double k = (targetDistance - distanceSetting) / targetDistance;
  // targetRelPos points from the target to the ship: stepping against it
  // moves the ship towards the target.
  const VECTOR3 step = Scale(k, targetRelPos);
  jumpLength = Length(step);
  destPos = Sub(shipPos, step);
  oapiGetGlobalVel(target, &destVel);
  destVel = Add(destVel, Scale(speedSetting, shipAxis));
  return true;
}
