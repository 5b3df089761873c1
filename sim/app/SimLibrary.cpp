// The simulator as a library, for a stand-in host of another ABI that runs
// it (see host/msvc): the plain C entry it looks up by name.
#include "app/Program.h"

extern "C" __declspec(dllexport) int JauntSimMain(int argc, char** argv) {
  return sim::RunProgram(argc, argv);
}
