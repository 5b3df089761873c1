// Value types shared by the host and its plug-in modules, declared as the
// host declares them: their names and layouts are part of its ABI.
#pragma once

#include "plugin/Platform.h"

// Three doubles, reachable by name or as an array. Positions are in metres,
// velocities in metres per second, in the host's global frame unless noted.
union VECTOR3 {
  double data[3];
  struct {
    double x, y, z;
  };
};

inline VECTOR3 MakeVector(double x, double y, double z) {
  VECTOR3 v;
  v.x = x;
  v.y = y;
  v.z = z;
  return v;
}

using ObjectHandle = void*;      // a celestial body or a vessel; null means none
using AttachmentHandle = void*;  // an attachment point of a vessel; null means none
using FileHandle = void*;        // a scenario file the host reads or writes

// The result of a display mode's message procedure, which carries the new
// display object's address: the 32-bit host declares it int, as wide as a
// pointer there; a 64-bit build needs the pointer's width.
#if defined(_WIN32) && !defined(_WIN64)
using MfdMessageResult = int;
#else
using MfdMessageResult = intptr_t;
#endif
// A module's display-mode message procedure: (message, display, wparam,
// lparam). For OAPI_MSG_MFD_OPENED, wparam holds the width in its low 16 bits
// and the height in its high 16, and lparam the VESSEL.
using MfdMessageProc = MfdMessageResult (*)(UINT msg, UINT mfd, WPARAM wparam, LPARAM lparam);
constexpr UINT OAPI_MSG_MFD_OPENED = 1;
// Sent before OAPI_MSG_MFD_OPENED; a mode that answers 0 is then sent that.
constexpr UINT OAPI_MSG_MFD_OPENEDEX = 4;

struct MFDMODESPEC {
  char* name;
  DWORD key;  // DirectInput scan code that selects the mode
  MfdMessageProc msgproc;
};

// One row of a display's button menu. The host declares it packed and walks
// the module's array with that stride, row after row with no padding.
#pragma pack(push, 1)
struct MFDBUTTONMENU {
  const char* line1;
  const char* line2;  // null when the entry has one line
  char selchar;
};
#pragma pack(pop)

// Called by the host with the text typed into an input box; true accepts it.
using InputCallback = bool (*)(void* id, char* text, void* userData);

// The state of a vessel to be created (record version 2). Position and
// velocity are relative to `rbody`; the host takes celestial body 0 when it
// is null. The lists (fuel, thrusters, docking ports) are left empty.
struct VesselStateRecord {
  DWORD version;
  DWORD flag;
  ObjectHandle rbody;
  ObjectHandle base;
  int port;
  int status;
  VECTOR3 rpos;
  VECTOR3 rvel;
  VECTOR3 vrot;
  VECTOR3 arot;
  double surf_lng, surf_lat, surf_hdg;  // when landed
  DWORD nfuel;
  void* fuel;
  DWORD nthruster;
  void* thruster;
  DWORD ndockinfo;
  void* dockinfo;
  DWORD xpdr;
};
