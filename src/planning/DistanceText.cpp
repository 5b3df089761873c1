#include "planning/DistanceText.h"

#include <ctype.h>
#include <math.h>
#include <stdlib.h>

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
  return metres >= 0 && isfinite(metres);
}

// Whether `text` begins with `word`, in either case.
bool StartsWithWord(const char* text, const char* word) {
  for (; *word != '\0'; ++text, ++word) {
    if (tolower(static_cast<unsigned char>(*text)) != *word) return false;
  }
  return true;
}

// The pilot's numbers are read as atof reads them: leading blanks skipped,
// text after the number ignored, text without one read as 0, which the
// callers then judge. A text must mean the same with every C library, so
// two cases are settled here: the numbers are decimal (where atof may take
// "0x10" as hexadecimal 16, the number ends at the x and reads as 0), and
// "inf" and "nan" are infinity and NaN (some C libraries read them as 0).
// NOLINTBEGIN(cert-err34-c)
double ReadNumber(const char* text) {
  const char* p = text;
  while (isspace(static_cast<unsigned char>(*p)) != 0) ++p;
  const double sign = *p == '-' ? -1.0 : 1.0;
  if (*p == '+' || *p == '-') ++p;
  if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) return sign * 0.0;
  if (StartsWithWord(p, "inf")) return sign * HUGE_VAL;
  if (StartsWithWord(p, "nan")) return NAN;
  return atof(text);
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
  // Any finite speed is taken; the world guards what it can hold. A
  // non-finite one would corrupt the ship's state at once.
  if (!isfinite(value)) return false;
  metresPerSecond = value + 0.0;  // a typed -0 is stored and shown as 0
  return true;
}
