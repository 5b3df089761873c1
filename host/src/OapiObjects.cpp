// The host's object services: bodies, vessels, the focus vessel.
#include <cstring>

#include "DisplayQueries.h"
#include "ObjectAccess.h"
#include "host/Simulation.h"
#include "host/VesselClasses.h"
#include "plugin/HostServices.h"

using namespace host;

// The host's signature takes the name as char*; it only reads it.
// NOLINTNEXTLINE(readability-non-const-parameter)
ObjectHandle oapiGetObjectByName(char* name) {
  if (name == nullptr) return nullptr;
  Object* object = TheWorld().FindByName(name);
  return object != nullptr ? object->handle : nullptr;
}

// As the host copies a name: strncpy, so that a name of `size` characters
// or more leaves the buffer without a terminator.
void oapiGetObjectName(ObjectHandle handle, char* name, int size) {
  if (name == nullptr || size <= 0) return;
  Object* object = LiveObject(handle, "oapiGetObjectName");
  const std::string& text = object != nullptr ? object->name : std::string();
  std::strncpy(name, text.c_str(), static_cast<std::size_t>(size));
}

void oapiGetFocusRelativePos(ObjectHandle handle, VECTOR3* pos) {
  Object* object = LiveObject(handle, "oapiGetFocusRelativePos");
  NoteRelativeQuery(object != nullptr ? handle : nullptr);
  Object* focus = TheWorld().Find(TheWorld().Focus());
  if (pos == nullptr) return;
  *pos = object != nullptr && focus != nullptr ? focus->pos - object->pos : VECTOR3{};
}

void oapiGetFocusRelativeVel(ObjectHandle handle, VECTOR3* vel) {
  Object* object = LiveObject(handle, "oapiGetFocusRelativeVel");
  Object* focus = TheWorld().Find(TheWorld().Focus());
  if (vel == nullptr) return;
  *vel = object != nullptr && focus != nullptr ? focus->vel - object->vel : VECTOR3{};
}

double oapiGetSize(ObjectHandle handle) {
  Object* object = LiveObject(handle, "oapiGetSize");
  return object != nullptr ? object->size : 0.0;
}

double oapiGetMass(ObjectHandle handle) {
  Object* object = LiveObject(handle, "oapiGetMass");
  return object != nullptr ? object->mass : 0.0;
}

void oapiGetGlobalPos(ObjectHandle handle, VECTOR3* pos) {
  Object* object = LiveObject(handle, "oapiGetGlobalPos");
  if (pos != nullptr) *pos = object != nullptr ? object->pos : VECTOR3{};
}

void oapiGetGlobalVel(ObjectHandle handle, VECTOR3* vel) {
  Object* object = LiveObject(handle, "oapiGetGlobalVel");
  if (vel != nullptr) *vel = object != nullptr ? object->vel : VECTOR3{};
}

DWORD oapiGetGbodyCount() {
  return static_cast<DWORD>(TheWorld().Bodies().size());
}

ObjectHandle oapiGetGbodyByIndex(int index) {
  const auto& bodies = TheWorld().Bodies();
  if (index >= 0 && static_cast<std::size_t>(index) < bodies.size()) return bodies[index];
  Report("oapiGetGbodyByIndex: no celestial body " + std::to_string(index));
  return nullptr;
}

ObjectHandle oapiGetFocusObject() {
  return TheWorld().Focus();
}

VESSEL* oapiGetFocusInterface() {
  return TheWorld().Interface(TheWorld().Focus());
}

VESSEL* oapiGetVesselInterface(ObjectHandle handle) {
  Object* object = LiveObject(handle, "oapiGetVesselInterface");
  if (object == nullptr) return nullptr;
  if (object->kind != ObjectKind::Vessel) {
    Report("oapiGetVesselInterface: " + object->name + " is not a vessel");
    return nullptr;
  }
  return object->iface;
}

bool oapiIsVessel(ObjectHandle handle) {
  // Asking is how a plug-in checks a handle it kept: no report.
  return TheWorld().Interface(handle) != nullptr;
}

ObjectHandle oapiCreateVesselEx(const char* name, const char* className, const void* status) {
  const auto* state = static_cast<const VesselStateRecord*>(status);
  if (name == nullptr || className == nullptr || state == nullptr || state->version != 2) {
    Report("oapiCreateVesselEx: needs a name, a class and a version 2 state record");
    return nullptr;
  }
  const VesselClass* vesselClass = FindVesselClass(className);
  if (vesselClass == nullptr) {
    Report(std::string("oapiCreateVesselEx: unknown vessel class ") + className);
    return nullptr;
  }
  VesselSpec spec;
  spec.name = name;
  spec.className = className;
  spec.size = vesselClass->size;
  spec.mass = vesselClass->mass;
  spec.pos = state->rpos;
  spec.vel = state->rvel;
  // The record's state is relative to its body, or to celestial body 0.
  const ObjectHandle rbody = state->rbody != nullptr || TheWorld().Bodies().empty()
                                 ? state->rbody
                                 : TheWorld().Bodies().front();
  if (rbody != nullptr) {
    Object* body = LiveObject(rbody, "oapiCreateVesselEx");
    if (body == nullptr) return nullptr;
    spec.pos = body->pos + spec.pos;
    spec.vel = body->vel + spec.vel;
  }
  // A vessel outside the world's bounds is refused, as a scenario that puts
  // one there is (and a state that is no number with it).
  if (!(Length(spec.pos) <= worldReach) || !(Length(spec.vel) <= speedOfLight)) {
    Report("oapiCreateVesselEx: " + spec.name +
           " would lie outside the world's bounds (1e18 m from the origin, the speed of light)");
    return nullptr;
  }
  return TheWorld().AddVessel(spec);
}

bool oapiDeleteVessel(ObjectHandle handle, ObjectHandle reconnectFocus) {
  Object* object = LiveObject(handle, "oapiDeleteVessel");
  if (object == nullptr || object->kind != ObjectKind::Vessel) return false;
  const bool wasFocus = TheWorld().Focus() == handle;
  RemoveFromSession(handle);
  if (wasFocus && TheWorld().Interface(reconnectFocus) != nullptr)
    TheWorld().SetFocus(reconnectFocus);
  return true;
}
