// The library's load and unload notification. On Windows the loader calls it
// as the DLL entry point; elsewhere a load-time shim calls it the same way.
#pragma once

#include "plugin/Platform.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID reserved);
