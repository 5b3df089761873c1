// The body a place is nearest to, as the panel, the plan and the events
// name it.
#pragma once

#include "host/World.h"

namespace sim {

// The body whose surface is nearest to `pos`; null without bodies.
const host::Object* NearestBody(const VECTOR3& pos);

}  // namespace sim
