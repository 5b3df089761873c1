// The display drawn with cairo as a cockpit screen shows it: green monospaced
// text on a dark screen inside a grey bezel that carries the button labels.
#include "Picture.h"

#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "DisplayLayout.h"
#include "host/Displays.h"

namespace sim {

namespace {

constexpr double scale = 2;        // pixels per device unit
constexpr int bezelSide = 48;      // device units left and right of the screen
constexpr int bezelTop = 16;       // above and below it
constexpr double fontSize = 10.6;  // an advance of about 6.4 units per character
constexpr double baseline = 12;    // from the top of a text cell
constexpr char fontFamily[] = "DejaVu Sans Mono";

void Colour(cairo_t* cr, int rgb) {
  cairo_set_source_rgb(cr, (rgb >> 16 & 0xFF) / 255.0, (rgb >> 8 & 0xFF) / 255.0,
                       (rgb & 0xFF) / 255.0);
}

void Text(cairo_t* cr, double x, double y, const std::string& text) {
  cairo_move_to(cr, x, y);
  cairo_show_text(cr, text.c_str());
}

void DrawScreen(cairo_t* cr, const host::Page& page, double width, double height) {
  cairo_save(cr);
  cairo_translate(cr, bezelSide, bezelTop);
  cairo_rectangle(cr, 0, 0, width, height);
  Colour(cr, 0x031203);
  cairo_fill_preserve(cr);
  cairo_clip(cr);
  cairo_select_font_face(cr, fontFamily, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, fontSize);
  Colour(cr, 0x33FF55);
  for (const host::TextRun& run : page.runs) Text(cr, run.x, run.y + baseline, run.text);
  cairo_select_font_face(cr, fontFamily, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  Colour(cr, 0x99FFAA);
  Text(cr, 4, baseline, page.title);
  cairo_restore(cr);
}

void DrawButtons(cairo_t* cr, MFD& display, double width, double height) {
  cairo_select_font_face(cr, fontFamily, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, 9);
  for (int button = 0; button < 2 * buttonsPerSide; ++button) {
    const char* label = display.ButtonLabel(button);
    if (label == nullptr) continue;
    const double y = bezelTop + ButtonY(button, static_cast<int>(height));
    const double x = button < buttonsPerSide ? 6 : bezelSide + width + 6;
    cairo_rectangle(cr, x, y - 9, bezelSide - 12, 18);
    Colour(cr, 0x505050);
    cairo_fill(cr);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, label, &extents);
    Colour(cr, 0xE0E0E0);
    Text(cr, x + (bezelSide - 12 - extents.x_advance) / 2, y + 3.5, label);
  }
}

// Cairo and fontconfig keep their font caches for the whole process; letting
// go of them at the end keeps leak checkers to the program's own leaks.
void ReleaseFontCachesAtExit() {
  static const bool registered = std::atexit([] {
                                   cairo_debug_reset_static_data();
                                   FcFini();
                                 }) == 0;
  (void)registered;
}

cairo_status_t WriteToFile(void* file, const unsigned char* data, unsigned int length) {
  return std::fwrite(data, 1, length, static_cast<std::FILE*>(file)) == length
             ? CAIRO_STATUS_SUCCESS
             : CAIRO_STATUS_WRITE_ERROR;
}

}  // namespace

bool WriteDisplayPicture(int number, const std::string& path, std::string& error) {
  MFD* display = host::DisplayObject(number);
  if (display == nullptr) {
    error = "display " + std::to_string(number) + " is not open";
    return false;
  }
  ReleaseFontCachesAtExit();
  const double width = host::FieldsOf(*display).width, height = host::FieldsOf(*display).height;
  const host::Page page = host::DrawDisplay(number);

  cairo_surface_t* surface = cairo_image_surface_create(
      CAIRO_FORMAT_RGB24, static_cast<int>(scale * (width + 2 * bezelSide)),
      static_cast<int>(scale * (height + 2 * bezelTop)));
  cairo_t* cr = cairo_create(surface);
  cairo_scale(cr, scale, scale);
  Colour(cr, 0x2A2A2A);
  cairo_paint(cr);
  DrawScreen(cr, page, width, height);
  DrawButtons(cr, *display, width, height);
  cairo_destroy(cr);

  bool written = false;
  if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
    const cairo_status_t status = cairo_surface_write_to_png_stream(surface, WriteToFile, file);
    written = std::fclose(file) == 0 && status == CAIRO_STATUS_SUCCESS;
    error = written ? "" : "cannot write " + path + ": " + cairo_status_to_string(status);
  } else {
    error = "cannot write " + path + ": " + std::strerror(errno);
  }
  cairo_surface_destroy(surface);
  return written;
}

}  // namespace sim
