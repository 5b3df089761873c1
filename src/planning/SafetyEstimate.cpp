#include "planning/SafetyEstimate.h"

#include "planning/Vector.h"
#include "plugin/HostServices.h"

namespace {
constexpr int samples = 10;
constexpr double sampleStep = 1.0 / 9;
constexpr double gravitationalConstant = 6.67e-11;
constexpr double minimumSquaredDistance = 10;  // m²; closer bodies add nothing
constexpr double certaintyThreshold = 2;       // m/s²
constexpr double scaleBelowThreshold = 0.5;
}  // namespace

double EstimateFailureChance(const VECTOR3& from, const VECTOR3& to) {
  using namespace jaunt;
  const VECTOR3 delta = Sub(to, from);
  VECTOR3 sample[samples];
  double sum[samples] = {};
  for (int i = 0; i < samples; ++i) sample[i] = Add(from, Scale(i * sampleStep, delta));

  double peak = 0;
  const DWORD count = oapiGetGbodyCount();
  for (DWORD index = 0; index < count; ++index) {
    const ObjectHandle body = oapiGetGbodyByIndex(static_cast<int>(index));
    VECTOR3 pos;
    oapiGetGlobalPos(body, &pos);
    const double mass = oapiGetMass(body);
    const bool lastBody = index == count - 1;
    for (int k = 0; k < samples; ++k) {
      const VECTOR3 d = Sub(sample[k], pos);
      const double d2 = d.x * d.x + d.y * d.y + d.z * d.z;
      if (d2 > minimumSquaredDistance) {
        sum[k] += gravitationalConstant * mass / d2;
        // The last body's pull is the last term of every sum, so the peak
        // is taken once the sums are complete.
        if (lastBody && sum[k] > peak) peak = sum[k];
      }
    }
  }
  return peak >= certaintyThreshold ? 1.0 : peak * scaleBelowThreshold;
}
