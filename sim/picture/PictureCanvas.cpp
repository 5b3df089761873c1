#include "picture/PictureCanvas.h"

#include <fontconfig/fontconfig.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/OutputFile.h"
#include "picture/PictureLayout.h"

namespace sim {

namespace {

constexpr char fontFamily[] = "DejaVu Sans Mono";

// Cairo and fontconfig keep their font caches for the whole process; letting
// go of them at the end keeps leak checkers to the program's own leaks.
void ReleaseFontCachesAtExit() {
  static const bool registered = std::atexit([] {
                                   cairo_debug_reset_static_data();
                                   FcFini();
                                 }) == 0;
  (void)registered;
}

struct Output {
  std::FILE* file;
  int error = 0;  // errno of the first failed write
};

cairo_status_t WriteToFile(void* closure, const unsigned char* data, unsigned int length) {
  auto* output = static_cast<Output*>(closure);
  if (std::fwrite(data, 1, length, output->file) == length) return CAIRO_STATUS_SUCCESS;
  if (output->error == 0) output->error = errno;
  return CAIRO_STATUS_WRITE_ERROR;
}

std::string Reason(int error) {
  return std::strerror(error);
}

}  // namespace

Canvas::Canvas(int width, int height)
    : surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height)),
      cr(cairo_create(surface)) {
  ReleaseFontCachesAtExit();
  SetColour(cr, 0xFFFFFF);
  cairo_paint(cr);
}

Canvas::~Canvas() {
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
}

bool Canvas::Save(const std::string& path, std::string& error) {
  cairo_surface_flush(surface);
  for (const cairo_status_t status : {cairo_surface_status(surface), cairo_status(cr)}) {
    if (status != CAIRO_STATUS_SUCCESS) {
      error = "cannot draw " + path + ": " + cairo_status_to_string(status);
      return false;
    }
  }
  std::string reason;
  const bool written = WriteOutputFile(
      path,
      [this](std::FILE* file, std::string& failure) {
        Output output{file};
        const cairo_status_t status =
            cairo_surface_write_to_png_stream(surface, WriteToFile, &output);
        if (status == CAIRO_STATUS_SUCCESS) return true;
        failure = output.error != 0 ? Reason(output.error) : cairo_status_to_string(status);
        return false;
      },
      reason);
  if (!written) error = "cannot write " + path + ": " + reason;
  return written;
}

void SetColour(cairo_t* cr, int rgb, double alpha) {
  cairo_set_source_rgba(cr, (rgb >> 16 & 0xFF) / 255.0, (rgb >> 8 & 0xFF) / 255.0,
                        (rgb & 0xFF) / 255.0, alpha);
}

void UseFont(cairo_t* cr, double size, bool bold) {
  cairo_select_font_face(cr, fontFamily, CAIRO_FONT_SLANT_NORMAL,
                         bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
}

void ShowText(cairo_t* cr, double x, double y, const std::string& text) {
  cairo_move_to(cr, x, y);
  cairo_show_text(cr, ValidUtf8(text).c_str());
}

double TextWidth(cairo_t* cr, const std::string& text) {
  cairo_text_extents_t extents;
  cairo_text_extents(cr, ValidUtf8(text).c_str(), &extents);
  return extents.x_advance;
}

std::string FitText(cairo_t* cr, const std::string& text, double width) {
  // No picture holds this many characters of its fonts on a line; cutting
  // first keeps a name of megabytes from being measured again and again.
  std::string valid = CutText(text, 1000);
  if (TextWidth(cr, valid) <= width) return valid;
  // The most characters that fit: a longer cut is never narrower.
  std::size_t fits = 0, wider = valid.size();
  while (wider - fits > 1) {
    const std::size_t most = fits + (wider - fits) / 2;
    (TextWidth(cr, CutText(valid, most)) <= width ? fits : wider) = most;
  }
  return CutText(valid, fits);
}

TextMeasure::TextMeasure() : scratch(1, 1) {}

TextMeasure::~TextMeasure() = default;

double TextMeasure::Width(const std::string& text, double size, bool bold) {
  UseFont(scratch.Cr(), size, bold);
  return TextWidth(scratch.Cr(), text);
}

}  // namespace sim
