// Building small worlds in the stand-in host, for tests and fuzzers.
#pragma once

#include <string>

#include "host/World.h"

namespace testing_world {

// The Earth of the tests' worlds.
inline constexpr double earthMass = 5.972e24;   // kg
inline constexpr double earthRadius = 6.371e6;  // m

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
