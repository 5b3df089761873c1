// The stand-in Orbiter.exe: the plug-in interface under the real host's
// Microsoft ABI, declared as the host declares it (HostInterface.h), in
// front of the stand-in host's world (jaunthost.dll, built with GCC), which
// it reaches through that library's plain C bridge.
#pragma once

#include "HostInterface.h"
#include "host/AbiBridge.h"

// The world's services; set before any module is loaded.
extern const HostBridge* world;

// The display driver the front hands the world: it drives the modules'
// display objects as the real host does.
extern const DisplayDriver displayDriver;

// Vectors across the bridge.
inline BridgeVector ToBridge(const VECTOR3& v) {
  return {v.x, v.y, v.z};
}
inline VECTOR3 FromBridge(const BridgeVector& v) {
  VECTOR3 out;
  out.x = v.x;
  out.y = v.y;
  out.z = v.z;
  return out;
}
