// The stand-in host's in-memory world: celestial bodies and vessels, the
// focus vessel, and the attachments that hold vessels together.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "BodyPath.h"
#include "BodyTrack.h"
#include "FlightMemory.h"
#include "Vector.h"
#include "plugin/HostVessel.h"

namespace host {

// The gravitational constant of the world's own gravity, m³ kg⁻¹ s⁻²
// (CODATA 2018). The module's safety estimate has its own, estimateG.
inline constexpr double worldG = 6.67430e-11;

// The world's bounds: no object is put farther from the origin, nor set
// moving faster. Within them none of the world's sums, products and time
// steps can leave the finite numbers.
inline constexpr double worldReach = 1e18;           // m, about 100 light-years
inline constexpr double speedOfLight = 299792458.0;  // m/s

enum class ObjectKind { Body, Vessel };

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
  PathPiece path;                      // bodies on rails: the piece of their path last used
  std::deque<AttachmentPoint> points;  // deque: ids handed out stay put
  // While attached: the parent, its point holding us and our own point.
  ObjectHandle parent = nullptr;
  AttachmentHandle parentPoint = nullptr;
  AttachmentHandle ownPoint = nullptr;
  Rotation attitudeOnParent;  // our attitude in the parent's frame
  // A vessel that reached a body's surface rests there, at a fixed place
  // against the body's centre, until an attachment moves it.
  ObjectHandle restingOn = nullptr;
  VECTOR3 restingAt{};
  bool crashed = false;  // else landed
  FlightMemory flight;   // free vessels: what their flight carries from step to step
  bool refusalReported = false, roughnessReported = false;  // each once until it clears
  VESSEL* iface = nullptr;
};

struct BodySpec {
  std::string name;
  double mass = 0;
  double radius = 0;
  VECTOR3 pos{}, vel{};  // a body on rails is put where they have it at the world's date
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
  // Removes a body or vessel and releases what it held; its handle is never
  // valid again in this world. A removed vessel lets go of its children and
  // of its parent.
  bool Remove(ObjectHandle handle);
  // Removes everything; the next objects take the first handles again.
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

  // The world's clock: seconds since its epoch, the date (MJD) of time 0.
  // Setting the epoch restarts the clock.
  void SetEpoch(double mjd);
  double Time() const { return time; }
  double Date() const;

  // Moves the world on by dt seconds: bodies along their ephemeris or
  // uniformly; free vessels under the bodies' gravity when it is on, else
  // uniformly; resting vessels with their body, attached ones with their
  // parent. False, with the world as it was and a report, when the date
  // would leave the range of a body's ephemeris or a body would leave every
  // finite place. A vessel whose own state would not stay finite stays as it
  // was, reported. Reports of either kind come once until the step goes.
  bool Advance(double dt);

  // The world's one setting. On: bodies pull free vessels and stop them at
  // their surfaces.
  bool gravity = false;

 private:
  void* NewHandle();
  Object& Insert(ObjectKind kind, const std::string& name, double mass, double size,
                 const VECTOR3& pos, const VECTOR3& vel);
  void PlaceOnParent(Object& child);
  void FollowParents();
  // The step's parts (WorldStep.cpp).
  bool StepAllowed(double t0, double t1);
  void TrackBodies(double t0, double t1);
  double DateAt(double t) const;  // the date at world time t
  PathPiece PieceOnRails(const Object& body, double t) const;
  void PutOnRails(Object& body);  // where its ephemeris has it at the world's date
  void FlyFreeVessel(Object& vessel, double t0, double t1);

  // Handles. A handle names a slot of `slots` and the slot's generation at
  // the time it was handed out. A slot freed by a removal is taken again by
  // a later object, a generation on, so the index stays as large as the most
  // objects (and attachment points) alive at once, yet no handle is handed
  // out twice in one world: a removed object's handle is always told from a
  // live one until Clear. A slot whose generations run out is never taken
  // again. A plain array keeps the lookup that every host service makes to
  // one indexed load.
  struct Slot {
    Object* object = nullptr;  // null for attachment points, which live in their vessels
    std::uintptr_t generation = 0;
  };
  void FreeHandle(const void* handle);
  std::vector<Slot> slots{Slot{}};  // slot 0 stays empty: a null handle names nothing
  std::vector<std::size_t> freeSlots;
  std::vector<std::unique_ptr<Object>> objects;
  std::vector<ObjectHandle> bodies, vessels;
  // Interfaces are never deleted while the world lasts, so that a plug-in
  // that kept one of a removed vessel is refused rather than crashed. Those
  // of removed vessels wait here, and the oldest serves a new vessel once
  // more than a few are waiting: what they hold stays bounded.
  std::vector<std::unique_ptr<VESSEL>> interfaces;
  std::vector<std::unique_ptr<VESSEL>> retiredInterfaces;  // the oldest first
  ObjectHandle focus = nullptr;
  double epochMjd = j2000Mjd;
  double time = 0;
  bool stepRefusalReported = false;
  std::vector<BodyTrack> tracks;  // the bodies' paths over the step being made, in body order
};

World& TheWorld();

// Whether two names are the same object's: the host tells names apart
// regardless of case.
bool SameName(const std::string& a, const std::string& b);
// The one form of all the names that are the same as `name`.
std::string FoldedName(std::string name);

}  // namespace host
