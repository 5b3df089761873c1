#include "planning/PathPull.h"

#include "planning/Vector.h"

namespace {

constexpr double sampleStep = 1.0 / (pathSamples - 1);  // ends included
// The estimate's gravitational constant, m³ kg⁻¹ s⁻², to three figures: the
// figures the page shows are worked out with it. (The world moves its
// vessels with a finer one, worldG.)
constexpr double estimateG = 6.67e-11;
constexpr double minimumSquaredDistance = 10;  // m²; closer bodies add nothing
constexpr double scaleBelowCertainty = 0.5;

double SquaredDistance(const VECTOR3& a, const VECTOR3& b) {
  const VECTOR3 d = jaunt::Sub(a, b);
  return d.x * d.x + d.y * d.y + d.z * d.z;
}

}  // namespace

void StartPath(PathPull& path, const VECTOR3& from, const VECTOR3& to) {
  using namespace jaunt;
  const VECTOR3 delta = Sub(to, from);
  for (int i = 0; i < pathSamples; ++i) {
    path.sample[i] = Add(from, Scale(i * sampleStep, delta));
    path.sum[i] = 0;
  }
  path.peak = 0;
  path.peakSample = 0;
}

void AddBodyPull(PathPull& path, const VECTOR3& bodyPos, double mass, bool lastBody) {
  for (int k = 0; k < pathSamples; ++k) {
    const double d2 = SquaredDistance(path.sample[k], bodyPos);
    if (d2 > minimumSquaredDistance) {
      path.sum[k] += estimateG * mass / d2;
      // The last body's pull is the last term of every sum, so the peak
      // is taken once the sums are complete.
      if (lastBody && path.sum[k] > path.peak) {
        path.peak = path.sum[k];
        path.peakSample = k;
      }
    }
  }
}

double BodyPull(const VECTOR3& bodyPos, double mass, const VECTOR3& at) {
  const double d2 = SquaredDistance(at, bodyPos);
  return d2 > minimumSquaredDistance ? estimateG * mass / d2 : 0;
}

double FailureChanceOf(double peak) {
  return peak >= certainPull ? 1.0 : peak * scaleBelowCertainty;
}

bool ShortHop(double shipSize, double targetRadius, double targetDistance, double distance) {
  return shipSize + targetRadius > targetDistance - distance;
}
