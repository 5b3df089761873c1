#include "display/PageText.h"

#include <string.h>

#include "display/TextFormat.h"

namespace {

struct DistanceUnit {
  double from;    // smallest length shown in this unit, m
  double factor;  // metres to the unit
  double auPerUnit;
  const char* withAU;
  const char* withoutAU;
};

// The page's AU is 1.5e11 m.
constexpr DistanceUnit units[] = {
    {1e9, 1e-9, 0.006666666666666667, "%.2f Gm (%.3f AU)", "%.2f Gm"},
    {1e6, 1e-6, 6.666666666666667e-06, "%.2f Mm (%.3f AU)", "%.2f Mm"},
    {1000, 0.001, 6.666666666666667e-09, "%.2f Km (%.3f AU)", "%.2f Km"},
};

}  // namespace

void DrawLine(HDC hdc, int x, int& cursor, const char* text) {
  cursor += pageRowHeight;
  TextOutA(hdc, x, cursor, text, static_cast<int>(strlen(text)));
}

void FormatDistance(char* out, size_t size, double metres, bool withAU) {
  if (size == 0) return;
  for (const DistanceUnit& unit : units) {
    if (metres >= unit.from) {  // on the unrounded value
      const double n = metres * unit.factor;
      if (withAU)
        FormatText(out, size, unit.withAU, n, n * unit.auPerUnit);
      else
        FormatText(out, size, unit.withoutAU, n);
      return;
    }
  }
  FormatText(out, size, "%.1f m", metres);
}
