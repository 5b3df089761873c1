// The host's VESSEL interface: every call looks its vessel up afresh, so an
// interface whose vessel was removed refuses and reports instead of crashing.
#include <string>

#include "HostVessel.h"
#include "ObjectAccess.h"

using namespace host;

VESSEL::VESSEL(ObjectHandle vessel) : handle(vessel) {}
VESSEL::~VESSEL() = default;

void VESSEL::GetGlobalPos(VECTOR3& pos) const {
  Object* self = LiveObject(handle, "VESSEL::GetGlobalPos");
  pos = self != nullptr ? self->pos : VECTOR3{};
}

void VESSEL::GlobalRot(const VECTOR3& local, VECTOR3& global) const {
  Object* self = LiveObject(handle, "VESSEL::GlobalRot");
  global = self != nullptr ? self->attitude.Apply(local) : VECTOR3{};
}

AttachmentHandle VESSEL::CreateAttachment(bool childSide, const VECTOR3& pos, const VECTOR3& dir,
                                          const VECTOR3& rot, const char* id, bool loose) const {
  Object* self = LiveObject(handle, "VESSEL::CreateAttachment");
  if (self == nullptr) return nullptr;
  AttachmentPoint point{TheWorld().NewPointHandle(), childSide, pos, dir, rot,
                        id != nullptr ? id : "",     loose};
  self->points.push_back(point);
  return point.handle;
}

std::uint32_t VESSEL::AttachmentCount(bool childSide) const {
  Object* self = LiveObject(handle, "VESSEL::AttachmentCount");
  if (self == nullptr) return 0;
  std::uint32_t n = 0;
  for (const AttachmentPoint& point : self->points) n += point.childSide == childSide ? 1 : 0;
  return n;
}

AttachmentHandle VESSEL::GetAttachmentHandle(bool childSide, std::uint32_t i) const {
  Object* self = LiveObject(handle, "VESSEL::GetAttachmentHandle");
  if (self == nullptr) return nullptr;
  for (const AttachmentPoint& point : self->points) {
    if (point.childSide == childSide && i-- == 0) return point.handle;
  }
  Report("VESSEL::GetAttachmentHandle: no attachment point " + std::to_string(i) + " on " +
         self->name);
  return nullptr;
}

const char* VESSEL::GetAttachmentId(AttachmentHandle attachment) const {
  if (LiveObject(handle, "VESSEL::GetAttachmentId") == nullptr) return nullptr;
  AttachmentPoint* point = TheWorld().FindPoint(handle, attachment);
  if (point == nullptr) {
    Report("VESSEL::GetAttachmentId: not an attachment point of this vessel");
    return nullptr;
  }
  return point->id.c_str();
}

bool VESSEL::AttachChild(ObjectHandle child, AttachmentHandle attachment,
                         AttachmentHandle childAttachment) const {
  if (LiveObject(handle, "VESSEL::AttachChild") == nullptr ||
      LiveObject(child, "VESSEL::AttachChild") == nullptr)
    return false;
  if (!TheWorld().Attach(handle, attachment, child, childAttachment)) {
    Report("VESSEL::AttachChild: attachment refused");
    return false;
  }
  return true;
}

bool VESSEL::DetachChild(AttachmentHandle attachment, double vel) const {
  if (LiveObject(handle, "VESSEL::DetachChild") == nullptr) return false;
  return TheWorld().Detach(handle, attachment, vel);
}
