// jaunt-sim: the stand-in host as a program.
#include <cstdio>
#include <string>

#include "host/Displays.h"
#include "host/ModuleLoader.h"

int main(int argc, char** argv) {
  const std::string self = argv[0];
  const std::string module =
      argc > 1 ? argv[1] : self.substr(0, self.find_last_of('/') + 1) + "JauntMFD.so";
  std::string error;
  if (host::LoadModule(module, error) == nullptr) {
    std::fprintf(stderr, "jaunt-sim: %s: %s\n", module.c_str(), error.c_str());
    return 2;
  }
  for (const host::ModeInfo& mode : host::RegisteredModes())
    std::printf("mode \"%s\" key 0x%02X\n", mode.name.c_str(), mode.key);
  const int number = host::OpenDisplay("Jaunt", 256, 256);
  std::printf("display %d open 256x256\n", number);
  const host::Page page = host::DrawDisplay(number);
  std::printf("title %s\n", page.title.c_str());
  for (const host::TextRun& run : page.runs) std::printf("%d %d %s\n", run.y, run.x, run.text.c_str());
  host::CloseAllDisplays();
  host::UnloadAllModules();
  return 0;
}
