// Loading plug-in modules with the Windows loader, which itself runs each
// module's DllMain on load and on unload.
#include "LibraryLoading.h"

#include <algorithm>
#include <cstdio>

#include "plugin/Platform.h"

namespace host {

namespace {

// The system's text for `code`; a "%1" in it stands for `file`.
std::string SystemMessage(DWORD code, const std::string& file) {
  char text[256];
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                code, 0, text, sizeof text, nullptr);
  while (length > 0 && (text[length - 1] == '\n' || text[length - 1] == '\r')) --length;
  if (length == 0) {
    std::snprintf(text, sizeof text, "error %lu", static_cast<unsigned long>(code));
    return text;
  }
  std::string message(text, length);
  if (const std::size_t at = message.find("%1"); at != std::string::npos)
    message.replace(at, 2, file);
  return message;
}

}  // namespace

void* OpenLibrary(const std::string& path, std::string& error) {
  // The loader takes backslashes only; a failure is reported here rather than
  // in a message box.
  std::string windowsPath = path;
  std::replace(windowsPath.begin(), windowsPath.end(), '/', '\\');
  const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  HMODULE library = LoadLibraryA(windowsPath.c_str());
  const DWORD code = GetLastError();
  SetErrorMode(oldMode);
  // Worded as dlerror words it: the path, then the reason.
  if (library == nullptr) {
    const std::size_t slash = path.find_last_of("/\\");
    const std::string file = slash == std::string::npos ? path : path.substr(slash + 1);
    error = path + ": " + SystemMessage(code, file);
  }
  return reinterpret_cast<void*>(library);
}

void* FindLibrarySymbol(void* library, const char* name) {
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
}

void CloseLibrary(void* library) {
  FreeLibrary(static_cast<HMODULE>(library));
}

}  // namespace host
