// What the simulator's pictures are drawn on: a cairo image surface, text
// that always draws, and a PNG file that is either written whole or left as
// it was.
#pragma once

#include <cairo.h>

#include <string>

namespace sim {

class Canvas {
 public:
  // A white picture of width × height pixels, which the caller has checked
  // with PictureSizeFits.
  Canvas(int width, int height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  cairo_t* Cr() const { return cr; }

  // Writes the picture to `path` as WriteOutputFile writes files: a file
  // already there is replaced only by a whole new picture. False with
  // `error` set when drawing or writing failed; then nothing at `path` has
  // changed.
  bool Save(const std::string& path, std::string& error);

 private:
  cairo_surface_t* surface;
  cairo_t* cr;
};

void SetColour(cairo_t* cr, int rgb, double alpha = 1);
void UseFont(cairo_t* cr, double size, bool bold = false);
// Draws `text` with its baseline starting at (x, y); bytes that are not
// UTF-8 show as replacement characters.
void ShowText(cairo_t* cr, double x, double y, const std::string& text);
double TextWidth(cairo_t* cr, const std::string& text);
// `text` whole when it fits in `width` in the font in use; otherwise cut by
// CutText to the most characters that fit ("..." alone when none does), so
// that a long name shows it goes on rather than running off the picture.
std::string FitText(cairo_t* cr, const std::string& text, double width);
// Widths of texts in the pictures' font, measured without a picture to
// draw on: for laying one out.
class TextMeasure {
 public:
  TextMeasure();
  ~TextMeasure();
  TextMeasure(const TextMeasure&) = delete;
  TextMeasure& operator=(const TextMeasure&) = delete;

  double Width(const std::string& text, double size, bool bold = false);

 private:
  Canvas scratch;
};

}  // namespace sim
