#include "DistanceText.h"

#include <cmath>
#include <cstdlib>

namespace {

constexpr double metresPerAU = 149597870691.0;  // the input's AU; the page uses 1.5e11

double PrefixFactor(char prefix) {
  switch (prefix) {
    case 'K':
    case 'k':
      return 1e3;
    case 'M':
    case 'm':
      return 1e6;
    case 'G':
    case 'g':
      return 1e9;
    case 'A':
    case 'a':
      return metresPerAU;
    default:
      return 0;
  }
}

bool Acceptable(double metres) {
  return metres >= 0 && std::isfinite(metres);
}

}  // namespace

// The pilot's numbers are read as atof reads them: text after the number is
// ignored and text without one reads as 0, which the checks below then judge.
// NOLINTBEGIN(cert-err34-c)
bool ParseDistance(const char* text, bool haveTarget, double targetDistance, double& metres) {
  if (text[0] == '\0') return false;
  double value;
  if (text[0] == '%') {
    if (!haveTarget || text[1] == '\0') return false;
    const double percent = std::atof(text + 1);
    if (!(percent >= 0 && percent <= 100)) return false;
    value = percent * 0.01 * targetDistance;
  } else if (const double factor = PrefixFactor(text[0]); factor != 0) {
    if (text[1] == '\0') return false;
    value = std::atof(text + 1) * factor;
  } else {
    value = std::atof(text);
  }
  if (!Acceptable(value)) return false;
  metres = value + 0.0;  // a typed -0 is stored and shown as 0
  return true;
}

bool ParseSpeed(const char* text, double& metresPerSecond) {
  const double value = std::atof(text) * 1000;
  // A non-finite exit velocity would corrupt the ship's state in the host.
  if (!std::isfinite(value)) return false;
  metresPerSecond = value + 0.0;
  return true;
}
// NOLINTEND(cert-err34-c)
