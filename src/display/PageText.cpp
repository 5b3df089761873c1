#include "display/PageText.h"

#include <string.h>

#include "display/PageUnits.h"
#include "display/TextFormat.h"

namespace {

struct DistanceUnit {
  double from;    // smallest length shown in this unit, m
  double factor;  // metres to the unit
  const char* withAU;
  const char* withoutAU;
};

constexpr DistanceUnit units[] = {
    {1e9, 1e-9, "%.2f Gm (%.3f AU)", "%.2f Gm"},
    {1e6, 1e-6, "%.2f Mm (%.3f AU)", "%.2f Mm"},
    {1000, 0.001, "%.2f Km (%.3f AU)", "%.2f Km"},
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
        FormatText(out, size, unit.withAU, n, n * (unit.from / pageAU));
      else
        FormatText(out, size, unit.withoutAU, n);
      return;
    }
  }
  FormatText(out, size, "%.1f m", metres);
}
