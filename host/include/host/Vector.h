// Vector and rotation arithmetic of the stand-in host.
#pragma once

#include <cmath>

#include "plugin/HostTypes.h"

// VECTOR3's arithmetic, beside the type in the global namespace, where
// lookup finds it from any namespace.
inline VECTOR3 operator+(const VECTOR3& a, const VECTOR3& b) {
  return MakeVector(a.x + b.x, a.y + b.y, a.z + b.z);
}
inline VECTOR3 operator-(const VECTOR3& a, const VECTOR3& b) {
  return MakeVector(a.x - b.x, a.y - b.y, a.z - b.z);
}
inline VECTOR3 operator*(double s, const VECTOR3& a) {
  return MakeVector(s * a.x, s * a.y, s * a.z);
}

namespace host {

inline double Dot(const VECTOR3& a, const VECTOR3& b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline VECTOR3 Cross(const VECTOR3& a, const VECTOR3& b) {
  return MakeVector(a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x);
}
inline double Length(const VECTOR3& a) {
  return std::sqrt(Dot(a, a));
}
inline bool IsFinite(const VECTOR3& a) {
  return std::isfinite(a.x) && std::isfinite(a.y) && std::isfinite(a.z);
}

// A rotation: its columns are the images of the local x, y and z axes.
struct Rotation {
  double m[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};

  VECTOR3 Apply(const VECTOR3& v) const {
    return MakeVector(m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z,
                      m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z,
                      m[2][0] * v.x + m[2][1] * v.y + m[2][2] * v.z);
  }
  Rotation Transposed() const {
    Rotation t;
    for (int i = 0; i < 3; ++i)
      for (int j = 0; j < 3; ++j) t.m[i][j] = m[j][i];
    return t;
  }
  Rotation Then(const Rotation& after) const {  // after * this
    Rotation r;
    for (int i = 0; i < 3; ++i)
      for (int j = 0; j < 3; ++j)
        r.m[i][j] = after.m[i][0] * m[0][j] + after.m[i][1] * m[1][j] + after.m[i][2] * m[2][j];
    return r;
  }

  // The attitude whose local +z points along `forward` and +y along `up`;
  // both must be unit length and perpendicular.
  static Rotation FromAxes(const VECTOR3& forward, const VECTOR3& up) {
    const VECTOR3 right = Cross(up, forward);
    Rotation r;
    const VECTOR3 cols[3] = {right, up, forward};
    for (int j = 0; j < 3; ++j)
      for (int i = 0; i < 3; ++i) r.m[i][j] = cols[j].data[i];
    return r;
  }
};

}  // namespace host
