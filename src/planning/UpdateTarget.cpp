// Choosing, dropping and refreshing the target, and the safety estimate.
#include "../display/JauntMFD.h"
#include "../display/TextFormat.h"
#include "SafetyEstimate.h"
#include "Vector.h"

bool JauntMFD::UpdateTarget(const char* name, bool estimate) {
  if (name[0] == '\0') {
    FormatText(targetName, sizeof targetName, "%s", "None");
    target = nullptr;
  } else {
    // `name` may be targetName itself: the lookup ends before it is rewritten.
    // The host's signature asks for char*; it only reads the name.
    const ObjectHandle found = oapiGetObjectByName(const_cast<char*>(name));
    if (found == nullptr) return false;
    oapiGetObjectName(found, targetName, sizeof targetName);
    target = found;
    oapiGetFocusRelativePos(found, &targetRelPos);
    oapiGetFocusRelativeVel(found, &targetRelVel);
    targetDistance = jaunt::Length(targetRelPos);
    targetSpeed = jaunt::Length(targetRelVel);
    targetRadius = oapiGetSize(found);
  }
  if (!estimate) return true;

  if (!SolveDestination()) return true;
  failureChance = EstimateFailureChance(shipPos, destPos);
  // A hop shorter than the two objects' sizes together cannot go wrong.
  if (target != nullptr &&
      oapiGetSize(oapiGetFocusObject()) + targetRadius > targetDistance - distanceSetting)
    failureChance = 0;
  estimateValid = true;
  return true;
}
