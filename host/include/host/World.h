// The stand-in host's in-memory world: celestial bodies and vessels, the
// focus vessel, and the attachments that hold vessels together.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "HostVessel.h"
#include "Vector.h"

namespace host {

enum class ObjectKind { Body, Vessel };

// A body on rails: its global position and velocity at a date (MJD).
using Ephemeris = std::function<void(double mjd, VECTOR3& pos, VECTOR3& vel)>;

struct AttachmentPoint {
  AttachmentHandle handle;
  bool childSide;
  VECTOR3 pos, dir, rot;
  std::string id;
  bool loose;
  ObjectHandle holds = nullptr;  // parent side: the child held here
};

struct Object {
  ObjectHandle handle = nullptr;
  ObjectKind kind = ObjectKind::Vessel;
  std::string name;
  std::string className;  // vessels only
  double mass = 0;
  double size = 0;  // a body's radius, a vessel's mean radius
  VECTOR3 pos{}, vel{};
  Rotation attitude;                   // vessels: local frame to global frame
  Ephemeris ephemeris;                 // bodies: empty for uniform motion
  std::deque<AttachmentPoint> points;  // deque: ids handed out stay put
  // While attached: the parent, its point holding us and our own point.
  ObjectHandle parent = nullptr;
  AttachmentHandle parentPoint = nullptr;
  AttachmentHandle ownPoint = nullptr;
  Rotation attitudeOnParent;  // our attitude in the parent's frame
  VESSEL* iface = nullptr;
};

struct BodySpec {
  std::string name;
  double mass = 0;
  double radius = 0;
  VECTOR3 pos{}, vel{};
  Ephemeris ephemeris;
};

struct VesselSpec {
  std::string name;
  std::string className = "generic";
  double size = 10;
  double mass = 1000;
  VECTOR3 pos{}, vel{};
  Rotation attitude;
};

class World {
 public:
  World() = default;
  World(const World&) = delete;
  World& operator=(const World&) = delete;

  ObjectHandle AddBody(const BodySpec& spec);
  ObjectHandle AddVessel(const VesselSpec& spec);
  // Removes a body or vessel; its handle is never valid again. A removed
  // vessel lets go of its children and of its parent.
  bool Remove(ObjectHandle handle);
  void Clear();

  Object* Find(ObjectHandle handle);            // live objects only; null otherwise
  Object* FindByName(const std::string& name);  // case-insensitive, first match
  bool IsStale(ObjectHandle handle) const;      // handed out once, removed since

  const std::vector<ObjectHandle>& Bodies() const { return bodies; }
  const std::vector<ObjectHandle>& Vessels() const { return vessels; }

  ObjectHandle Focus() const { return focus; }
  void SetFocus(ObjectHandle vessel) { focus = vessel; }

  VESSEL* Interface(ObjectHandle handle);

  // Attachment points, by handle, wherever they live.
  AttachmentPoint* FindPoint(ObjectHandle owner, AttachmentHandle point);
  AttachmentHandle NewPointHandle();

  bool Attach(ObjectHandle parent, AttachmentHandle parentPoint, ObjectHandle child,
              AttachmentHandle childPoint);
  bool Detach(ObjectHandle parent, AttachmentHandle parentPoint, double speed);

  // Moves the world on by dt seconds, ending at date mjd: bodies along their
  // ephemeris or uniformly, free vessels under the bodies' gravity when it is
  // on (else uniformly), attached vessels with their parents.
  void Advance(double dt, double mjd);
  bool gravity = false;

 private:
  Object& Insert(ObjectKind kind, const std::string& name, double mass, double size,
                 const VECTOR3& pos, const VECTOR3& vel);
  void PlaceOnParent(Object& child);
  void FollowParents();
  VECTOR3 GravityAt(const VECTOR3& pos) const;

  std::vector<std::unique_ptr<Object>> objects;
  std::vector<ObjectHandle> bodies, vessels;
  std::vector<std::unique_ptr<VESSEL>> interfaces;  // kept until Clear: never dangle
  ObjectHandle focus = nullptr;
};

World& TheWorld();

}  // namespace host
