// The host's interface to one vessel, as handed out by oapiGetVesselInterface
// and oapiGetFocusInterface. The host owns every VESSEL object.
#pragma once

#include <cstdint>

#include "HostTypes.h"

class OAPIFUNC VESSEL {
 public:
  explicit VESSEL(ObjectHandle vessel);
  VESSEL(const VESSEL&) = delete;
  VESSEL& operator=(const VESSEL&) = delete;
  ~VESSEL();

  ObjectHandle GetHandle() const { return handle; }

  void GetGlobalPos(VECTOR3& pos) const;
  // Rotates a vector of the vessel's frame into the global frame.
  void GlobalRot(const VECTOR3& local, VECTOR3& global) const;

  // childSide true: a point by which this vessel hangs on a parent.
  AttachmentHandle CreateAttachment(bool childSide, const VECTOR3& pos, const VECTOR3& dir,
                                    const VECTOR3& rot, const char* id, bool loose = false) const;
  std::uint32_t AttachmentCount(bool childSide) const;
  AttachmentHandle GetAttachmentHandle(bool childSide, std::uint32_t i) const;
  const char* GetAttachmentId(AttachmentHandle attachment) const;

  // Holds `child` at this vessel's parent-side point `attachment` by the
  // child's child-side point `childAttachment`.
  bool AttachChild(ObjectHandle child, AttachmentHandle attachment,
                   AttachmentHandle childAttachment) const;
  // Frees the child held at `attachment`, moving away at `vel` m/s along it.
  bool DetachChild(AttachmentHandle attachment, double vel = 0.0) const;

 private:
  ObjectHandle handle;
};
