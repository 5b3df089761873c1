#include "StateText.h"

#include <cstdio>

namespace sim {

namespace {

std::string Triple(const VECTOR3& v) {
  char text[100];
  std::snprintf(text, sizeof text, "(%.17g, %.17g, %.17g)", v.x, v.y, v.z);
  return text;
}

}  // namespace

std::string StateText(const host::Object& object) {
  const host::Object* parent = host::TheWorld().Find(object.parent);
  return object.name + " pos=" + Triple(object.pos) + " vel=" + Triple(object.vel) +
         " parent=" + (parent != nullptr ? parent->name : "none");
}

}  // namespace sim
