// The carrier's release, noticed by the focus vessel's hold. (The jump
// itself is told with the answer that made it.)
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "host/World.h"

namespace sim {

// Tells when a focus vessel seen held is let go, even if the focus has
// moved on meanwhile.
class HoldWatch {
 public:
  // The event since the last call, if any.
  std::optional<std::string> Check();

 private:
  int session = 0;                 // a new session's objects may take the old handles
  std::vector<ObjectHandle> held;  // focus vessels seen held, until they are let go
};

}  // namespace sim
