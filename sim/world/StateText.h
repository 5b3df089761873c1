// An object's state as one line of text.
#pragma once

#include <string>

#include "host/World.h"

namespace sim {

// "NAME pos=(x, y, z) vel=(x, y, z) parent=P", numbers in full precision
// (%.17g) so that a state read back is the state written; P is the parent
// vessel's name or "none". A vessel resting on a body's surface adds
// " landed=BODY" or " crashed=BODY".
std::string StateText(const host::Object& object);

}  // namespace sim
