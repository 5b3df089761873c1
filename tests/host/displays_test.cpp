// The stand-in host's displays and input box, driven by a tiny display mode
// of the test's own.
#include "host/Displays.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/InputBox.h"
#include "plugin/HostServices.h"
#include "support/HostTest.h"

using namespace testing_world;

namespace {

struct Log {
  static inline std::vector<std::string> events;
};

class ProbeDisplay : public MFD {
 public:
  ProbeDisplay(DWORD w, DWORD h, VESSEL* v) : MFD(w, h, v) {
    Log::events.push_back("open " + std::to_string(w) + "x" + std::to_string(h));
  }
  ~ProbeDisplay() override { Log::events.push_back("close"); }
  void Update(HDC hdc) override {
    Title(hdc, "Probe");
    TextOutA(hdc, 10, 48, "hello world", 5);
  }
};

// Opens on the plain open message only, as the Jaunt mode does.
MfdMessageResult ProbeProc(UINT msg, UINT, WPARAM size, LPARAM v) {
  Log::events.push_back("message " + std::to_string(msg));
  if (msg != OAPI_MSG_MFD_OPENED) return 0;
  return reinterpret_cast<MfdMessageResult>(new ProbeDisplay(static_cast<DWORD>(size & 0xFFFF),
                                                             static_cast<DWORD>(size >> 16),
                                                             reinterpret_cast<VESSEL*>(v)));
}

char probeName[] = "Probe";

bool Accepting(void*, char* text, void* data) {
  Log::events.push_back(std::string("answer ") + text + " " + static_cast<const char*>(data));
  return std::string(text) == "ok";
}

class CockpitTest : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    Log::events.clear();
    MFDMODESPEC spec{probeName, 0x19, ProbeProc};
    mode = oapiRegisterMFDMode(spec);
  }
  void TearDown() override {
    oapiUnregisterMFDMode(mode);
    HostTest::TearDown();
  }
  int mode = 0;
};

TEST_F(CockpitTest, DisplaysAreOpenedNumberedDrawnAndClosed) {
  const int first = host::OpenDisplay("Probe", 300, 200);
  const int second = host::OpenDisplay("Probe", 256, 256);
  EXPECT_EQ(second, first + 1);
  const host::Page page = host::DrawDisplay(first);
  EXPECT_EQ(page.title, "Probe");
  EXPECT_EQ(page.runs, (std::vector<host::TextRun>{{10, 48, "hello"}}));
  EXPECT_TRUE(host::CloseDisplay(first));
  EXPECT_EQ(host::OpenDisplays(), std::vector<int>{second});
  EXPECT_EQ(Log::events,
            (std::vector<std::string>{"message 4", "message 1", "open 300x200", "message 4",
                                      "message 1", "open 256x256", "close"}));
  // The host writes its font's character size into every display it opens.
  const host::MfdFields fields = host::FieldsOf(*host::DisplayObject(second));
  EXPECT_EQ(fields.width, 256u);
  EXPECT_EQ(fields.charWidth, host::charWidth);
  EXPECT_EQ(fields.charHeight, host::charHeight);
}

TEST_F(CockpitTest, MisuseIsRefusedAndReported) {
  EXPECT_FALSE(host::CloseDisplay(42));
  EXPECT_EQ(host::OpenDisplay("Nope", 256, 256), 0);
  EXPECT_FALSE(oapiUnregisterMFDMode(mode + 100));
  // Drawing on a context the host did not hand out fails. The Linux host's
  // own TextOutA reports it; on Windows GDI refuses it by itself.
  EXPECT_EQ(TextOutA(reinterpret_cast<HDC>(&mode), 0, 0, "x", 1), FALSE);
#ifdef _WIN32
  constexpr std::size_t textOutReports = 0;
#else
  constexpr std::size_t textOutReports = 1;
#endif
  EXPECT_EQ(host::Reports().size(), 3u + textOutReports);
  host::ClearReports();
}

TEST_F(CockpitTest, FocusChangeReopensDisplaysUnderTheirNumbers) {
  const ObjectHandle a = AddVessel("A", {});
  const ObjectHandle b = AddVessel("B", {});
  Focus(a);
  const int number = host::OpenDisplay("Probe", 256, 256);
  host::ChangeFocus(b);
  EXPECT_EQ(host::OpenDisplays(), std::vector<int>{number});
  EXPECT_EQ(host::FieldsOf(*host::DisplayObject(number)).vessel, oapiGetVesselInterface(b));
  EXPECT_EQ(Log::events,
            (std::vector<std::string>{"message 4", "message 1", "open 256x256", "close",
                                      "message 4", "message 1", "open 256x256"}));
}

TEST_F(CockpitTest, UnregisteringAModeClosesItsDisplays) {
  host::OpenDisplay("Probe", 256, 256);
  EXPECT_TRUE(oapiUnregisterMFDMode(mode));
  EXPECT_TRUE(host::OpenDisplays().empty());
  MFDMODESPEC spec{probeName, 0x19, ProbeProc};
  mode = oapiRegisterMFDMode(spec);
}

TEST_F(CockpitTest, RejectedAnswerKeepsTheBoxOpenAndAcceptedOneClosesIt) {
  char data[] = "d1", title[] = "Title?";
  oapiOpenInputBox(title, Accepting, nullptr, 7, data);
  EXPECT_EQ(host::OpenInputBox()->title, "Title?");
  EXPECT_EQ(host::OpenInputBox()->visibleLength, 7);
  EXPECT_EQ(host::AnswerInputBox("no"), false);
  EXPECT_TRUE(host::OpenInputBox().has_value());
  EXPECT_EQ(host::AnswerInputBox("ok"), true);
  EXPECT_FALSE(host::OpenInputBox().has_value());
  EXPECT_EQ(host::AnswerInputBox("ok"), std::nullopt);
  EXPECT_EQ(Log::events, (std::vector<std::string>{"answer no d1", "answer ok d1"}));
}

TEST_F(CockpitTest, NewBoxReplacesTheOpenOneAndCancelCallsNothing) {
  char first[] = "first", second[] = "second";
  char title[] = "One", two[] = "Two";
  oapiOpenInputBox(title, Accepting, nullptr, 20, first);
  title[0] = 'X';  // the host keeps its own copy
  EXPECT_EQ(host::OpenInputBox()->title, "One");
  oapiOpenInputBox(two, Accepting, nullptr, 20, second);
  EXPECT_EQ(host::AnswerInputBox("no"), false);
  EXPECT_TRUE(host::CancelInputBox());
  EXPECT_FALSE(host::CancelInputBox());
  EXPECT_EQ(Log::events, std::vector<std::string>{"answer no second"});
}

// An accepted answer whose callback asks again leaves the new box open.
TEST_F(CockpitTest, BoxOpenedByAnAnswersCallbackStaysOpen) {
  char title[] = "First?";
  oapiOpenInputBox(
      title,
      [](void*, char*, void*) {
        char again[] = "Again?";
        oapiOpenInputBox(again, Accepting, nullptr, 3, nullptr);
        return true;
      },
      nullptr, 20, nullptr);
  EXPECT_EQ(host::AnswerInputBox("ok"), true);
  ASSERT_TRUE(host::OpenInputBox().has_value());
  EXPECT_EQ(host::OpenInputBox()->title, "Again?");
}

}  // namespace
