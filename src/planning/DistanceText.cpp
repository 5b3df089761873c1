#include "DistanceText.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

namespace {

constexpr double metresPerAU = 149597870691.0;  // the input's AU; the page uses 1.5e11
constexpr double speedOfLight = 299792458.0;    // m/s

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

// The pilot's numbers are read as atof reads them: leading blanks skipped,
// text after the number ignored, text without one read as 0, which the
// callers then judge. The numbers are decimal, though: where atof would take
// "0x10" as hexadecimal 16, the number ends at the x and reads as 0.
// NOLINTBEGIN(cert-err34-c)
double ReadNumber(const char* text) {
  const char* p = text;
  while (std::isspace(static_cast<unsigned char>(*p)) != 0) ++p;
  const bool negative = *p == '-';
  if (*p == '+' || *p == '-') ++p;
  if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) return negative ? -0.0 : 0.0;
  return std::atof(text);
}
// NOLINTEND(cert-err34-c)

}  // namespace

bool ParseDistance(const char* text, bool haveTarget, double targetDistance, double& metres) {
  if (text[0] == '\0') return false;
  double value;
  if (text[0] == '%') {
    if (!haveTarget || text[1] == '\0') return false;
    const double percent = ReadNumber(text + 1);
    if (!(percent >= 0 && percent <= 100)) return false;
    value = percent * 0.01 * targetDistance;
  } else if (const double factor = PrefixFactor(text[0]); factor != 0) {
    if (text[1] == '\0') return false;
    value = ReadNumber(text + 1) * factor;
  } else {
    value = ReadNumber(text);
  }
  if (!Acceptable(value)) return false;
  metres = value + 0.0;  // a typed -0 is stored and shown as 0
  return true;
}

bool ParseSpeed(const char* text, double& metresPerSecond) {
  const double value = ReadNumber(text) * 1000;
  // An exit speed beyond light's is no speed at all: a huge one carries the
  // ship past the largest number the host can hold within a few steps, and a
  // non-finite one corrupts its state at once.
  if (!(std::fabs(value) <= speedOfLight)) return false;
  metresPerSecond = value + 0.0;
  return true;
}
