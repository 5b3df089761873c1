// Services the host offers to plug-in modules.
#pragma once

#include <cstdint>

#include "HostTypes.h"
#include "HostVessel.h"

// Display modes.
OAPIFUNC int oapiRegisterMFDMode(MFDMODESPEC& spec);
OAPIFUNC bool oapiUnregisterMFDMode(int mode);

// Text input. The host copies the title; `callback` gets `userData` back.
OAPIFUNC bool oapiOpenInputBox(const char* title, InputCallback callback,
                               const char* initialText = nullptr, int visibleLength = 20,
                               void* userData = nullptr);

// Objects: celestial bodies and vessels.
OAPIFUNC ObjectHandle oapiGetObjectByName(const char* name);
OAPIFUNC void oapiGetObjectName(ObjectHandle object, char* name, int size);
// Focus vessel's global position and velocity minus the object's.
OAPIFUNC void oapiGetFocusRelativePos(ObjectHandle object, VECTOR3* pos);
OAPIFUNC void oapiGetFocusRelativeVel(ObjectHandle object, VECTOR3* vel);
OAPIFUNC double oapiGetSize(ObjectHandle object);
OAPIFUNC double oapiGetMass(ObjectHandle object);
OAPIFUNC void oapiGetGlobalPos(ObjectHandle object, VECTOR3* pos);
OAPIFUNC void oapiGetGlobalVel(ObjectHandle object, VECTOR3* vel);
OAPIFUNC std::uint32_t oapiGetGbodyCount();
OAPIFUNC ObjectHandle oapiGetGbodyByIndex(std::uint32_t index);

// Vessels.
OAPIFUNC ObjectHandle oapiGetFocusObject();
OAPIFUNC VESSEL* oapiGetFocusInterface();
OAPIFUNC VESSEL* oapiGetVesselInterface(ObjectHandle vessel);
OAPIFUNC ObjectHandle oapiCreateVesselEx(const char* name, const char* className,
                                         const VesselStateRecord* state);
OAPIFUNC bool oapiDeleteVessel(ObjectHandle vessel, ObjectHandle reconnectFocus = nullptr);
