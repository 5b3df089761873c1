// The host seen through plain C: for a stand-in host built with another C++
// ABI (the real host's Microsoft one), which exports the plug-in interface
// under that ABI's names and forwards every call here, and which drives the
// module's display objects itself. Only C types cross: handles and objects
// as void pointers, vectors as three doubles, other plain records, and C
// function pointers. Neither side's declarations of the plug-in interface
// cross: the front reads the module's records with its own, and this host
// makes its own of what arrives.
#pragma once

#include <stdint.h>

struct BridgeVector {
  double x, y, z;
};

// A row of a display's button menu, as the front read it.
struct BridgeMenuRow {
  const char* line1;
  const char* line2;  // null when the row has one line
  char key;
};

// What of a new vessel's state record the host uses, as the front read it.
struct BridgeVesselState {
  uint32_t version;
  void* rbody;  // null: celestial body 0
  BridgeVector rpos, rvel;
};

// A mode's message procedure, held for the front, which alone calls it.
typedef void (*BridgeModeProc)();
// An input box's callback, (identifier, text, user data): a plain C call.
typedef bool (*BridgeInputCallback)(void* id, char* text, void* usrdata);

// What the front does with the display objects of its modules, which only
// its own ABI can call. `display` is the object a mode's message procedure
// returned; `vessel` a vessel interface this host handed out.
struct DisplayDriver {
  // Asks the mode for a display as the host does (OAPI_MSG_MFD_OPENEDEX,
  // then OAPI_MSG_MFD_OPENED) and checks it; null when it opened none.
  void* (*open)(BridgeModeProc proc, uint32_t width, uint32_t height, void* vessel);
  void (*destroy)(void* display);
  void (*update)(void* display, void* hdc);
  int (*consumeKeyBuffered)(void* display, uint32_t key);
  int (*consumeButton)(void* display, int bt, int event);
  const char* (*buttonLabel)(void* display, int bt);
  // The display's button menu, read as the host reads it, into `rows` (at
  // most `capacity`); returns the number of rows the display has.
  int (*buttonMenu)(void* display, BridgeMenuRow* rows, int capacity);
};

// The host's services, one function each; booleans are ints. The fields
// are named after the services they stand for; set them by name.
struct HostBridge {
  int (*registerMode)(const char* name, uint32_t key, BridgeModeProc proc);
  int (*unregisterMode)(int mode);
  void (*openInputBox)(char* title, BridgeInputCallback callback, char* buf, int vislen,
                       void* usrdata);
  void* (*objectByName)(char* name);
  void (*objectName)(void* object, char* name, int n);
  void (*focusRelativePos)(void* object, BridgeVector* pos);
  void (*focusRelativeVel)(void* object, BridgeVector* vel);
  double (*size)(void* object);
  double (*mass)(void* object);
  void (*globalPos)(void* object, BridgeVector* pos);
  void (*globalVel)(void* object, BridgeVector* vel);
  uint32_t (*gbodyCount)();
  void* (*gbodyByIndex)(int index);
  void* (*focusObject)();
  void* (*focusInterface)();
  void* (*vesselInterface)(void* vessel);
  int (*isVessel)(void* vessel);
  void* (*createVessel)(const char* name, const char* classname, const BridgeVesselState* state);
  int (*deleteVessel)(void* vessel, void* cameraTarget);

  // VESSEL's members, on the interface the host handed out.
  void* (*vesselHandle)(const void* vessel);
  void (*vesselGlobalPos)(const void* vessel, BridgeVector* pos);
  void (*vesselGlobalRot)(const void* vessel, const BridgeVector* rloc, BridgeVector* rglob);
  void* (*vesselCreateAttachment)(const void* vessel, int toparent, const BridgeVector* pos,
                                  const BridgeVector* dir, const BridgeVector* rot, const char* id,
                                  int loose);
  uint32_t (*vesselAttachmentCount)(const void* vessel, int toparent);
  void* (*vesselAttachmentHandle)(const void* vessel, int toparent, uint32_t i);
  const char* (*vesselAttachmentId)(const void* vessel, void* attachment);
  int (*vesselAttachChild)(const void* vessel, void* child, void* attachment,
                           void* childAttachment);
  int (*vesselDetachChild)(const void* vessel, void* attachment, double vel);

  // MFD::Title on a device context the host handed out.
  void (*title)(void* hdc, const char* title);
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
