// The host seen through plain C: for a stand-in host built with another C++
// ABI (the real host's Microsoft one), which exports the plug-in interface
// under that ABI's names and forwards every call here, and which drives the
// module's display objects itself. Only C types cross: handles, VECTOR3s and
// other plain records, and C function pointers.
#pragma once

#include "plugin/HostTypes.h"
#include "plugin/HostVessel.h"

// What the front does with the display objects of its modules, which only
// its own ABI can call. `display` is the object a mode's message procedure
// returned.
struct DisplayDriver {
  // Asks the mode for a display as the host does (OAPI_MSG_MFD_OPENEDEX,
  // then OAPI_MSG_MFD_OPENED) and checks it; null when it opened none.
  void* (*open)(MfdMessageProc proc, DWORD width, DWORD height, VESSEL* vessel);
  void (*destroy)(void* display);
  void (*update)(void* display, HDC hdc);
  int (*consumeKeyBuffered)(void* display, DWORD key);
  int (*consumeButton)(void* display, int bt, int event);
  char* (*buttonLabel)(void* display, int bt);
  int (*buttonMenu)(void* display, const MFDBUTTONMENU** menu);
};

// The host's services, one function each; booleans are ints.
struct HostBridge {
  int (*registerMode)(MFDMODESPEC* spec);
  int (*unregisterMode)(int mode);
  void (*openInputBox)(char* title, InputCallback callback, char* buf, int vislen, void* usrdata);
  ObjectHandle (*objectByName)(char* name);
  void (*objectName)(ObjectHandle object, char* name, int n);
  void (*focusRelativePos)(ObjectHandle object, VECTOR3* pos);
  void (*focusRelativeVel)(ObjectHandle object, VECTOR3* vel);
  double (*size)(ObjectHandle object);
  double (*mass)(ObjectHandle object);
  void (*globalPos)(ObjectHandle object, VECTOR3* pos);
  void (*globalVel)(ObjectHandle object, VECTOR3* vel);
  DWORD (*gbodyCount)();
  ObjectHandle (*gbodyByIndex)(int index);
  ObjectHandle (*focusObject)();
  VESSEL* (*focusInterface)();
  VESSEL* (*vesselInterface)(ObjectHandle vessel);
  int (*isVessel)(ObjectHandle vessel);
  ObjectHandle (*createVessel)(const char* name, const char* classname, const void* status);
  int (*deleteVessel)(ObjectHandle vessel, ObjectHandle cameraTarget);

  // VESSEL's members, on the interface the host handed out.
  void (*vesselGlobalPos)(const VESSEL* vessel, VECTOR3* pos);
  void (*vesselGlobalRot)(const VESSEL* vessel, const VECTOR3* rloc, VECTOR3* rglob);
  AttachmentHandle (*vesselCreateAttachment)(const VESSEL* vessel, int toparent, const VECTOR3* pos,
                                             const VECTOR3* dir, const VECTOR3* rot, const char* id,
                                             int loose);
  DWORD (*vesselAttachmentCount)(const VESSEL* vessel, int toparent);
  AttachmentHandle (*vesselAttachmentHandle)(const VESSEL* vessel, int toparent, DWORD i);
  const char* (*vesselAttachmentId)(const VESSEL* vessel, AttachmentHandle attachment);
  int (*vesselAttachChild)(const VESSEL* vessel, ObjectHandle child, AttachmentHandle attachment,
                           AttachmentHandle childAttachment);
  int (*vesselDetachChild)(const VESSEL* vessel, AttachmentHandle attachment, double vel);

  // MFD::Title on a device context the host handed out.
  void (*title)(HDC hdc, const char* title);
  // What the front noticed a module doing wrong, among the host's reports.
  void (*report)(const char* what);

  // Which per-step callbacks the host calls: 0 opcPreStep by name (the
  // current host), 1 opcTimestep from the callback table (the older host),
  // 2 both in every frame.
  void (*useStepCallbacks)(int which);
};

// Exported by the host library under this plain name: hands the host the
// front's display driver, which then drives every mode registered through
// the returned services, and returns them.
extern "C" typedef const HostBridge* (*JauntHostBridgeFn)(const DisplayDriver* driver);
