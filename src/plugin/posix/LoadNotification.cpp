// Without a Windows loader nothing calls DllMain, so the shared library's own
// constructor and destructor deliver the load and unload notifications, with
// the library's handle as its instance handle.
#ifndef _GNU_SOURCE
#define _GNU_SOURCE
#endif
#include <dlfcn.h>

#include "plugin/LibraryEntry.h"

namespace {

HINSTANCE self = nullptr;

__attribute__((constructor)) void NotifyLoad() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&NotifyLoad), &info) == 0) return;
  // RTLD_NOLOAD finds the library being loaded without pinning it; the
  // handle stays valid for as long as the library is mapped.
  void* handle = dlopen(info.dli_fname, RTLD_LAZY | RTLD_NOLOAD);
  if (handle == nullptr) return;
  dlclose(handle);
  self = static_cast<HINSTANCE>(handle);
  DllMain(self, DLL_PROCESS_ATTACH, nullptr);
}

__attribute__((destructor)) void NotifyUnload() {
  if (self != nullptr) DllMain(self, DLL_PROCESS_DETACH, nullptr);
}

}  // namespace
