// The host's services as plain C functions, for a stand-in host of another
// C++ ABI (see host/AbiBridge.h). What arrives is made into this host's own
// records here; what leaves is taken apart into plain values.
#include "host/AbiBridge.h"

#include "ModeRegistry.h"
#include "host/Diagnostics.h"
#include "host/ModuleLoader.h"
#include "host/PageRecorder.h"
#include "plugin/HostServices.h"

namespace host {

namespace {

const DisplayDriver* frontDriver = nullptr;

VECTOR3 In(const BridgeVector& v) {
  return MakeVector(v.x, v.y, v.z);
}
void Out(const VECTOR3& v, BridgeVector* out) {
  *out = {v.x, v.y, v.z};
}
const VESSEL& Vessel(const void* vessel) {
  return *static_cast<const VESSEL*>(vessel);
}

int RegisterThroughFront(const char* name, uint32_t key, BridgeModeProc proc) {
  // The front alone calls the procedure; it is kept here as the host keeps
  // any mode's.
  MFDMODESPEC spec{const_cast<char*>(name), key, reinterpret_cast<MfdMessageProc>(proc)};
  return RegisterMode(spec, frontDriver);
}

void* CreateVessel(const char* name, const char* classname, const BridgeVesselState* state) {
  if (state == nullptr) return oapiCreateVesselEx(name, classname, nullptr);
  VesselStateRecord record{};
  record.version = state->version;
  record.rbody = state->rbody;
  record.rpos = In(state->rpos);
  record.rvel = In(state->rvel);
  return oapiCreateVesselEx(name, classname, &record);
}

const HostBridge bridge{
    .registerMode = RegisterThroughFront,
    .unregisterMode = [](int mode) -> int { return oapiUnregisterMFDMode(mode); },
    .openInputBox = [](char* title, BridgeInputCallback callback, char* buf, int vislen,
                       void* usrdata) { oapiOpenInputBox(title, callback, buf, vislen, usrdata); },
    .objectByName = oapiGetObjectByName,
    .objectName = oapiGetObjectName,
    .focusRelativePos =
        [](void* object, BridgeVector* pos) {
          VECTOR3 v{};
          oapiGetFocusRelativePos(object, &v);
          Out(v, pos);
        },
    .focusRelativeVel =
        [](void* object, BridgeVector* vel) {
          VECTOR3 v{};
          oapiGetFocusRelativeVel(object, &v);
          Out(v, vel);
        },
    .size = oapiGetSize,
    .mass = oapiGetMass,
    .globalPos =
        [](void* object, BridgeVector* pos) {
          VECTOR3 v{};
          oapiGetGlobalPos(object, &v);
          Out(v, pos);
        },
    .globalVel =
        [](void* object, BridgeVector* vel) {
          VECTOR3 v{};
          oapiGetGlobalVel(object, &v);
          Out(v, vel);
        },
    .gbodyCount = []() -> uint32_t { return oapiGetGbodyCount(); },
    .gbodyByIndex = oapiGetGbodyByIndex,
    .focusObject = oapiGetFocusObject,
    .focusInterface = []() -> void* { return oapiGetFocusInterface(); },
    .vesselInterface = [](void* vessel) -> void* { return oapiGetVesselInterface(vessel); },
    .isVessel = [](void* vessel) -> int { return oapiIsVessel(vessel); },
    .createVessel = CreateVessel,
    .deleteVessel = [](void* vessel, void* target) -> int {
      return oapiDeleteVessel(vessel, target);
    },

    .vesselHandle = [](const void* vessel) -> void* { return Vessel(vessel).GetHandle(); },
    .vesselGlobalPos =
        [](const void* vessel, BridgeVector* pos) {
          VECTOR3 v{};
          Vessel(vessel).GetGlobalPos(v);
          Out(v, pos);
        },
    .vesselGlobalRot =
        [](const void* vessel, const BridgeVector* rloc, BridgeVector* rglob) {
          VECTOR3 v{};
          Vessel(vessel).GlobalRot(In(*rloc), v);
          Out(v, rglob);
        },
    .vesselCreateAttachment =
        [](const void* vessel, int toparent, const BridgeVector* pos, const BridgeVector* dir,
           const BridgeVector* rot, const char* id, int loose) {
          return Vessel(vessel).CreateAttachment(toparent != 0, In(*pos), In(*dir), In(*rot), id,
                                                 loose != 0);
        },
    .vesselAttachmentCount = [](const void* vessel, int toparent) -> uint32_t {
      return Vessel(vessel).AttachmentCount(toparent != 0);
    },
    .vesselAttachmentHandle =
        [](const void* vessel, int toparent, uint32_t i) {
          return Vessel(vessel).GetAttachmentHandle(toparent != 0, i);
        },
    .vesselAttachmentId =
        [](const void* vessel, void* attachment) {
          return Vessel(vessel).GetAttachmentId(attachment);
        },
    .vesselAttachChild = [](const void* vessel, void* child, void* attachment,
                            void* childAttachment) -> int {
      return Vessel(vessel).AttachChild(child, attachment, childAttachment);
    },
    .vesselDetachChild = [](const void* vessel, void* attachment, double vel) -> int {
      return Vessel(vessel).DetachChild(attachment, vel);
    },

    .title = [](void* hdc, const char* title) { RecordTitle(static_cast<HDC>(hdc), title); },
    .report = [](const char* what) { Report(what); },
    .useStepCallbacks =
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
