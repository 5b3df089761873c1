// The host's services as plain C functions, for a stand-in host of another
// C++ ABI (see host/AbiBridge.h).
#include "host/AbiBridge.h"

#include "ModeRegistry.h"
#include "host/Diagnostics.h"
#include "host/ModuleLoader.h"
#include "host/PageRecorder.h"
#include "plugin/HostServices.h"

namespace host {

namespace {

const DisplayDriver* frontDriver = nullptr;

int RegisterThroughFront(MFDMODESPEC* spec) {
  return spec != nullptr ? RegisterMode(*spec, frontDriver) : -1;
}

const HostBridge bridge{
    RegisterThroughFront,
    [](int mode) -> int { return oapiUnregisterMFDMode(mode); },
    oapiOpenInputBox,
    oapiGetObjectByName,
    oapiGetObjectName,
    oapiGetFocusRelativePos,
    oapiGetFocusRelativeVel,
    oapiGetSize,
    oapiGetMass,
    oapiGetGlobalPos,
    oapiGetGlobalVel,
    oapiGetGbodyCount,
    oapiGetGbodyByIndex,
    oapiGetFocusObject,
    oapiGetFocusInterface,
    oapiGetVesselInterface,
    [](ObjectHandle vessel) -> int { return oapiIsVessel(vessel); },
    oapiCreateVesselEx,
    [](ObjectHandle vessel, ObjectHandle target) -> int {
      return oapiDeleteVessel(vessel, target);
    },

    [](const VESSEL* vessel, VECTOR3* pos) { vessel->GetGlobalPos(*pos); },
    [](const VESSEL* vessel, const VECTOR3* rloc, VECTOR3* rglob) {
      vessel->GlobalRot(*rloc, *rglob);
    },
    [](const VESSEL* vessel, int toparent, const VECTOR3* pos, const VECTOR3* dir,
       const VECTOR3* rot, const char* id, int loose) {
      return vessel->CreateAttachment(toparent != 0, *pos, *dir, *rot, id, loose != 0);
    },
    [](const VESSEL* vessel, int toparent) { return vessel->AttachmentCount(toparent != 0); },
    [](const VESSEL* vessel, int toparent, DWORD i) {
      return vessel->GetAttachmentHandle(toparent != 0, i);
    },
    [](const VESSEL* vessel, AttachmentHandle attachment) {
      return vessel->GetAttachmentId(attachment);
    },
    [](const VESSEL* vessel, ObjectHandle child, AttachmentHandle attachment,
       AttachmentHandle childAttachment) -> int {
      return vessel->AttachChild(child, attachment, childAttachment);
    },
    [](const VESSEL* vessel, AttachmentHandle attachment, double vel) -> int {
      return vessel->DetachChild(attachment, vel);
    },

    RecordTitle,
    [](const char* what) { Report(what); },
    [](int which) {
      UseStepCallbacks(which == 0   ? StepCallbacks::PreStep
                       : which == 1 ? StepCallbacks::Timestep
                                    : StepCallbacks::Both);
    },
};

}  // namespace

}  // namespace host

extern "C" OAPIFUNC const HostBridge* JauntHostBridge(const DisplayDriver* driver) {
  host::frontDriver = driver;
  return &host::bridge;
}
