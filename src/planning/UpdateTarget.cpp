// Choosing, dropping and refreshing the target, and the safety estimate.
#include <string.h>

#include "display/JauntMFD.h"
#include "display/TextFormat.h"
#include "planning/PathPull.h"
#include "planning/SafetyEstimate.h"
#include "planning/Vector.h"

bool JauntMFD::UpdateTarget(const char* name, bool estimate) {
  if (name[0] == '\0') {
    FormatText(targetName, sizeof targetName, "%s", "None");
    target = nullptr;
  } else {
    // `name` may be targetName itself: the lookup ends before it is rewritten.
    // The host's signature asks for char*; it only reads the name.
    const ObjectHandle found = oapiGetObjectByName(const_cast<char*>(name));
    if (found == nullptr) return false;
    // The target is found again by its name at every refresh: a name too
    // long to keep whole would never be found again, so it is refused as an
    // unknown one is. One byte more than targetName holds tells.
    // The host copies at most the buffer's size and leaves no terminator
    // when the name fills it: the last byte is the module's.
    char hostName[sizeof targetName + 1];
    oapiGetObjectName(found, hostName, sizeof hostName - 1);
    hostName[sizeof hostName - 1] = '\0';
    const size_t length = strlen(hostName);
    if (length >= sizeof targetName) return false;
    memcpy(targetName, hostName, length + 1);
    target = found;
    oapiGetFocusRelativePos(found, &targetRelPos);
    oapiGetFocusRelativeVel(found, &targetRelVel);
    targetDistance = jaunt::Length(targetRelPos);
    targetSpeed = jaunt::Length(targetRelVel);
    targetRadius = oapiGetSize(found);
  }
  if (estimate) RefreshEstimate();
  return true;
}

bool JauntMFD::RefreshEstimate() {
  if (!SolveDestination()) return false;
  failureChance = EstimateFailureChance(shipPos, destPos);
  // A hop shorter than the two objects' sizes together cannot go wrong.
  if (target != nullptr &&
      ShortHop(oapiGetSize(oapiGetFocusObject()), targetRadius, targetDistance, distanceSetting))
    failureChance = 0;
  estimateValid = true;
  return true;
}
