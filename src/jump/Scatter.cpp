#include "jump/Scatter.h"

#include <math.h>

namespace {
constexpr double safeChance = 0.5;
constexpr double drawScale = 3.051850947599719e-05;  // 1/32767
}  // namespace

bool JumpSafe(double failureChance) {
  return failureChance <= safeChance;
}

double ScatterScale(double jumpLength, double failureChance) {
  // Negative: the worse the odds above one half, the smaller the scatter.
  return JumpSafe(failureChance) ? 0 : jumpLength / (safeChance - failureChance);
}

double ScatterOffset(int draw, double scale) {
  return (draw * drawScale - 0.5) * scale;
}

double ScatterReach(double scale) {
  return 0.5 * fabs(scale);
}
