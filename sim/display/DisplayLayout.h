// Where things sit on a display, for every way of showing one: text cells
// of the host's font, and up to six buttons down each side.
#pragma once

#include <string>
#include <vector>

#include "host/Displays.h"
#include "host/PageRecorder.h"

namespace sim {

// A character of the host's display font, in device units.
inline constexpr int cellWidth = static_cast<int>(host::charWidth);
inline constexpr int cellHeight = static_cast<int>(host::charHeight);
inline constexpr int buttonsPerSide = 6;

// The centre of button `button` (0-5 down the left side, 6-11 down the
// right) in device units from the top of a display `height` units high.
int ButtonY(int button, int height);

// How far, in device units, the page's text reaches below a display
// `height` units high, each run taking a text cell of 16 units; 0 when it
// all lies within. The module draws at fixed places whatever the display's
// size, so its lowest line can fall below a small display.
int PageOverflow(const host::Page& page, int height);

// The page's text on a character grid: each run at column x / 8 and row
// y / 16, later runs over earlier ones. There are `rows` rows, each as wide
// as the widest run needs and at least `columns`; what lies outside the
// rows or left of the grid is dropped.
std::vector<std::string> PageGrid(const host::Page& page, int columns, int rows);

}  // namespace sim
