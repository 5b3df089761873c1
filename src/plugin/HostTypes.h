// Value types shared by the host and its plug-in modules.
#pragma once

#include <cstdint>

#include "Platform.h"

// Three doubles, reachable by name or as an array. Positions are in metres,
// velocities in metres per second, in the host's global frame unless noted.
struct VECTOR3 {
  union {
    double data[3];
    struct {
      double x, y, z;
    };
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

// A module's display-mode message procedure. Every argument is 32 bits wide;
// the vessel and the result carry pointers and are therefore pointer-sized
// (32 bits on the 32-bit host).
using MfdMessageProc = std::intptr_t (*)(std::uint32_t msg, std::uint32_t mfd, std::uint32_t size,
                                         std::uintptr_t vessel);
constexpr std::uint32_t OAPI_MSG_MFD_OPENED = 1;

struct MFDMODESPEC {
  const char* name;
  std::uint32_t key;  // DirectInput scan code that selects the mode
  MfdMessageProc msgproc;
};

struct MFDBUTTONMENU {
  const char* line1;
  const char* line2;  // null when the entry has one line
  char selchar;
};

// Called by the host with the text typed into an input box; true accepts it.
using InputCallback = bool (*)(void* id, char* text, void* userData);

// The state of a vessel to be created (record version 2). Position and
// velocity are relative to `rbody`, or to the global origin when it is null.
struct VesselStateRecord {
  std::uint32_t version;
  std::uint32_t flag;
  ObjectHandle rbody;
  ObjectHandle base;
  std::int32_t port;
  std::int32_t status;
  VECTOR3 rpos;
  VECTOR3 rvel;
  VECTOR3 vrot;
  VECTOR3 arot;
  double surface[3];  // longitude, latitude, heading when landed
  std::uint32_t word[7];
};
