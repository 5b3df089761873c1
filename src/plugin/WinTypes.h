// The few Windows declarations the module uses, for builds without
// <windows.h>: on Linux, where the host library implements the two calls, and
// for the real host's Microsoft ABI, where they come from KERNEL32 and GDI32.
// Widths are Windows' everywhere: DWORD is 32 bits also on 64-bit Linux.
#pragma once

#include <stdint.h>

#include "plugin/ExportMarkers.h"

#ifdef _WIN32
typedef unsigned long DWORD;  // its own type in the host's mangled names
#define WINAPI __stdcall
#define JAUNT_SYSTEM_IMPORT __declspec(dllimport)
#else
typedef uint32_t DWORD;
#define WINAPI
#define JAUNT_SYSTEM_IMPORT __attribute__((visibility("default")))
#endif
#define APIENTRY WINAPI

typedef int BOOL;
typedef unsigned int UINT;
typedef uintptr_t WPARAM;
typedef intptr_t LPARAM;
typedef void* LPVOID;
typedef const char* LPCSTR;
typedef intptr_t INT_PTR;
typedef struct HDC__* HDC;
typedef struct HINSTANCE__* HINSTANCE;
typedef HINSTANCE HMODULE;
typedef INT_PTR(WINAPI* FARPROC)();

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif

#define DLL_PROCESS_DETACH 0
#define DLL_PROCESS_ATTACH 1
#define DLL_THREAD_ATTACH 2
#define DLL_THREAD_DETACH 3

extern "C" {
// Looks up an exported symbol of a loaded module by name; null when absent.
JAUNT_SYSTEM_IMPORT FARPROC WINAPI GetProcAddress(HMODULE module, LPCSTR name);
// Draws `count` bytes of `text` with the device context's current settings.
JAUNT_SYSTEM_IMPORT BOOL WINAPI TextOutA(HDC hdc, int x, int y, LPCSTR text, int count);
}
