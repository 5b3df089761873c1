// Where things go in the simulator's pictures, and the text they can draw:
// plain values, so that tests can look at a picture's pixels where its
// layout says something is.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "host/InputBox.h"
#include "host/PageRecorder.h"

namespace sim {

inline constexpr int largestPictureSide = 8192;  // pixels; beyond it a picture is refused

// Text that cairo draws in full: valid UTF-8 with every byte that is not
// part of a well-formed character, and every NUL, replaced by U+FFFD.
std::string ValidUtf8(const std::string& text);

// `text` broken at blanks into lines of at most `columns` characters (UTF-8
// characters, not bytes); a word longer than a line is cut.
std::vector<std::string> WrapText(const std::string& text, std::size_t columns);

// `text` (as ValidUtf8 makes it) whole when it has at most `most`
// characters, else its first `most` - 3 and "...".
std::string CutText(const std::string& text, std::size_t most);

// Whether a picture of width × height pixels may be drawn; false with the
// reason when it is too large.
bool PictureSizeFits(double width, double height, std::string& error);

struct Box {
  double x = 0, y = 0, width = 0, height = 0;
  bool Empty() const { return width <= 0 || height <= 0; }
};

// The display picture, in device units of the display; the picture has
// `displayScale` pixels per unit. The screen sits inside a bezel that
// carries the button labels; lines the page draws below the display's
// height go into a strip under the screen, marked as outside it; an open
// input box covers the middle of the screen.
inline constexpr double displayScale = 2;
inline constexpr double bezelSide = 48;  // left and right of the screen
inline constexpr double bezelTop = 16;   // above and below it
inline constexpr double boxFontSize = 9;
inline constexpr double boxLineHeight = 11;

struct DisplayPictureLayout {
  double width = 0, height = 0;  // the whole picture
  Box screen;
  Box below;   // the strip for lines below the screen; empty when none
  Box marker;  // beside that strip, on the bezel
  Box box;     // the open input box; empty when none
  Box field;   // its text field
  std::vector<std::string> titleLines;
};

DisplayPictureLayout LayOutDisplayPicture(int width, int height, const host::Page& page,
                                          const std::optional<host::InputBoxView>& box);

}  // namespace sim
