// Building small worlds in the stand-in host for tests.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "host/Diagnostics.h"
#include "host/Displays.h"
#include "host/Simulation.h"
#include "host/World.h"

namespace host {
inline void PrintTo(const TextRun& run, std::ostream* os) {
  *os << "{" << run.x << ", " << run.y << ", \"" << run.text << "\"}";
}
}  // namespace host

namespace testing_world {

inline ObjectHandle AddBody(const std::string& name, double mass, double radius, VECTOR3 pos,
                            VECTOR3 vel = {}) {
  host::BodySpec spec;
  spec.name = name;
  spec.mass = mass;
  spec.radius = radius;
  spec.pos = pos;
  spec.vel = vel;
  return host::TheWorld().AddBody(spec);
}

// A vessel facing along `forward` (+z of its frame), with +y along `up`.
inline ObjectHandle AddVessel(const std::string& name, VECTOR3 pos, VECTOR3 vel = {},
                              double size = 20, VECTOR3 forward = MakeVector(0, 0, 1),
                              VECTOR3 up = MakeVector(0, 1, 0)) {
  host::VesselSpec spec;
  spec.name = name;
  spec.size = size;
  spec.pos = pos;
  spec.vel = vel;
  spec.attitude = host::Rotation::FromAxes(forward, up);
  return host::TheWorld().AddVessel(spec);
}

inline void Focus(ObjectHandle vessel) {
  host::TheWorld().SetFocus(vessel);
}

}  // namespace testing_world

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
