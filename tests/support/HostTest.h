// The host fixture, which starts every test from an empty host; with world
// building and page-run printing, the common ground of host and module tests.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "host/Diagnostics.h"
#include "host/Displays.h"
#include "host/Simulation.h"
#include "host/World.h"
#include "support/WorldBuilder.h"

namespace host {
inline void PrintTo(const TextRun& run, std::ostream* os) {
  *os << "{" << run.x << ", " << run.y << ", \"" << run.text << "\"}";
}
}  // namespace host

// Every test starts from an empty host; none may leave the host with a
// report of misuse it did not expect, nor hand over a stale handle.
class HostTest : public ::testing::Test {
 protected:
  void SetUp() override { host::ResetSimulation(); }
  void TearDown() override {
    EXPECT_EQ(host::StaleHandleUses(), 0);
    host::ResetSimulation();
  }
};
