// Component-wise vector arithmetic for the planner.
#pragma once

#include <math.h>

#include "plugin/HostTypes.h"

namespace jaunt {

inline VECTOR3 Add(const VECTOR3& a, const VECTOR3& b) {
  return MakeVector(a.x + b.x, a.y + b.y, a.z + b.z);
}
inline VECTOR3 Sub(const VECTOR3& a, const VECTOR3& b) {
  return MakeVector(a.x - b.x, a.y - b.y, a.z - b.z);
}
inline VECTOR3 Scale(double s, const VECTOR3& a) {
  return MakeVector(s * a.x, s * a.y, s * a.z);
}
inline double Length(const VECTOR3& a) {
  return sqrt(a.x * a.x + a.y * a.y + a.z * a.z);
}

}  // namespace jaunt
