// The platform's dynamic-library calls, as the module loader needs them.
#pragma once

#include <string>

namespace host {

void* OpenLibrary(const std::string& path, std::string& error);
void* FindLibrarySymbol(void* library, const char* name);
void CloseLibrary(void* library);

}  // namespace host
