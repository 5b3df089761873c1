#include "planning/DistanceText.h"

#include <ctype.h>
#include <math.h>
#include <stdlib.h>
#include <string.h>

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

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Skips the digits at `p`.
const char* Digits(const char* p) {
  while (IsDigit(*p)) ++p;
  return p;
}

// Where the decimal number at the start of `p` ends: an optional sign,
// digits with an optional point and fraction (at least one digit), and an
// optional exponent (e or E, an optional sign, digits). `p` itself when no
// number begins there.
const char* DecimalEnd(const char* p) {
  const char* start = p;
  if (*p == '+' || *p == '-') ++p;
  const char* whole = p;
  p = Digits(p);
  bool anyDigit = p != whole;
  if (*p == '.') {
    const char* fraction = p + 1;
    const char* end = Digits(fraction);
    if (anyDigit || end != fraction) p = end;
    anyDigit = anyDigit || end != fraction;
  }
  if (!anyDigit) return start;
  if (*p == 'e' || *p == 'E') {
    const char* exponent = p + 1;
    if (*exponent == '+' || *exponent == '-') ++exponent;
    if (IsDigit(*exponent)) p = Digits(exponent);
  }
  return p;
}

// The pilot's numbers: leading blanks skipped, text after the number
// ignored, text without one read as 0, which the callers then judge. A text
// must mean the same with every C library, so the number is found here and
// only its own characters go to the C library: some read more than a
// decimal number (a d or D exponent, hexadecimal after 0x), and some read
// "inf" and "nan" as 0, where here they are infinity and NaN. A number too
// long for the buffer is not read at all (NaN), and so refused.
// NOLINTBEGIN(cert-err34-c)
double ReadNumber(const char* text) {
  const char* p = text;
  while (isspace(static_cast<unsigned char>(*p)) != 0) ++p;
  const char* afterSign = *p == '+' || *p == '-' ? p + 1 : p;
  const double sign = *p == '-' ? -1.0 : 1.0;
  if (StartsWithWord(afterSign, "inf")) return sign * HUGE_VAL;
  if (StartsWithWord(afterSign, "nan")) return NAN;
  char number[256];
  const size_t length = static_cast<size_t>(DecimalEnd(p) - p);
  if (length >= sizeof number) return NAN;
  memcpy(number, p, length);
  number[length] = '\0';
  return length == 0 ? 0.0 : atof(number);
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
