// The display drawn with cairo as a cockpit screen shows it: green monospaced
// text on a dark screen inside a grey bezel that carries the button labels,
// the lines below the screen's height in a marked strip under it, and the
// host's input box over it while one is open.
#include "picture/Picture.h"

#include <algorithm>

#include "display/DisplayLayout.h"
#include "host/Displays.h"
#include "host/InputBox.h"
#include "picture/PictureCanvas.h"
#include "picture/PictureLayout.h"

namespace sim {

namespace {

constexpr double fontSize = 10.6;  // an advance of about 6.4 units per character
constexpr double baseline = 12;    // from the top of a text cell
constexpr int bezelColour = 0x2A2A2A, screenColour = 0x031203, belowColour = 0x161616;
constexpr int textColour = 0x33FF55, titleColour = 0x99FFAA, markerColour = 0xE69F00;
constexpr int boxColour = 0xD4D0C8, boxEdgeColour = 0x404040, fieldColour = 0xFFFFFF;

void Fill(cairo_t* cr, const Box& box, int rgb) {
  cairo_rectangle(cr, box.x, box.y, box.width, box.height);
  SetColour(cr, rgb);
  cairo_fill(cr);
}

// The page's runs, placed from the screen's corner, where they fall in `area`.
void DrawRuns(cairo_t* cr, const host::Page& page, const Box& screen, const Box& area) {
  cairo_save(cr);
  cairo_rectangle(cr, area.x, area.y, area.width, area.height);
  cairo_clip(cr);
  UseFont(cr, fontSize);
  SetColour(cr, textColour);
  for (const host::TextRun& run : page.runs)
    ShowText(cr, screen.x + run.x, screen.y + run.y + baseline, run.text);
  cairo_restore(cr);
}

void DrawScreen(cairo_t* cr, const host::Page& page, const DisplayPictureLayout& layout) {
  Fill(cr, layout.screen, screenColour);
  DrawRuns(cr, page, layout.screen, layout.screen);
  cairo_save(cr);
  cairo_rectangle(cr, layout.screen.x, layout.screen.y, layout.screen.width, layout.screen.height);
  cairo_clip(cr);
  UseFont(cr, fontSize, true);
  SetColour(cr, titleColour);
  ShowText(cr, layout.screen.x + 4, layout.screen.y + baseline, page.title);
  cairo_restore(cr);
}

// Lines the page drew below the display's height: outside the screen, on a
// strip of their own, with a marker on the bezel beside them.
void DrawBelow(cairo_t* cr, const host::Page& page, const DisplayPictureLayout& layout) {
  if (layout.below.Empty()) return;
  Fill(cr, layout.below, belowColour);
  Fill(cr, layout.marker, markerColour);
  DrawRuns(cr, page, layout.screen, layout.below);
  if (layout.below.height >= 8) {
    UseFont(cr, 7, true);
    SetColour(cr, markerColour);
    ShowText(cr, layout.below.x + layout.below.width + 4,
             layout.below.y + std::min(layout.below.height, 16.0) / 2 + 2.5, "below");
  }
}

void DrawButtons(cairo_t* cr, MFD& display, const DisplayPictureLayout& layout) {
  UseFont(cr, 9, true);
  for (int button = 0; button < 2 * buttonsPerSide; ++button) {
    const char* label = display.ButtonLabel(button);
    if (label == nullptr) continue;
    const double y = layout.screen.y + ButtonY(button, static_cast<int>(layout.screen.height));
    const double x = button < buttonsPerSide ? 6 : bezelSide + layout.screen.width + 6;
    Fill(cr, {x, y - 9, bezelSide - 12, 18}, 0x505050);
    SetColour(cr, 0xE0E0E0);
    ShowText(cr, x + (bezelSide - 12 - TextWidth(cr, label)) / 2, y + 3.5, label);
  }
}

// The host's input box: its title, and the text typed so far in its field.
void DrawInputBox(cairo_t* cr, const host::InputBoxView& view, const DisplayPictureLayout& layout) {
  const Box& box = layout.box;
  Fill(cr, box, boxColour);
  cairo_rectangle(cr, box.x + 0.5, box.y + 0.5, box.width - 1, box.height - 1);
  SetColour(cr, boxEdgeColour);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  UseFont(cr, boxFontSize);
  SetColour(cr, 0x000000);
  double y = box.y + 4 + boxFontSize;
  for (const std::string& line : layout.titleLines) {
    ShowText(cr, box.x + 4, y, line);
    y += boxLineHeight;
  }
  const Box& field = layout.field;
  Fill(cr, field, fieldColour);
  cairo_save(cr);
  cairo_rectangle(cr, field.x, field.y, field.width, field.height);
  cairo_clip(cr);
  SetColour(cr, 0x000000);
  const std::string typed = view.initialText + "_";
  // The end of a long answer stays in view, as it does while one types.
  const double width = TextWidth(cr, typed);
  ShowText(cr, field.x + 2 + std::min(0.0, field.width - 4 - width), field.y + field.height - 3,
           typed);
  cairo_restore(cr);
}

}  // namespace

bool WriteDisplayPicture(int number, const std::string& path, std::string& error) {
  MFD* display = host::DisplayObject(number);
  if (display == nullptr) {
    error = "display " + std::to_string(number) + " is not open";
    return false;
  }
  const int width = static_cast<int>(host::FieldsOf(*display).width),
            height = static_cast<int>(host::FieldsOf(*display).height);
  const host::Page page = host::DrawDisplay(number);
  const std::optional<host::InputBoxView> box = host::OpenInputBox();
  const DisplayPictureLayout layout = LayOutDisplayPicture(width, height, page, box);
  std::string reason;
  if (!PictureSizeFits(displayScale * layout.width, displayScale * layout.height, reason)) {
    error = "display " + std::to_string(number) + " (" + std::to_string(width) + "x" +
            std::to_string(height) + ") is too large for a picture: " + reason;
    return false;
  }
  Canvas canvas(static_cast<int>(displayScale * layout.width),
                static_cast<int>(displayScale * layout.height));
  cairo_t* cr = canvas.Cr();
  cairo_scale(cr, displayScale, displayScale);
  SetColour(cr, bezelColour);
  cairo_paint(cr);
  DrawScreen(cr, page, layout);
  DrawBelow(cr, page, layout);
  DrawButtons(cr, *display, layout);
  if (box) DrawInputBox(cr, *box, layout);
  return canvas.Save(path, error);
}

}  // namespace sim
