// The host's interface to one vessel, as handed out by oapiGetVesselInterface
// and oapiGetFocusInterface. The host owns every VESSEL object; a module only
// calls its members, whose signatures are the host's.
#pragma once

#include "plugin/HostTypes.h"

class OAPIFUNC VESSEL {
 public:
  explicit VESSEL(ObjectHandle hVessel, int fmodel = 1);
  VESSEL(const VESSEL&) = delete;
  VESSEL& operator=(const VESSEL&) = delete;
  ~VESSEL();

  // The host's own declaration: the const of the result is part of the
  // name the host exports, though a result's const means nothing else.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wignored-qualifiers"
  const ObjectHandle GetHandle() const;  // NOLINT(readability-const-return-type)
#pragma GCC diagnostic pop

  void GetGlobalPos(VECTOR3& pos) const;
  // Rotates a vector of the vessel's frame into the global frame.
  void GlobalRot(const VECTOR3& rloc, VECTOR3& rglob) const;

  // toparent true: a point by which this vessel hangs on a parent.
  AttachmentHandle CreateAttachment(bool toparent, const VECTOR3& pos, const VECTOR3& dir,
                                    const VECTOR3& rot, const char* id, bool loose = false) const;
  DWORD AttachmentCount(bool toparent) const;
  AttachmentHandle GetAttachmentHandle(bool toparent, DWORD i) const;
  const char* GetAttachmentId(AttachmentHandle attachment) const;

  // Holds `child` at this vessel's parent-side point `attachment` by the
  // child's child-side point `child_attachment`.
  bool AttachChild(ObjectHandle child, AttachmentHandle attachment,
                   AttachmentHandle child_attachment) const;
  // Frees the child held at `attachment`, moving away at `vel` m/s along it.
  bool DetachChild(AttachmentHandle attachment, double vel = 0.0) const;

 private:
  ObjectHandle handle;
};
