// The page of the Jaunt display, drawn at fixed device coordinates.
#include <string.h>

#include "display/JauntMFD.h"
#include "display/PageText.h"
#include "display/TextFormat.h"

namespace {

constexpr int keyColumn = 10;
constexpr int valueColumn = 20;
constexpr int noticeColumn = 40;

// Label and distance in one line, the distance cut to the room left.
void LabelledDistance(char (&line)[100], const char* label, double metres, bool withAU) {
  FormatText(line, sizeof line, "%s", label);
  const size_t used = strlen(line);
  FormatDistance(line + used, sizeof line - used, metres, withAU);
}

}  // namespace

void JauntMFD::DrawPage(HDC hdc) {
  Title(hdc, "Jaunt MFD");
  int cursor = 32;
  char line[100];

  // Live target data; a target the host no longer knows keeps its last data.
  const bool targetFound = target == nullptr || UpdateTarget(targetName, false);

  FormatText(line, sizeof line, "[Shift-T] Target: %s", targetName);
  DrawLine(hdc, keyColumn, cursor, line);
  if (target != nullptr) {
    LabelledDistance(line, "Curr. distance: ", targetDistance, true);
    DrawLine(hdc, valueColumn, cursor, line);
    FormatText(line, sizeof line, "Curr. velocity: %.3f Km/s", targetSpeed * 0.001);
    DrawLine(hdc, valueColumn, cursor, line);
    LabelledDistance(line, "Radius: ", targetRadius, false);
    DrawLine(hdc, valueColumn, cursor, line);
  } else {
    cursor += 3 * pageRowHeight;
  }

  if (targetFound)
    cursor += pageRowHeight;
  else
    DrawLine(hdc, valueColumn, cursor, "Target lost");

  FormatText(line, sizeof line, "[Shift-D] %s",
             target != nullptr ? "Final distance to target:" : "Distance to travel:");
  DrawLine(hdc, keyColumn, cursor, line);
  FormatDistance(line, sizeof line, distanceSetting, true);
  DrawLine(hdc, valueColumn, cursor, line);

  cursor += pageRowHeight;
  FormatText(line, sizeof line, "[Shift-V] %s",
             target != nullptr ? "Final relative velocity:" : "Final absolute velocity:");
  DrawLine(hdc, keyColumn, cursor, line);
  FormatText(line, sizeof line, "%.3f Km/s", speedSetting * 0.001);
  DrawLine(hdc, valueColumn, cursor, line);

  cursor += pageRowHeight;
  if (estimateValid) {
    FormatText(line, sizeof line, "Probability of safe jaunt: %.1f%%", (1 - failureChance) * 100);
    DrawLine(hdc, noticeColumn, cursor, line);
  }
  cursor += pageRowHeight;
  if (!lastJumpSafe) DrawLine(hdc, noticeColumn, cursor, "<<<Bad jump!>>>");
}
