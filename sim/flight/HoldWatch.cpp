#include "flight/HoldWatch.h"

#include <algorithm>

#include "host/Simulation.h"

namespace sim {

std::optional<std::string> HoldWatch::Check() {
  host::World& world = host::TheWorld();
  std::optional<std::string> event;
  // A new session's objects may take the handles of the last one's.
  if (host::SessionNumber() != session) held.clear();
  session = host::SessionNumber();
  std::erase_if(held, [&](ObjectHandle handle) {
    const host::Object* vessel = world.Find(handle);
    if (vessel != nullptr && vessel->parent != nullptr) return false;
    if (vessel != nullptr) event = "carrier released " + vessel->name;
    return true;
  });
  const host::Object* focus = world.Find(world.Focus());
  if (focus != nullptr && focus->parent != nullptr &&
      std::find(held.begin(), held.end(), focus->handle) == held.end())
    held.push_back(focus->handle);
  return event;
}

}  // namespace sim
