// The stand-in Orbiter.exe: the plug-in interface under the real host's
// Microsoft ABI, in front of the stand-in host's world (jaunthost.dll, built
// with GCC), which it reaches through that library's plain C bridge.
#pragma once

#include "host/AbiBridge.h"

// The world's services; set before any module is loaded.
extern const HostBridge* world;

// The display driver the front hands the world: it drives the modules'
// display objects as the real host does.
extern const DisplayDriver displayDriver;
