// The operating-system layer the module sees: the Windows types and the two
// Windows calls it makes (GetProcAddress on itself, TextOutA on a display's
// device context), plus the export and import markers of the plug-in boundary.
//
// mingw-w64 builds the stand-in host for Windows, which needs all of
// <windows.h>. Everywhere else, the module for the real host's Microsoft ABI
// included, the few declarations of WinTypes.h stand in for it.
#pragma once

#ifdef __MINGW32__
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX  // the C++ library's headers may have set it already
#define NOMINMAX
#endif
#include <windows.h>

#include "plugin/ExportMarkers.h"
#else
#include "plugin/WinTypes.h"
#endif
