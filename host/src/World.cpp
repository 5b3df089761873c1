#include "host/World.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>

namespace host {

namespace {

// A handle is [generation | slot]: the low bits name the slot. Half the
// bits on 64-bit systems; on 32-bit ones a million slots, each used 4,096
// times before it is retired.
constexpr int slotBits = sizeof(void*) >= 8 ? 32 : 20;
constexpr std::uintptr_t slotMask = (std::uintptr_t{1} << slotBits) - 1;
constexpr std::uintptr_t lastGeneration = UINTPTR_MAX >> slotBits;

// Interfaces of removed vessels kept before the oldest is used again.
constexpr std::size_t retiredInterfacesKept = 64;

std::size_t SlotOf(const void* handle) {
  return reinterpret_cast<std::uintptr_t>(handle) & slotMask;
}
std::uintptr_t GenerationOf(const void* handle) {
  return reinterpret_cast<std::uintptr_t>(handle) >> slotBits;
}

}  // namespace

bool SameName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

std::string FoldedName(std::string name) {
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return name;
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
  slots[SlotOf(object->handle)].object = object.get();
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
  // Room for every interface that may wait, made here, where a vessel is
  // made anyway: removing one (a carrier, in a time step) allocates nothing.
  retiredInterfaces.reserve(retiredInterfacesKept + 1);
  if (retiredInterfaces.size() > retiredInterfacesKept) {
    // The same object, made anew for this vessel.
    std::unique_ptr<VESSEL> reused = std::move(retiredInterfaces.front());
    retiredInterfaces.erase(retiredInterfaces.begin());
    std::destroy_at(reused.get());
    std::construct_at(reused.get(), vessel.handle);
    interfaces.push_back(std::move(reused));
  } else {
    interfaces.push_back(std::make_unique<VESSEL>(vessel.handle));
  }
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
  if (object->iface != nullptr) {
    const auto owned = std::find_if(interfaces.begin(), interfaces.end(),
                                    [object](const auto& i) { return i.get() == object->iface; });
    retiredInterfaces.push_back(std::move(*owned));
    *owned = std::move(interfaces.back());
    interfaces.pop_back();
  }
  for (const AttachmentPoint& point : object->points) FreeHandle(point.handle);
  FreeHandle(handle);
  std::erase_if(objects, [handle](const auto& o) { return o->handle == handle; });
  return true;
}

// Everything the world holds is released here, and with it every handle.
void World::Clear() {
  // The next world's objects take the handles of this one's again, as the
  // host's, whose handles are addresses, do: the slots start afresh.
  slots.assign(1, Slot{});
  freeSlots.clear();
  objects.clear();
  bodies.clear();
  vessels.clear();
  interfaces.clear();
  retiredInterfaces.clear();
  focus = nullptr;
  gravity = false;
  epochMjd = j2000Mjd;
  time = 0;
  stepRefusalReported = false;
  tracks.clear();
}

Object* World::Find(ObjectHandle handle) {
  const std::size_t slot = SlotOf(handle);
  if (slot >= slots.size() || slots[slot].generation != GenerationOf(handle)) return nullptr;
  return slots[slot].object;
}

Object* World::FindByName(const std::string& name) {
  for (const auto& object : objects) {
    if (SameName(object->name, name)) return object.get();
  }
  return nullptr;
}

bool World::IsStale(ObjectHandle handle) const {
  const std::size_t slot = SlotOf(handle);
  return slot != 0 && slot < slots.size() && GenerationOf(handle) < slots[slot].generation;
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
  std::size_t slot;
  if (!freeSlots.empty()) {
    slot = freeSlots.back();
    freeSlots.pop_back();
  } else {
    if (slots.size() > slotMask) throw std::length_error("the world has no handles left");
    slot = slots.size();
    slots.emplace_back();
    freeSlots.reserve(slots.capacity());  // so that freeing a handle allocates nothing
  }
  return reinterpret_cast<void*>(slots[slot].generation << slotBits | slot);
}

void World::FreeHandle(const void* handle) {
  Slot& slot = slots[SlotOf(handle)];
  slot.object = nullptr;
  if (slot.generation == lastGeneration) return;  // retired: its handles are all spent
  ++slot.generation;
  freeSlots.push_back(SlotOf(handle));
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
