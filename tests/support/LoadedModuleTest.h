// Tests of what the simulator makes of a display: the module loaded as the
// host loads a plug-in, a display opened on the focus vessel, and keys and
// answers given as a script gives them.
#pragma once

#include <string>

#include "display/KeyCodes.h"
#include "flight/PromptAnswer.h"
#include "host/Displays.h"
#include "host/InputBox.h"
#include "host/ModuleLoader.h"
#include "host/Simulation.h"
#include "plan/PlanScene.h"
#include "plugin/HostMfd.h"
#include "support/HostTest.h"

class LoadedModuleTest : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    sim::ForgetJump();
    std::string error;
    module = host::LoadModule(JAUNT_MODULE_PATH, error);
    ASSERT_NE(module, nullptr) << error;
  }
  void TearDown() override {
    // Three steps let any carrier go, so that no countdown is left running.
    for (int i = 0; i < 3; ++i) host::Step(0.05);
    host::CloseAllDisplays();
    if (module != nullptr) host::UnloadModule(module);
    HostTest::TearDown();
  }

  int Open(std::uint32_t width = 256, std::uint32_t height = 256) {
    display = host::OpenDisplay("Jaunt", width, height);
    EXPECT_NE(display, 0);
    return display;
  }
  void Key(char key) {
    ASSERT_NE(host::DisplayObject(display), nullptr);
    EXPECT_TRUE(host::DisplayObject(display)->ConsumeKeyBuffered(*sim::ScanCodeOf(key))) << key;
  }
  // Answers the open box, as the script's `input` does; what came of it.
  std::string Answer(const std::string& text) {
    const std::optional<sim::PromptAnswer> answer = sim::AnswerPrompt(display, text);
    EXPECT_TRUE(answer.has_value()) << text;
    return answer ? answer->event : std::string();
  }

  const host::LoadedModule* module = nullptr;
  int display = 0;
};
