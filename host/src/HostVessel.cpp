// The host's VESSEL interface: every call looks its vessel up afresh, so an
// interface whose vessel was removed refuses and reports instead of crashing.
#include "plugin/HostVessel.h"

#include <string>

#include "ObjectAccess.h"

using namespace host;

VESSEL::VESSEL(ObjectHandle hVessel, int /*fmodel*/) : handle(hVessel) {}
VESSEL::~VESSEL() = default;

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wignored-qualifiers"  // the host's declaration
const ObjectHandle VESSEL::GetHandle() const {         // NOLINT(readability-const-return-type)
  return handle;
}
#pragma GCC diagnostic pop

void VESSEL::GetGlobalPos(VECTOR3& pos) const {
  Object* self = LiveObject(handle, "VESSEL::GetGlobalPos");
  pos = self != nullptr ? self->pos : VECTOR3{};
}

void VESSEL::GlobalRot(const VECTOR3& rloc, VECTOR3& rglob) const {
  Object* self = LiveObject(handle, "VESSEL::GlobalRot");
  rglob = self != nullptr ? self->attitude.Apply(rloc) : VECTOR3{};
}

AttachmentHandle VESSEL::CreateAttachment(bool toparent, const VECTOR3& pos, const VECTOR3& dir,
                                          const VECTOR3& rot, const char* id, bool loose) const {
  Object* self = LiveObject(handle, "VESSEL::CreateAttachment");
  if (self == nullptr) return nullptr;
  AttachmentPoint point{TheWorld().NewPointHandle(), toparent, pos, dir, rot,
                        id != nullptr ? id : "",     loose};
  self->points.push_back(point);
  return point.handle;
}

DWORD VESSEL::AttachmentCount(bool toparent) const {
  Object* self = LiveObject(handle, "VESSEL::AttachmentCount");
  if (self == nullptr) return 0;
  DWORD n = 0;
  for (const AttachmentPoint& point : self->points) n += point.childSide == toparent ? 1 : 0;
  return n;
}

AttachmentHandle VESSEL::GetAttachmentHandle(bool toparent, DWORD i) const {
  Object* self = LiveObject(handle, "VESSEL::GetAttachmentHandle");
  if (self == nullptr) return nullptr;
  DWORD seen = 0;
  for (const AttachmentPoint& point : self->points) {
    if (point.childSide == toparent && seen++ == i) return point.handle;
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
                         AttachmentHandle child_attachment) const {
  if (LiveObject(handle, "VESSEL::AttachChild") == nullptr ||
      LiveObject(child, "VESSEL::AttachChild") == nullptr)
    return false;
  if (!TheWorld().Attach(handle, attachment, child, child_attachment)) {
    Report("VESSEL::AttachChild: attachment refused");
    return false;
  }
  return true;
}

bool VESSEL::DetachChild(AttachmentHandle attachment, double vel) const {
  if (LiveObject(handle, "VESSEL::DetachChild") == nullptr) return false;
  return TheWorld().Detach(handle, attachment, vel);
}
