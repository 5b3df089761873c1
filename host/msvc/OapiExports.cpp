// The host's services, exported under the real host's mangled names and
// forwarded to the world. Records a module hands in are read here, with the
// host's own declarations of them.
#include "WorldBridge.h"

namespace {

// A vector of an object that a service of the world writes.
VECTOR3 VectorOf(void (*service)(void*, BridgeVector*), OBJHANDLE object) {
  BridgeVector v{};
  service(object, &v);
  return FromBridge(v);
}

}  // namespace

int oapiRegisterMFDMode(MFDMODESPEC& spec) {
  return world->registerMode(spec.name, spec.key, reinterpret_cast<BridgeModeProc>(spec.msgproc));
}
bool oapiUnregisterMFDMode(int mode) {
  return world->unregisterMode(mode) != 0;
}
void oapiOpenInputBox(char* title, bool (*Clbk)(void*, char*, void*), char* buf, int vislen,
                      void* usrdata) {
  world->openInputBox(title, Clbk, buf, vislen, usrdata);
}
OBJHANDLE oapiGetObjectByName(char* name) {
  return world->objectByName(name);
}
void oapiGetObjectName(OBJHANDLE hObj, char* name, int n) {
  world->objectName(hObj, name, n);
}
void oapiGetFocusRelativePos(OBJHANDLE hObj, VECTOR3* pos) {
  *pos = VectorOf(world->focusRelativePos, hObj);
}
void oapiGetFocusRelativeVel(OBJHANDLE hObj, VECTOR3* vel) {
  *vel = VectorOf(world->focusRelativeVel, hObj);
}
double oapiGetSize(OBJHANDLE hObj) {
  return world->size(hObj);
}
double oapiGetMass(OBJHANDLE hObj) {
  return world->mass(hObj);
}
void oapiGetGlobalPos(OBJHANDLE hObj, VECTOR3* pos) {
  *pos = VectorOf(world->globalPos, hObj);
}
void oapiGetGlobalVel(OBJHANDLE hObj, VECTOR3* vel) {
  *vel = VectorOf(world->globalVel, hObj);
}
DWORD oapiGetGbodyCount() {
  return world->gbodyCount();
}
OBJHANDLE oapiGetGbodyByIndex(int index) {
  return world->gbodyByIndex(index);
}
OBJHANDLE oapiGetFocusObject() {
  return world->focusObject();
}
VESSEL* oapiGetFocusInterface() {
  return static_cast<VESSEL*>(world->focusInterface());
}
VESSEL* oapiGetVesselInterface(OBJHANDLE hVessel) {
  return static_cast<VESSEL*>(world->vesselInterface(hVessel));
}
bool oapiIsVessel(OBJHANDLE hVessel) {
  return world->isVessel(hVessel) != 0;
}
// `status` is a VESSELSTATUS2 when its version says so; the world takes
// its body, position and velocity.
OBJHANDLE oapiCreateVesselEx(const char* name, const char* classname, const void* status) {
  if (status == nullptr) return world->createVessel(name, classname, nullptr);
  const auto& record = *static_cast<const VESSELSTATUS2*>(status);
  const BridgeVesselState state{record.version, record.rbody, ToBridge(record.rpos),
                                ToBridge(record.rvel)};
  return world->createVessel(name, classname, &state);
}
bool oapiDeleteVessel(OBJHANDLE hVessel, OBJHANDLE hAlternativeCameraTarget) {
  return world->deleteVessel(hVessel, hAlternativeCameraTarget) != 0;
}
