// The built module, loaded through the host's loader as the host loads any
// plug-in: its library entry runs on load and on unload.
#include <gtest/gtest.h>

#include <memory>

#include "host/Displays.h"
#include "host/InputBox.h"
#include "host/ModuleLoader.h"
#include "host/Simulation.h"
#include "plugin/HostKeys.h"
#include "plugin/HostMfd.h"
#include "support/HostTest.h"

namespace {

class ModuleLoaderTest : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    std::string error;
    module = host::LoadModule(JAUNT_MODULE_PATH, error);
    ASSERT_NE(module, nullptr) << error;
  }
  void TearDown() override {
    if (module != nullptr) host::UnloadModule(module);
    HostTest::TearDown();
  }
  const host::LoadedModule* module = nullptr;
};

// Each slot holds the module's own export of its name.
TEST_F(ModuleLoaderTest, CallbackTableHoldsTheSessionEndAndTheTimestep) {
  const host::OpcCallbackTable* table = module->callbacks;
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->opcOpenRenderViewport, nullptr);
  ASSERT_NE(module->closeRenderViewport, nullptr);
  EXPECT_EQ(table->opcCloseRenderViewport, module->closeRenderViewport);
  EXPECT_NE(table->opcTimestep, nullptr);
  EXPECT_EQ(table->opcFocusChanged, nullptr);
  EXPECT_EQ(table->opcTimeAccChanged, nullptr);
}

TEST_F(ModuleLoaderTest, LoadingRegistersJauntAndUnloadingRemovesIt) {
  auto modes = host::RegisteredModes();
  ASSERT_EQ(modes.size(), 1u);
  EXPECT_EQ(modes[0].name, "Jaunt");
  EXPECT_EQ(modes[0].key, OAPI_KEY_W);

  host::UnloadModule(module);
  module = nullptr;
  EXPECT_TRUE(host::RegisteredModes().empty());
  EXPECT_TRUE(host::Reports().empty());
}

TEST_F(ModuleLoaderTest, ReloadingRegistersAgain) {
  host::UnloadModule(module);
  std::string error;
  module = host::LoadModule(JAUNT_MODULE_PATH, error);
  ASSERT_NE(module, nullptr) << error;
  EXPECT_EQ(host::RegisteredModes().size(), 1u);
}

TEST_F(ModuleLoaderTest, OpenMessageCreatesDisplayOfThePackedSize) {
  const MfdMessageResult result = host::SendModeMessage("Jaunt", 1, 400 | (200 << 16), 0);
  ASSERT_NE(result, 0);
  std::unique_ptr<MFD> display(reinterpret_cast<MFD*>(result));
  EXPECT_EQ(host::FieldsOf(*display).width, 400u);
  EXPECT_EQ(host::FieldsOf(*display).height, 200u);
}

TEST_F(ModuleLoaderTest, OtherMessagesCreateNothing) {
  for (UINT msg : {0u, 2u, 3u, OAPI_MSG_MFD_OPENEDEX, 0x100u, 0xFFFFFFFFu}) {
    EXPECT_EQ(host::SendModeMessage("Jaunt", msg, 400 | (200 << 16), 0), 0) << msg;
  }
}

TEST_F(ModuleLoaderTest, NewDisplayDrawsTheDefaultPage) {
  const int number = host::OpenDisplay("Jaunt", 256, 256);
  ASSERT_NE(number, 0);
  const host::Page page = host::DrawDisplay(number);
  EXPECT_EQ(page.title, "Jaunt MFD");
  const std::vector<host::TextRun> expected{
      {10, 48, "[Shift-T] Target: None"},
      {10, 128, "[Shift-D] Distance to travel:"},
      {20, 144, "1.00 Gm (0.007 AU)"},
      {10, 176, "[Shift-V] Final absolute velocity:"},
      {20, 192, "0.000 Km/s"},
  };
  EXPECT_EQ(page.runs, expected);
}

TEST_F(ModuleLoaderTest, UnloadingClosesDisplaysOfTheMode) {
  ASSERT_NE(host::OpenDisplay("Jaunt", 256, 256), 0);
  host::UnloadModule(module);
  module = nullptr;
  EXPECT_TRUE(host::OpenDisplays().empty());
}

// The pilot's whole road: target, distance, speed, question, answer, and the
// host's time steps until the carrier lets go on the third, whichever step
// callbacks the host calls: the current host's opcPreStep, the older host's
// opcTimestep, or both in every frame. A host is of one generation for as
// long as it runs a module: each is a fresh load.
TEST_F(ModuleLoaderTest, WholeJumpThroughKeysBoxesAndTimeSteps) {
  for (const host::StepCallbacks callbacks :
       {host::StepCallbacks::PreStep, host::StepCallbacks::Timestep, host::StepCallbacks::Both}) {
    SCOPED_TRACE(static_cast<int>(callbacks));
    host::ResetSimulation();
    host::UnloadModule(module);
    std::string error;
    module = host::LoadModule(JAUNT_MODULE_PATH, error);
    ASSERT_NE(module, nullptr) << error;
    host::UseStepCallbacks(callbacks);
    testing_world::AddBody("Moon", 7.3e22, 1.7374e6, MakeVector(0, 0, 4e8), MakeVector(0, 1000, 0));
    const ObjectHandle ship = testing_world::AddVessel("GL-01", MakeVector(0, 0, 0));
    testing_world::Focus(ship);
    const int number = host::OpenDisplay("Jaunt", 256, 256);
    MFD* display = host::DisplayObject(number);
    ASSERT_NE(display, nullptr);

    const std::pair<DWORD, const char*> steps[] = {
        {OAPI_KEY_T, "moon"}, {OAPI_KEY_D, "%10"}, {OAPI_KEY_V, "1.5"}, {OAPI_KEY_W, "y"}};
    for (auto [key, answer] : steps) {
      EXPECT_TRUE(display->ConsumeKeyBuffered(key));
      ASSERT_TRUE(host::OpenInputBox().has_value()) << key;
      EXPECT_EQ(host::AnswerInputBox(answer), true) << answer;
    }
    const host::Object* carrier = host::TheWorld().FindByName("jaunt_dummy");
    ASSERT_NE(carrier, nullptr);
    const host::Object& held = *host::TheWorld().Find(ship);
    EXPECT_EQ(held.parent, carrier->handle);
    EXPECT_DOUBLE_EQ(held.pos.z, 4e8 - 4e7);

    host::Step(0.05);
    host::Step(0.05);
    EXPECT_NE(host::TheWorld().FindByName("jaunt_dummy"), nullptr);
    host::Step(0.05);
    EXPECT_EQ(host::TheWorld().FindByName("jaunt_dummy"), nullptr);
    EXPECT_EQ(held.parent, nullptr);
    EXPECT_DOUBLE_EQ(held.vel.y, 1000);  // the Moon's motion, plus 1.5 km/s ahead
    EXPECT_DOUBLE_EQ(held.vel.z, 1500);
    EXPECT_DOUBLE_EQ(held.pos.z, 4e8 - 4e7 + 3 * 0.05 * 1500);

    const host::Page page = host::DrawDisplay(number);
    ASSERT_EQ(page.runs.size(), 8u);  // no safety line after a jump, no warning
    EXPECT_EQ(page.runs[0].text, "[Shift-T] Target: Moon");
    EXPECT_EQ(page.runs[5].text, "40.00 Mm (0.000 AU)");
    EXPECT_EQ(page.runs[7].text, "1.500 Km/s");
  }
  host::UseStepCallbacks(host::StepCallbacks::PreStep);
}

}  // namespace
