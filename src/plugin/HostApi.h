// Everything of the host that the module may use.
#pragma once

#include "plugin/HostKeys.h"
#include "plugin/HostMfd.h"
#include "plugin/HostServices.h"
#include "plugin/HostTypes.h"
#include "plugin/HostVessel.h"
#include "plugin/ModuleInterface.h"
#include "plugin/Platform.h"
