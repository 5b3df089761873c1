// The pictures, read back: their exact sizes, and their colours where the
// layout puts the ship, the destination, the samples, an input box or a line
// below the screen; text that is not UTF-8; files written whole or not at
// all. Colours are read where shapes are solid, never from text, so that
// font rendering cannot change the outcome.
#include "picture/Picture.h"

#include <cairo.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "display/DisplayLayout.h"
#include "picture/PictureCanvas.h"
#include "picture/PictureLayout.h"
#include "plan/LabelPlacement.h"
#include "plan/PlanLayout.h"
#include "plan/PlanPicture.h"
#include "support/LoadedModuleTest.h"

namespace {

using namespace testing_world;
namespace fs = std::filesystem;

TEST(PictureTextTest, BytesThatAreNotUtf8BecomeReplacementCharacters) {
  const std::string bad = "\xEF\xBF\xBD";
  const struct {
    std::string in, out;
  } cases[] = {
      {"Moon", "Moon"},
      {"caf\xC3\xA9", "caf\xC3\xA9"},
      {"Target: AAAA\xC3", "Target: AAAA" + bad},  // a line cut inside a character
      {"\xE2\x82", bad},                           // one cut three-byte character
      {"\xF0\x9F\x98\x80!", "\xF0\x9F\x98\x80!"},
      {"\xC0\xAF", bad + bad},                      // an overlong slash
      {"\xED\xA0\x80", bad + bad + bad},            // a surrogate
      {"\xF4\x90\x80\x80", bad + bad + bad + bad},  // beyond U+10FFFF
      {"\xFF x", bad + " x"},
      {std::string("a\0b", 3), "a" + bad + "b"},
  };
  for (const auto& c : cases) EXPECT_EQ(sim::ValidUtf8(c.in), c.out) << c.in;
}

TEST(PictureTextTest, TitlesWrapAtBlanksAndCutLongWords) {
  using Lines = std::vector<std::string>;
  const struct {
    std::string text;
    std::size_t columns;
    Lines lines;
  } cases[] = {
      {"Select Target (leave blank for none)", 16, {"Select Target", "(leave blank for", "none)"}},
      {"short", 16, {"short"}},
      {"", 16, {}},
      {"abcdefghij k", 4, {"abcd", "efgh", "ij k"}},
      {"\xC3\xA9\xC3\xA9\xC3\xA9 x",
       2,
       {"\xC3\xA9\xC3\xA9", "\xC3\xA9", "x"}},  // characters, not bytes
      {"  two  blanks  ", 10, {"two blanks"}},
  };
  for (const auto& c : cases) EXPECT_EQ(sim::WrapText(c.text, c.columns), c.lines) << c.text;
}

TEST(PictureTextTest, TextWiderThanItsRoomIsCutBetweenCharactersWithAMark) {
  const struct {
    std::string text;
    std::size_t most;
    std::string cut;
  } counted[] = {
      {"Moon", 4, "Moon"},
      {"Selene", 5, "Se..."},
      {"\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", 4, "\xC3\xA9..."},  // characters, not bytes
      {"\xC3\xA9\xC3\xA9", 2, "\xC3\xA9\xC3\xA9"},
  };
  for (const auto& c : counted) EXPECT_EQ(sim::CutText(c.text, c.most), c.cut) << c.text;

  const sim::Canvas canvas(1, 1);
  sim::UseFont(canvas.Cr(), 12);
  const std::string mark = "...";
  const struct {
    std::string text;
    double width;
    bool cut;
  } cases[] = {
      {"GL-01 to Moon", 400, false},
      {std::string(200, 'x'), 400, true},
      {[] {
         std::string e;
         for (int i = 0; i < 200; ++i) e += "\xC3\xA9";
         return e;
       }(),
       400, true},  // cut between characters, never inside one
      {"abc", 1, true},
  };
  for (const auto& c : cases) {
    const std::string fitted = sim::FitText(canvas.Cr(), c.text, c.width);
    if (!c.cut) {
      EXPECT_EQ(fitted, c.text);
      continue;
    }
    EXPECT_EQ(sim::ValidUtf8(fitted), fitted) << c.text;
    ASSERT_GE(fitted.size(), mark.size());
    EXPECT_EQ(fitted.substr(fitted.size() - mark.size()), mark) << c.text;
    EXPECT_EQ(
        c.text.compare(0, fitted.size() - mark.size(), fitted, 0, fitted.size() - mark.size()), 0);
    // The widest cut that fits: one more character would not.
    if (fitted != mark) {
      EXPECT_LE(sim::TextWidth(canvas.Cr(), fitted), c.width) << c.text;
    }
    const std::size_t kept = fitted.size() - mark.size();
    const std::size_t next = c.text[kept] & 0x80 ? 2 : 1;
    EXPECT_GT(sim::TextWidth(canvas.Cr(), c.text.substr(0, kept + next) + mark), c.width);
  }
}

// A picture read back from its file: 0xRRGGBB a pixel.
struct Pixels {
  int width = 0, height = 0;
  std::vector<int> rgb;
  int At(double x, double y) const {
    const int i = static_cast<int>(std::floor(x)), j = static_cast<int>(std::floor(y));
    if (i < 0 || j < 0 || i >= width || j >= height) return -1;
    return rgb[static_cast<std::size_t>(j) * static_cast<std::size_t>(width) +
               static_cast<std::size_t>(i)];
  }
  int At(const sim::MapPoint& p, double dx = 0, double dy = 0) const {
    return At(p.x + dx, p.y + dy);
  }
  // Pixels in the rectangle that are clearly green, as the page's text is.
  int GreenIn(double x, double y, double w, double h) const {
    int count = 0;
    for (double v = y; v < y + h; ++v)
      for (double u = x; u < x + w; ++u) {
        const int c = At(u, v);
        if ((c >> 8 & 0xFF) > 0x80 && (c >> 16 & 0xFF) < 0x80) ++count;
      }
    return count;
  }
};

Pixels Read(const std::string& path) {
  Pixels pixels;
  cairo_surface_t* surface = cairo_image_surface_create_from_png(path.c_str());
  if (cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS) {
    pixels.width = cairo_image_surface_get_width(surface);
    pixels.height = cairo_image_surface_get_height(surface);
    const auto stride = static_cast<std::size_t>(cairo_image_surface_get_stride(surface));
    const unsigned char* data = cairo_image_surface_get_data(surface);
    for (std::size_t y = 0; y < static_cast<std::size_t>(pixels.height); ++y)
      for (std::size_t x = 0; x < static_cast<std::size_t>(pixels.width); ++x) {
        std::uint32_t value;
        std::memcpy(&value, data + y * stride + 4 * x, sizeof value);
        pixels.rgb.push_back(static_cast<int>(value & 0xFFFFFF));
      }
  }
  cairo_surface_destroy(surface);
  return pixels;
}

std::string Contents(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

constexpr int screenColour = 0x031203, markerColour = 0xE69F00, buttonColour = 0x505050;
constexpr int boxColour = 0xD4D0C8, fieldColour = 0xFFFFFF;

// The Earth at the origin, the Moon on the x axis, the glider between them
// at geostationary distance facing the Moon; pictures go to a folder of
// their own.
class PictureTest : public LoadedModuleTest {
 protected:
  void SetUp() override {
    LoadedModuleTest::SetUp();
    folder = fs::temp_directory_path() / ("jaunt-picture-test-" + std::to_string(getpid()));
    fs::create_directories(folder);
    AddBody("Earth", testing_world::earthMass, testing_world::earthRadius, MakeVector(0, 0, 0));
    AddBody("Moon", 7.342e22, 1.7374e6, MakeVector(3.844e8, 0, 0));
    Focus(AddVessel("GL-01", MakeVector(4.2164e7, 0, 0), {}, 20, MakeVector(1, 0, 0),
                    MakeVector(0, 0, 1)));
  }
  void TearDown() override {
    fs::remove_all(folder);
    LoadedModuleTest::TearDown();
  }

  Pixels Display(const std::string& name) {
    std::string error;
    EXPECT_TRUE(sim::WriteDisplayPicture(display, (folder / name).string(), error)) << error;
    return Read((folder / name).string());
  }
  Pixels Plan(const std::string& name) {
    std::string error;
    EXPECT_TRUE(sim::WritePlanPicture(display, (folder / name).string(), error)) << error;
    return Read((folder / name).string());
  }
  sim::PlanLayout Layout() {
    sim::PlanScene scene;
    std::string error;
    EXPECT_TRUE(sim::GatherPlan(display, scene, error)) << error;
    return sim::LayOutPlan(scene);
  }
  // An unsafe jump towards the Earth, then a new estimate: the warning is
  // drawn under the estimate, at the display's height.
  void BadJumpAndNewEstimate() {
    Key('T');
    Answer("Earth");
    Key('D');
    Answer("M18");
    Key('W');
    Answer("y");
    Key('D');
    Answer("M18");
  }

  fs::path folder;
};

TEST_F(PictureTest, DisplayPictureIsTwiceTheDisplayAndBezelAndGrowsForLowLines) {
  const struct {
    std::uint32_t width, height;
    int pixelsWide, pixelsHigh;
  } cases[] = {
      {256, 256, 704, 576},
      {400, 200, 992, 480},  // the speed line at 192 needs 8 units more
      {64, 600, 320, 1264},
  };
  for (const auto& c : cases) {
    Open(c.width, c.height);
    const Pixels pixels = Display("size.png");
    EXPECT_EQ(pixels.width, c.pixelsWide) << c.width << "x" << c.height;
    EXPECT_EQ(pixels.height, c.pixelsHigh) << c.width << "x" << c.height;
  }
}

TEST_F(PictureTest, LineBelowTheDisplayIsDrawnUnderTheScreenWithAMarker) {
  Open();
  BadJumpAndNewEstimate();
  const host::Page page = host::DrawDisplay(display);
  ASSERT_EQ(page.runs.back().text, "<<<Bad jump!>>>");
  ASSERT_EQ(page.runs.back().y, 256);
  const sim::DisplayPictureLayout layout = sim::LayOutDisplayPicture(256, 256, page, std::nullopt);
  const Pixels pixels = Display("bad.png");
  EXPECT_EQ(pixels.width, 704);
  EXPECT_EQ(pixels.height, 608);
  const double s = sim::displayScale;
  EXPECT_EQ(pixels.At(s * (layout.marker.x + layout.marker.width / 2),
                      s * (layout.marker.y + layout.marker.height / 2)),
            markerColour);
  EXPECT_GT(pixels.GreenIn(s * layout.below.x, s * layout.below.y, s * layout.below.width,
                           s * layout.below.height),
            50);
}

TEST_F(PictureTest, OpenInputBoxIsDrawnOverTheScreen) {
  Open();
  Key('D');
  const std::optional<host::InputBoxView> box = host::OpenInputBox();
  ASSERT_TRUE(box);
  const sim::DisplayPictureLayout layout =
      sim::LayOutDisplayPicture(256, 256, host::DrawDisplay(display), box);
  EXPECT_EQ(layout.titleLines.size(), 2u);
  const double s = sim::displayScale;
  const double fieldX = s * (layout.field.x + layout.field.width - 3);
  const double fieldY = s * (layout.field.y + layout.field.height / 2);
  const double boxX = s * (layout.box.x + 2), boxY = s * (layout.box.y + layout.box.height - 2);
  const Pixels open = Display("box.png");
  EXPECT_EQ(open.At(fieldX, fieldY), fieldColour);
  EXPECT_EQ(open.At(boxX, boxY), boxColour);

  ASSERT_TRUE(host::CancelInputBox());
  const Pixels closed = Display("closed.png");
  EXPECT_NE(closed.At(fieldX, fieldY), fieldColour);
  EXPECT_EQ(closed.At(boxX, boxY), screenColour);
}

TEST_F(PictureTest, TextCutInsideACharacterIsDrawnAndSoIsEverythingAfterIt) {
  const std::string name = std::string(80, 'A') + "\xC3\xA9";
  AddVessel(name, MakeVector(1e6, 0, 0));
  Open();
  Key('T');
  Answer(name);
  const host::Page page = host::DrawDisplay(display);
  ASSERT_EQ(page.runs.front().text.size(), 99u);
  ASSERT_EQ(page.runs.front().text.back(), '\xC3');
  const Pixels pixels = Display("cut.png");
  const double s = sim::displayScale;
  // The lines after the cut one, and the buttons drawn after the screen.
  EXPECT_GT(pixels.GreenIn(s * (sim::bezelSide + 10), s * (sim::bezelTop + 128), s * 200, s * 16),
            50);
  EXPECT_EQ(pixels.At(s * 8, s * (sim::bezelTop + sim::ButtonY(0, 256) - 7)), buttonColour);
}

TEST_F(PictureTest, DisplayTooLargeIsRefusedAndTheFileKept) {
  const fs::path keep = folder / "keep.png";
  std::ofstream(keep) << "an earlier picture";
  Open(65535, 65535);
  std::string error;
  EXPECT_FALSE(sim::WriteDisplayPicture(display, keep.string(), error));
  EXPECT_EQ(error, "display " + std::to_string(display) +
                       " (65535x65535) is too large for a picture: it would take 131262x131134 "
                       "pixels, at most 8192 a side");
  EXPECT_EQ(Contents(keep), "an earlier picture");
}

TEST_F(PictureTest, FailedWriteChangesNothingAndLeavesNoTemporaryFile) {
  const fs::path taken = folder / "taken";
  fs::create_directory(taken);
  Open();
  std::string error;
  EXPECT_FALSE(sim::WriteDisplayPicture(display, taken.string(), error));
  EXPECT_EQ(error, "cannot write " + taken.string() + ": Is a directory");
  EXPECT_TRUE(fs::is_directory(taken));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(PictureTest, SafePlanShowsShipDestinationSamplesAndBodiesWhereTheLayoutSays) {
  Open();
  Key('T');
  Answer("Moon");
  Key('D');
  Answer("%10");
  const Pixels pixels = Plan("safe.png");
  EXPECT_EQ(pixels.width, 960);
  EXPECT_EQ(pixels.height, 800);
  const sim::PlanLayout layout = Layout();
  ASSERT_TRUE(layout.plan.Safe());
  EXPECT_FALSE(layout.detailView) << "a long path needs no enlargement";
  EXPECT_EQ(pixels.At(layout.path.start, 0, -7), sim::shipColour);
  EXPECT_EQ(pixels.At(layout.path.destination, 0, 7), sim::destinationColour);
  for (int i = 0; i < sim::planSamples; ++i)
    EXPECT_EQ(pixels.At(layout.path.samples[i]), sim::safeColour) << i;
  ASSERT_FALSE(layout.bodies.empty());
  const sim::BodyMark& earth = layout.bodies.front();
  ASSERT_TRUE(earth.disc);
  EXPECT_GT(earth.radius, 5);
  EXPECT_EQ(pixels.At(earth.centre), sim::bodyColour);
}

TEST_F(PictureTest, UnsafePlanShowsItsScatterAndAfterTheJumpWhereTheShipLanded) {
  Open();
  Key('T');
  Answer("Earth");
  Key('D');
  Answer("M18");
  const Pixels before = Plan("unsafe.png");
  const sim::PlanLayout layout = Layout();
  ASSERT_FALSE(layout.plan.Safe());
  ASSERT_TRUE(layout.detailView) << "the scatter box makes the path small";
  const sim::PullBand bands[] = {sim::PullBand::Safe, sim::PullBand::Near, sim::PullBand::Over};
  for (int i = 0; i < sim::planSamples; ++i) {
    const int colour = sim::BandColour(sim::BandOf(layout.plan.pulls[i]));
    EXPECT_EQ(before.At(layout.detail.samples[i]), colour) << i;
  }
  for (const sim::PullBand band : bands) {
    const bool used = std::any_of(layout.plan.pulls.begin(), layout.plan.pulls.end(),
                                  [&](double pull) { return sim::BandOf(pull) == band; });
    EXPECT_TRUE(used) << "every band shows in this plan";
  }
  EXPECT_EQ(before.At(layout.detail.start, 0, -7), sim::shipColour);
  EXPECT_EQ(before.At(layout.detail.destination, 0, 7), sim::destinationColour);
  // Inside the scatter box, below the path: tinted, not the bare map.
  ASSERT_GE(layout.scatter.size(), 4u);
  double lowest = 0;
  for (const sim::MapPoint& p : layout.scatter) lowest = std::max(lowest, p.y);
  const sim::MapPoint inside{layout.path.destination.x, (layout.path.destination.y + lowest) / 2};
  EXPECT_NE(before.At(inside), sim::mapColour);
  EXPECT_NE(before.At(inside), 0xFFFFFF);
  EXPECT_EQ(before.At(layout.view.left + 3, layout.view.top + layout.view.height - 40),
            sim::mapColour);
  // The box is filled whole, convex: inside along every edge, not notched.
  sim::MapPoint middle{0, 0};
  for (const sim::MapPoint& p : layout.scatter) {
    middle.x += p.x / static_cast<double>(layout.scatter.size());
    middle.y += p.y / static_cast<double>(layout.scatter.size());
  }
  for (std::size_t i = 0; i < layout.scatter.size(); ++i) {
    const sim::MapPoint& a = layout.scatter[i];
    const sim::MapPoint& b = layout.scatter[(i + 1) % layout.scatter.size()];
    const sim::MapPoint nearEdge{middle.x + 0.9 * ((a.x + b.x) / 2 - middle.x),
                                 middle.y + 0.9 * ((a.y + b.y) / 2 - middle.y)};
    EXPECT_NE(before.At(nearEdge), sim::mapColour) << "edge " << i;
  }

  Key('W');
  Answer("y");
  host::Step(600);  // the ship falls on towards the Earth, away from where it landed
  const Pixels after = Plan("landed.png");
  const sim::PlanLayout jumped = Layout();
  ASSERT_TRUE(jumped.landedShown);
  EXPECT_EQ(after.At(jumped.landed), sim::landedColour);
  EXPECT_EQ(after.At(jumped.detail.start, 0, -7.5), sim::shipColour);  // the ring it left
  EXPECT_EQ(after.At(jumped.shipNow, -6, 0), sim::shipColour);         // and where it is now
}

// Sixty small bodies strewn along an unsafe jump: their labels take the
// room left once the ship, the destination and the target are labelled, and
// none overlaps another; the enlarged path shows the bodies it passes.
TEST_F(PictureTest, LabelsNeverOverlapAndTheEnlargedPathShowsTheBodies) {
  for (int i = 0; i < 60; ++i) {
    const double x = 2e7 + 3.5e5 * i, y = (i % 2 == 0 ? 1 : -1) * (2e5 + 3e4 * (i % 7));
    AddBody("Rock " + std::to_string(i), 1e15, 300, MakeVector(x, y, 1e3 * (i % 5)));
  }
  Open();
  Key('T');
  Answer("Earth");
  Key('D');
  Answer("M18");
  const sim::PlanLayout layout = Layout();
  ASSERT_TRUE(layout.detailView);
  EXPECT_GT(layout.detailBodies.size(), 10u);
  for (const auto* labels : {&layout.labels, &layout.detailLabels}) {
    for (std::size_t i = 0; i < labels->size(); ++i)
      for (std::size_t j = i + 1; j < labels->size(); ++j)
        EXPECT_FALSE(sim::Overlap((*labels)[i].box, (*labels)[j].box))
            << (*labels)[i].text << " and " << (*labels)[j].text;
  }
  ASSERT_GE(layout.labels.size(), 3u);
  EXPECT_EQ(layout.labels[0].text, "GL-01");
  EXPECT_EQ(layout.labels[1].text, "destination");
  EXPECT_EQ(layout.labels[2].text, "Earth");
  EXPECT_GT(layout.detailLabels.size(), 3u);
  EXPECT_LT(layout.detailLabels.size(), 60u) << "not every rock finds room";
}

}  // namespace
