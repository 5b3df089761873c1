// Everything of the host that the module may use.
#pragma once

#include "HostKeys.h"
#include "HostMfd.h"
#include "HostServices.h"
#include "HostTypes.h"
#include "HostVessel.h"
#include "ModuleInterface.h"
#include "Platform.h"
