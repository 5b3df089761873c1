// Registering display modes, for the plug-in interface and for the front of
// another ABI.
#pragma once

#include "host/AbiBridge.h"
#include "plugin/HostTypes.h"

namespace host {

// Registers the mode; `driver` is null for a module of this host's own ABI,
// else the driver of the front that loaded the module. Returns its id, or -1.
int RegisterMode(const MFDMODESPEC& spec, const DisplayDriver* driver);

}  // namespace host
