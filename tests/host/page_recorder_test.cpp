// The host's recording device context gives back each run of text that was
// drawn on it, with its coordinates and bytes, in drawing order, whichever
// platform's drawing call recorded it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/Diagnostics.h"
#include "host/PageRecorder.h"

namespace {

struct Draw {
  int x, y;
  std::string text;
  int count;  // bytes passed to TextOutA
};

class PageRecorderTest : public ::testing::Test {
 protected:
  void SetUp() override { host::ClearReports(); }
  void TearDown() override { host::ClearReports(); }
};

TEST_F(PageRecorderTest, RunsComeBackAsDrawnInOrder) {
  std::string highBytes;
  for (int c = 0xA0; c <= 0xFF; ++c) highBytes += static_cast<char>(c);
  const std::string longest(99, 'W');
  const std::vector<Draw> draws{
      {10, 48, "[Shift-T] Target: None", 22},
      {20, 64, "Curr. distance: 1.50 Gm (0.010 AU)", 34},
      {40, 240, "<<<Bad jump!>>>", 15},
      {10, 48, "drawn twice at one place", 24},
      {20, 144, "cut after five", 5},
      {-5, -16, "off the surface", 15},
      {10, 300, longest, 99},
      {10, 316, highBytes, static_cast<int>(highBytes.size())},
  };
  host::PageRecorder recorder;
  for (const Draw& draw : draws)
    EXPECT_TRUE(TextOutA(recorder.Dc(), draw.x, draw.y, draw.text.c_str(), draw.count));

  std::vector<host::TextRun> expected;
  for (const Draw& draw : draws)
    expected.push_back({draw.x, draw.y, draw.text.substr(0, static_cast<std::size_t>(draw.count))});
  const host::Page page = recorder.Finish();
  EXPECT_EQ(page.runs, expected);
  EXPECT_TRUE(page.title.empty());
  EXPECT_TRUE(host::Reports().empty());
}

TEST_F(PageRecorderTest, TwoRecordersKeepTheirPagesApart) {
  host::PageRecorder first;
  host::PageRecorder second;
  host::RecordTitle(first.Dc(), "First");
  TextOutA(second.Dc(), 1, 2, "to the second", 13);
  TextOutA(first.Dc(), 3, 4, "to the first", 12);
  host::RecordTitle(second.Dc(), "Second");

  const host::Page secondPage = second.Finish();
  const host::Page firstPage = first.Finish();
  EXPECT_EQ(firstPage.title, "First");
  EXPECT_EQ(firstPage.runs, (std::vector<host::TextRun>{{3, 4, "to the first"}}));
  EXPECT_EQ(secondPage.title, "Second");
  EXPECT_EQ(secondPage.runs, (std::vector<host::TextRun>{{1, 2, "to the second"}}));
}

TEST_F(PageRecorderTest, TitleOnAContextThatIsNotRecordingIsReported) {
  int notADeviceContext = 0;
  host::RecordTitle(reinterpret_cast<HDC>(&notADeviceContext), "Lost");
  host::PageRecorder spent;
  const HDC dc = spent.Dc();
  spent.Finish();
  host::RecordTitle(dc, "Late");
  EXPECT_EQ(host::Reports(),
            (std::vector<std::string>(2, "MFD::Title: not a device context of the host")));
}

}  // namespace
