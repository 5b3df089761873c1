// Stand-ins for the few Windows declarations the module uses, for platforms
// without <windows.h>. The host library implements the two functions.
#pragma once

#include <cstdint>

#define JAUNT_MODULE_EXPORT __attribute__((visibility("default")))
#define OAPIFUNC __attribute__((visibility("default")))
#define WINAPI
#define APIENTRY

using BOOL = int;
using DWORD = std::uint32_t;
using LPVOID = void*;
using LPCSTR = const char*;
using INT_PTR = std::intptr_t;
using HDC = struct HDC__*;
using HINSTANCE = struct HINSTANCE__*;
using HMODULE = HINSTANCE;
using FARPROC = INT_PTR (*)();

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif

constexpr DWORD DLL_PROCESS_DETACH = 0;
constexpr DWORD DLL_PROCESS_ATTACH = 1;
constexpr DWORD DLL_THREAD_ATTACH = 2;
constexpr DWORD DLL_THREAD_DETACH = 3;

// Looks up an exported symbol of a loaded module by name; null when absent.
OAPIFUNC FARPROC GetProcAddress(HMODULE module, LPCSTR name);
// Draws `count` bytes of `text` with the device context's current settings.
OAPIFUNC BOOL TextOutA(HDC hdc, int x, int y, LPCSTR text, int count);
