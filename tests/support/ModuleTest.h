// Tests of the module linked in directly: the mode is registered for each
// test, and displays are opened through the host as a cockpit would.
#pragma once

#include "display/JauntMFD.h"
#include "jump/CarrierRelease.h"
#include "support/HostTest.h"

class ModuleTest : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    opcDLLInit(nullptr);
  }
  void TearDown() override {
    host::CloseAllDisplays();
    // Let any pending carrier go, so that no test leaves one for the next.
    for (int i = 0; i < 3 && ReleasePending(); ++i) opcTimestep(0, 0, 0);
    opcDLLExit(nullptr);
    HostTest::TearDown();
  }

  // Opens a Jaunt display on the focus vessel and returns it.
  JauntMFD& OpenJaunt(std::uint32_t w = 256, std::uint32_t h = 256) {
    const int number = host::OpenDisplay("Jaunt", w, h);
    EXPECT_NE(number, 0);
    return *static_cast<JauntMFD*>(host::DisplayObject(number));
  }
};
