// VESSEL's members under the real host's mangled names. The interfaces are
// the world's own; this side never looks inside them.
#include "World.h"
#include "plugin/HostVessel.h"

void VESSEL::GetGlobalPos(VECTOR3& pos) const {
  world->vesselGlobalPos(this, &pos);
}
void VESSEL::GlobalRot(const VECTOR3& rloc, VECTOR3& rglob) const {
  world->vesselGlobalRot(this, &rloc, &rglob);
}
AttachmentHandle VESSEL::CreateAttachment(bool toparent, const VECTOR3& pos, const VECTOR3& dir,
                                          const VECTOR3& rot, const char* id, bool loose) const {
  return world->vesselCreateAttachment(this, toparent, &pos, &dir, &rot, id, loose);
}
DWORD VESSEL::AttachmentCount(bool toparent) const {
  return world->vesselAttachmentCount(this, toparent);
}
AttachmentHandle VESSEL::GetAttachmentHandle(bool toparent, DWORD i) const {
  return world->vesselAttachmentHandle(this, toparent, i);
}
const char* VESSEL::GetAttachmentId(AttachmentHandle attachment) const {
  return world->vesselAttachmentId(this, attachment);
}
bool VESSEL::AttachChild(ObjectHandle child, AttachmentHandle attachment,
                         AttachmentHandle child_attachment) const {
  return world->vesselAttachChild(this, child, attachment, child_attachment) != 0;
}
bool VESSEL::DetachChild(AttachmentHandle attachment, double vel) const {
  return world->vesselDetachChild(this, attachment, vel) != 0;
}
