// Services the host offers to plug-in modules, with the host's own
// signatures: the 32-bit host's names are mangled from them.
#pragma once

#include "plugin/HostTypes.h"
#include "plugin/HostVessel.h"

// Display modes.
OAPIFUNC int oapiRegisterMFDMode(MFDMODESPEC& spec);
OAPIFUNC bool oapiUnregisterMFDMode(int mode);

// Text input. The host copies the title; `Clbk` gets `usrdata` back.
OAPIFUNC void oapiOpenInputBox(char* title, InputCallback Clbk, char* buf = nullptr,
                               int vislen = 20, void* usrdata = nullptr);

// Objects: celestial bodies and vessels.
OAPIFUNC ObjectHandle oapiGetObjectByName(char* name);
OAPIFUNC void oapiGetObjectName(ObjectHandle hObj, char* name, int n);
// Focus vessel's global position and velocity minus the object's.
OAPIFUNC void oapiGetFocusRelativePos(ObjectHandle hObj, VECTOR3* pos);
OAPIFUNC void oapiGetFocusRelativeVel(ObjectHandle hObj, VECTOR3* vel);
OAPIFUNC double oapiGetSize(ObjectHandle hObj);
OAPIFUNC double oapiGetMass(ObjectHandle hObj);
OAPIFUNC void oapiGetGlobalPos(ObjectHandle hObj, VECTOR3* pos);
OAPIFUNC void oapiGetGlobalVel(ObjectHandle hObj, VECTOR3* vel);
OAPIFUNC DWORD oapiGetGbodyCount();
OAPIFUNC ObjectHandle oapiGetGbodyByIndex(int index);

// Vessels.
OAPIFUNC ObjectHandle oapiGetFocusObject();
OAPIFUNC VESSEL* oapiGetFocusInterface();
OAPIFUNC VESSEL* oapiGetVesselInterface(ObjectHandle hVessel);
// Whether the handle names a vessel that exists now.
OAPIFUNC bool oapiIsVessel(ObjectHandle hVessel);
// `status` is a VesselStateRecord.
OAPIFUNC ObjectHandle oapiCreateVesselEx(const char* name, const char* classname,
                                         const void* status);
OAPIFUNC bool oapiDeleteVessel(ObjectHandle hVessel,
                               ObjectHandle hAlternativeCameraTarget = nullptr);
