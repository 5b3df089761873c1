// VESSEL's members under the real host's mangled names. The interfaces are
// the world's own; this side never looks inside them.
#include "WorldBridge.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wignored-qualifiers"  // the host's declaration
const OBJHANDLE VESSEL::GetHandle() const {            // NOLINT(readability-const-return-type)
  return world->vesselHandle(this);
}
#pragma GCC diagnostic pop
void VESSEL::GetGlobalPos(VECTOR3& pos) const {
  BridgeVector v{};
  world->vesselGlobalPos(this, &v);
  pos = FromBridge(v);
}
void VESSEL::GlobalRot(const VECTOR3& rloc, VECTOR3& rglob) const {
  const BridgeVector local = ToBridge(rloc);
  BridgeVector global{};
  world->vesselGlobalRot(this, &local, &global);
  rglob = FromBridge(global);
}
ATTACHMENTHANDLE VESSEL::CreateAttachment(bool toparent, const VECTOR3& pos, const VECTOR3& dir,
                                          const VECTOR3& rot, const char* id, bool loose) const {
  const BridgeVector p = ToBridge(pos), d = ToBridge(dir), r = ToBridge(rot);
  return world->vesselCreateAttachment(this, toparent, &p, &d, &r, id, loose);
}
DWORD VESSEL::AttachmentCount(bool toparent) const {
  return world->vesselAttachmentCount(this, toparent);
}
ATTACHMENTHANDLE VESSEL::GetAttachmentHandle(bool toparent, DWORD i) const {
  return world->vesselAttachmentHandle(this, toparent, i);
}
const char* VESSEL::GetAttachmentId(ATTACHMENTHANDLE attachment) const {
  return world->vesselAttachmentId(this, attachment);
}
bool VESSEL::AttachChild(OBJHANDLE child, ATTACHMENTHANDLE attachment,
                         ATTACHMENTHANDLE child_attachment) const {
  return world->vesselAttachChild(this, child, attachment, child_attachment) != 0;
}
bool VESSEL::DetachChild(ATTACHMENTHANDLE attachment, double vel) const {
  return world->vesselDetachChild(this, attachment, vel) != 0;
}
