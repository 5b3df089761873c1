// The markers of the plug-in boundary: what the module exports, and the
// host's interface (OAPIFUNC), which the host exports and a module imports.
#pragma once

#ifdef _WIN32
#define JAUNT_MODULE_EXPORT __declspec(dllexport)
#ifdef JAUNT_HOST_BUILD
#define OAPIFUNC __declspec(dllexport)
#else
#define OAPIFUNC __declspec(dllimport)
#endif
#else
#define JAUNT_MODULE_EXPORT __attribute__((visibility("default")))
#define OAPIFUNC __attribute__((visibility("default")))
#endif
