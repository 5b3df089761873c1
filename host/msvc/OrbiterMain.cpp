// Orbiter.exe, the stand-in for the real host under its Microsoft ABI. It
// loads the world (jaunthost.dll), hands it the display driver, and runs the
// simulator (jauntsim.dll) on its arguments; the simulator then loads
// JauntMFD.dll, whose imports this executable satisfies, and steps the world.
//
//   Orbiter.exe [--step-callbacks=prestep|timestep|both] [jaunt-sim arguments...]
//
// prestep (the default): the current host, which calls opcPreStep by name;
// timestep: the older one, which calls opcTimestep from the callback table;
// both: both in every frame.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "WorldBridge.h"

extern "C" {
// The two Windows calls that load a library and find a name in it.
typedef struct HINSTANCE__* HMODULE;
typedef int(__stdcall* FARPROC)();
__declspec(dllimport) HMODULE __stdcall LoadLibraryA(const char* name);
__declspec(dllimport) FARPROC __stdcall GetProcAddress(HMODULE module, const char* name);

struct StartupInfo {
  int newMode;
};
// msvcrt.dll's own reading of the command line, as its start-up code does.
__declspec(dllimport) int __cdecl __getmainargs(int* argc, char*** argv, char*** env, int wildcards,
                                                StartupInfo* info);
}

const HostBridge* world = nullptr;

namespace {

using SimMainFn = int (*)(int argc, char** argv);

// Standard error as msvcrt.dll hands it out: the third of its stream table
// _iob. (The headers' stderr is the later runtimes' __acrt_iob_func(2).)
FILE* Errors() {
  return &_iob[2];
}

FARPROC Load(const char* library, const char* symbol) {
  HMODULE module = LoadLibraryA(library);
  FARPROC found = module != nullptr ? GetProcAddress(module, symbol) : nullptr;
  if (found == nullptr) fprintf(Errors(), "Orbiter.exe: cannot load %s from %s\n", symbol, library);
  return found;
}

// Which step callbacks the option asks for, as the bridge counts them; -1
// for an unknown value.
int StepCallbacks(const char* value) {
  const char* const names[] = {"prestep", "timestep", "both"};
  for (int i = 0; i < 3; ++i) {
    if (strcmp(value, names[i]) == 0) return i;
  }
  return -1;
}

int Run(int argc, char** argv) {
  const char option[] = "--step-callbacks=";
  int callbacks = 0;
  if (argc > 1 && strncmp(argv[1], option, sizeof option - 1) == 0) {
    callbacks = StepCallbacks(argv[1] + sizeof option - 1);
    if (callbacks < 0) {
      fprintf(Errors(), "Orbiter.exe: %s: expected prestep, timestep or both\n", argv[1]);
      return 2;
    }
    argv[1] = argv[0];  // the simulator takes the rest
    --argc;
    ++argv;
  }
  const auto bridge = reinterpret_cast<JauntHostBridgeFn>(
      reinterpret_cast<void*>(Load("jaunthost.dll", "JauntHostBridge")));
  if (bridge == nullptr) return 2;
  world = bridge(&displayDriver);
  world->useStepCallbacks(callbacks);
  const auto simMain =
      reinterpret_cast<SimMainFn>(reinterpret_cast<void*>(Load("jauntsim.dll", "JauntSimMain")));
  if (simMain == nullptr) return 2;
  return simMain(argc, argv);
}

}  // namespace

// The entry point: there is no C runtime start-up code to call main.
extern "C" void __cdecl OrbiterStart() {
  int argc = 0;
  char** argv = nullptr;
  char** env = nullptr;
  StartupInfo info{0};
  __getmainargs(&argc, &argv, &env, 0, &info);
  exit(Run(argc, argv));
}
