// Where a vessel's path first meets a body's surface: at the start of a time
// step, or within one of its substeps.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "host/BodyTrack.h"

namespace host {

struct Contact {
  std::size_t body = 0;
  double time = 0;   // s after the world's epoch
  VECTOR3 at{};      // the place on the surface, from the body's centre
  double speed = 0;  // the vessel's speed against the body
};

// A vessel in relative motion to the body `primary`, at one time.
struct RelativeState {
  double t;
  VECTOR3 x, v;  // position and velocity against the primary
};

// A body whose surface encloses the vessel (global pos, vel) at time t.
std::optional<Contact> ContactInside(const std::vector<BodyTrack>& tracks, double t,
                                     const VECTOR3& pos, const VECTOR3& vel);

// The first place between two states of one substep where the vessel's path
// enters a body. Between the two states the path is taken as the cubic
// Hermite curve through both, against each body in turn; a pass that dips
// below a surface between the substep's ends is found too.
std::optional<Contact> FirstContact(const std::vector<BodyTrack>& tracks, std::size_t primary,
                                    const RelativeState& a, const RelativeState& b);

}  // namespace host
