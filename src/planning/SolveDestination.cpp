// Where and how fast the ship leaves the jump.
#include "display/JauntMFD.h"
#include "planning/Destination.h"

bool JauntMFD::SolveDestination() {
  ship = oapiGetFocusInterface();
  if (ship == nullptr) return false;
  ship->GetGlobalPos(shipPos);
  ship->GlobalRot(MakeVector(0, 0, 1), shipAxis);

  JumpEnd end;
  if (target == nullptr) {
    end = JumpAlongAxis(shipPos, shipAxis, distanceSetting, speedSetting);
  } else {
    // A target that has left the world is no longer found under its name;
    // its old handle must never reach the host again.
    if (oapiGetObjectByName(targetName) != target) return false;
    if (!CanApproach(targetDistance, distanceSetting)) return false;
    VECTOR3 targetVel;
    oapiGetGlobalVel(target, &targetVel);
    end = JumpToTarget(shipPos, shipAxis, targetRelPos, targetDistance, distanceSetting, targetVel,
                       speedSetting);
  }
  destPos = end.pos;
  destVel = end.vel;
  jumpLength = end.length;
  return true;
}
