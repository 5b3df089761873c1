// Text helpers of the display page.
#pragma once

#include <stddef.h>

#include "plugin/Platform.h"

// The page's rows are this many device units apart.
constexpr int pageRowHeight = 16;

// Moves the line cursor down one row and draws `text` there.
void DrawLine(HDC hdc, int x, int& cursor, const char* text);

// Writes `metres` as text into `out` (room for `size` bytes, NUL included;
// longer text is cut): in Gm, Mm or Km with two decimals from 1000 m up,
// followed by the same length in AU when `withAU` is set; below 1000 m in
// metres with one decimal and never with AU.
void FormatDistance(char* out, size_t size, double metres, bool withAU);
