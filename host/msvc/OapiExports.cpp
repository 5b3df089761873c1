// The host's services, exported under the real host's mangled names and
// forwarded to the world.
#include "World.h"
#include "plugin/HostServices.h"

int oapiRegisterMFDMode(MFDMODESPEC& spec) {
  return world->registerMode(&spec);
}
bool oapiUnregisterMFDMode(int mode) {
  return world->unregisterMode(mode) != 0;
}
void oapiOpenInputBox(char* title, InputCallback Clbk, char* buf, int vislen, void* usrdata) {
  world->openInputBox(title, Clbk, buf, vislen, usrdata);
}
ObjectHandle oapiGetObjectByName(char* name) {
  return world->objectByName(name);
}
void oapiGetObjectName(ObjectHandle hObj, char* name, int n) {
  world->objectName(hObj, name, n);
}
void oapiGetFocusRelativePos(ObjectHandle hObj, VECTOR3* pos) {
  world->focusRelativePos(hObj, pos);
}
void oapiGetFocusRelativeVel(ObjectHandle hObj, VECTOR3* vel) {
  world->focusRelativeVel(hObj, vel);
}
double oapiGetSize(ObjectHandle hObj) {
  return world->size(hObj);
}
double oapiGetMass(ObjectHandle hObj) {
  return world->mass(hObj);
}
void oapiGetGlobalPos(ObjectHandle hObj, VECTOR3* pos) {
  world->globalPos(hObj, pos);
}
void oapiGetGlobalVel(ObjectHandle hObj, VECTOR3* vel) {
  world->globalVel(hObj, vel);
}
DWORD oapiGetGbodyCount() {
  return world->gbodyCount();
}
ObjectHandle oapiGetGbodyByIndex(int index) {
  return world->gbodyByIndex(index);
}
ObjectHandle oapiGetFocusObject() {
  return world->focusObject();
}
VESSEL* oapiGetFocusInterface() {
  return world->focusInterface();
}
VESSEL* oapiGetVesselInterface(ObjectHandle hVessel) {
  return world->vesselInterface(hVessel);
}
bool oapiIsVessel(ObjectHandle hVessel) {
  return world->isVessel(hVessel) != 0;
}
ObjectHandle oapiCreateVesselEx(const char* name, const char* classname, const void* status) {
  return world->createVessel(name, classname, status);
}
bool oapiDeleteVessel(ObjectHandle hVessel, ObjectHandle hAlternativeCameraTarget) {
  return world->deleteVessel(hVessel, hAlternativeCameraTarget) != 0;
}
