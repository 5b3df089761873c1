#include "support/ModuleTest.h"

using namespace testing_world;

class JauntMfdTest : public ModuleTest {};

// The host's message carries the size, width in the low 16 bits and height
// in the high 16; what a new display then shows is draw_page_test's.
TEST_F(JauntMfdTest, DisplayTakesTheSizeTheHostAsksFor) {
  const JauntMFD& display = OpenJaunt(400, 200);
  EXPECT_EQ(host::FieldsOf(display).width, 400u);
  EXPECT_EQ(host::FieldsOf(display).height, 200u);
}

TEST_F(JauntMfdTest, DisplayIsOpenedOnTheFocusVessel) {
  Focus(AddVessel("GL-01", MakeVector(0, 0, 0)));
  const JauntMFD& display = OpenJaunt();
  EXPECT_EQ(host::FieldsOf(display).vessel, host::TheWorld().Interface(host::TheWorld().Focus()));
}

TEST_F(JauntMfdTest, NewestDisplayIsCurrentAndAnyClosingEmptiesIt) {
  for (int closeFirst : {0, 1}) {
    SCOPED_TRACE(closeFirst ? "closing the first" : "closing the second");
    const int first = host::OpenDisplay("Jaunt", 256, 256);
    EXPECT_EQ(currentDisplay, host::DisplayObject(first));
    const int second = host::OpenDisplay("Jaunt", 256, 256);
    EXPECT_EQ(currentDisplay, host::DisplayObject(second));
    host::CloseDisplay(closeFirst ? first : second);
    EXPECT_EQ(currentDisplay, nullptr);
    host::CloseAllDisplays();
  }
}

TEST_F(JauntMfdTest, TokenOfAClosedDisplayFindsNothingEvenAtTheSameAddress) {
  const int first = host::OpenDisplay("Jaunt", 256, 256);
  void* token = static_cast<JauntMFD*>(host::DisplayObject(first))->InputToken();
  EXPECT_EQ(DisplayFromToken(token), host::DisplayObject(first));
  host::CloseDisplay(first);
  EXPECT_EQ(DisplayFromToken(token), nullptr);
  // A new display may well reuse the memory; it still does not answer.
  const int second = host::OpenDisplay("Jaunt", 256, 256);
  EXPECT_EQ(DisplayFromToken(token), nullptr);
  EXPECT_NE(DisplayFromToken(static_cast<JauntMFD*>(host::DisplayObject(second))->InputToken()),
            nullptr);
}
