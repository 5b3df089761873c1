#include "world/StateText.h"

#include "host/Formatted.h"

namespace sim {

namespace {

std::string Triple(const VECTOR3& v) {
  return host::Formatted("(%.17g, %.17g, %.17g)", v.x, v.y, v.z);
}

}  // namespace

std::string StateText(const host::Object& object) {
  const host::Object* parent = host::TheWorld().Find(object.parent);
  const host::Object* surface = host::TheWorld().Find(object.restingOn);
  return object.name + " pos=" + Triple(object.pos) + " vel=" + Triple(object.vel) +
         " parent=" + (parent != nullptr ? parent->name : "none") +
         (surface == nullptr ? "" : (object.crashed ? " crashed=" : " landed=") + surface->name);
}

}  // namespace sim
