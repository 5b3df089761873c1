#include "host/World.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <functional>

namespace host {

namespace {

std::uintptr_t SerialOf(const void* handle) {
  return reinterpret_cast<std::uintptr_t>(handle);
}

}  // namespace

bool SameName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

World& TheWorld() {
  static World world;
  return world;
}

Object& World::Insert(ObjectKind kind, const std::string& name, double mass, double size,
                      const VECTOR3& pos, const VECTOR3& vel) {
  auto object = std::make_unique<Object>();
  object->handle = NewHandle();
  object->kind = kind;
  object->name = name;
  object->mass = mass;
  object->size = size;
  object->pos = pos;
  object->vel = vel;
  (kind == ObjectKind::Body ? bodies : vessels).push_back(object->handle);
  liveIndex[SerialOf(object->handle)] = object.get();
  objects.push_back(std::move(object));
  return *objects.back();
}

ObjectHandle World::AddBody(const BodySpec& spec) {
  Object& body = Insert(ObjectKind::Body, spec.name, spec.mass, spec.radius, spec.pos, spec.vel);
  body.ephemeris = spec.ephemeris;
  PutOnRails(body);
  return body.handle;
}

ObjectHandle World::AddVessel(const VesselSpec& spec) {
  Object& vessel = Insert(ObjectKind::Vessel, spec.name, spec.mass, spec.size, spec.pos, spec.vel);
  vessel.className = spec.className;
  vessel.attitude = spec.attitude;
  interfaces.push_back(std::make_unique<VESSEL>(vessel.handle));
  vessel.iface = interfaces.back().get();
  return vessel.handle;
}

bool World::Remove(ObjectHandle handle) {
  Object* object = Find(handle);
  if (object == nullptr) return false;
  if (object->parent != nullptr) {
    if (AttachmentPoint* point = FindPoint(object->parent, object->parentPoint))
      point->holds = nullptr;
  }
  for (AttachmentPoint& point : object->points) {
    if (Object* child = Find(point.holds)) child->parent = nullptr;
  }
  if (object->kind == ObjectKind::Body) {
    for (ObjectHandle vessel : vessels) {
      Object& resting = *Find(vessel);
      if (resting.restingOn == handle) resting.restingOn = nullptr;  // free where it was
    }
  }
  if (focus == handle) focus = nullptr;
  std::erase(bodies, handle);
  std::erase(vessels, handle);
  liveIndex[SerialOf(handle)] = nullptr;
  std::erase_if(objects, [handle](const auto& o) { return o->handle == handle; });
  return true;
}

void World::Clear() {
  // The next world's objects take the handles of this one's again, as the
  // host's, whose handles are addresses, do.
  liveIndex.assign(1, nullptr);
  objects.clear();
  bodies.clear();
  vessels.clear();
  interfaces.clear();
  focus = nullptr;
  gravity = false;
  epochMjd = j2000Mjd;
  time = 0;
  stepRefusalReported = false;
  tracks.clear();
}

Object* World::Find(ObjectHandle handle) {
  const std::uintptr_t serial = SerialOf(handle);
  return serial < liveIndex.size() ? liveIndex[serial] : nullptr;
}

Object* World::FindByName(const std::string& name) {
  for (const auto& object : objects) {
    if (SameName(object->name, name)) return object.get();
  }
  return nullptr;
}

bool World::IsStale(ObjectHandle handle) const {
  const std::uintptr_t serial = SerialOf(handle);
  return serial != 0 && serial < liveIndex.size() && liveIndex[serial] == nullptr;
}

VESSEL* World::Interface(ObjectHandle handle) {
  Object* object = Find(handle);
  return object != nullptr && object->kind == ObjectKind::Vessel ? object->iface : nullptr;
}

AttachmentPoint* World::FindPoint(ObjectHandle owner, AttachmentHandle point) {
  Object* object = Find(owner);
  if (object == nullptr || point == nullptr) return nullptr;
  for (AttachmentPoint& candidate : object->points) {
    if (candidate.handle == point) return &candidate;
  }
  return nullptr;
}

void* World::NewHandle() {
  liveIndex.push_back(nullptr);
  return reinterpret_cast<void*>(liveIndex.size() - 1);
}

AttachmentHandle World::NewPointHandle() {
  return NewHandle();
}

bool World::Attach(ObjectHandle parentHandle, AttachmentHandle parentPoint,
                   ObjectHandle childHandle, AttachmentHandle childPoint) {
  Object* parent = Find(parentHandle);
  Object* child = Find(childHandle);
  AttachmentPoint* holder = FindPoint(parentHandle, parentPoint);
  AttachmentPoint* own = FindPoint(childHandle, childPoint);
  if (parent == nullptr || child == nullptr || child == parent || holder == nullptr ||
      own == nullptr || holder->childSide || !own->childSide)
    return false;
  if (holder->holds != nullptr && holder->holds != childHandle) return false;
  for (Object* up = parent; up != nullptr; up = Find(up->parent)) {
    if (up == child) return false;  // would close a loop
  }
  if (child->parent != nullptr) {
    if (AttachmentPoint* old = FindPoint(child->parent, child->parentPoint)) old->holds = nullptr;
  }
  holder->holds = childHandle;
  child->restingOn = nullptr;  // an attachment lifts it off a surface
  child->parent = parentHandle;
  child->parentPoint = parentPoint;
  child->ownPoint = childPoint;
  // A loose point keeps the child's attitude as it was when attached.
  child->attitudeOnParent = child->attitude.Then(parent->attitude.Transposed());
  PlaceOnParent(*child);
  return true;
}

bool World::Detach(ObjectHandle parentHandle, AttachmentHandle parentPoint, double speed) {
  Object* parent = Find(parentHandle);
  AttachmentPoint* holder = FindPoint(parentHandle, parentPoint);
  if (parent == nullptr || holder == nullptr || holder->childSide) return false;
  Object* child = Find(holder->holds);
  holder->holds = nullptr;
  if (child == nullptr) return false;
  child->parent = nullptr;
  child->parentPoint = nullptr;
  child->ownPoint = nullptr;
  const double dirLength = Length(holder->dir);
  const VECTOR3 away = dirLength > 0 ? (1 / dirLength) * holder->dir : VECTOR3{};
  child->vel = parent->vel + speed * parent->attitude.Apply(away);
  return true;
}

void World::PlaceOnParent(Object& child) {
  Object* parent = Find(child.parent);
  AttachmentPoint* holder = FindPoint(child.parent, child.parentPoint);
  AttachmentPoint* own = FindPoint(child.handle, child.ownPoint);
  if (parent == nullptr || holder == nullptr || own == nullptr) return;
  child.attitude = child.attitudeOnParent.Then(parent->attitude);
  child.pos = parent->pos + parent->attitude.Apply(holder->pos) - child.attitude.Apply(own->pos);
  child.vel = parent->vel;
}

void World::FollowParents() {
  // Parents are placed before their children, however deep the chain.
  std::function<void(Object&)> place = [&](Object& object) {
    if (Object* parent = Find(object.parent)) {
      place(*parent);
      PlaceOnParent(object);
    }
  };
  for (const auto& object : objects) place(*object);
}

}  // namespace host
