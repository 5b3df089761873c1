#include "planning/SafetyEstimate.h"

#include "planning/PathPull.h"
#include "plugin/HostServices.h"

double EstimateFailureChance(const VECTOR3& from, const VECTOR3& to) {
  PathPull path;
  StartPath(path, from, to);
  const DWORD count = oapiGetGbodyCount();
  for (DWORD index = 0; index < count; ++index) {
    const ObjectHandle body = oapiGetGbodyByIndex(static_cast<int>(index));
    VECTOR3 pos;
    oapiGetGlobalPos(body, &pos);
    AddBodyPull(path, pos, oapiGetMass(body), index == count - 1);
  }
  return FailureChanceOf(path.peak);
}
