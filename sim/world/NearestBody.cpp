#include "world/NearestBody.h"

#include <limits>

namespace sim {

const host::Object* NearestBody(const VECTOR3& pos) {
  host::World& world = host::TheWorld();
  const host::Object* nearest = nullptr;
  double best = std::numeric_limits<double>::infinity();
  for (ObjectHandle handle : world.Bodies()) {
    const host::Object* body = world.Find(handle);
    const double height = host::Length(pos - body->pos) - body->size;
    if (height < best) {
      best = height;
      nearest = body;
    }
  }
  return nearest;
}

}  // namespace sim
