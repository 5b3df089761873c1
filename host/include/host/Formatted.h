// Printf-style text as a string, whole however long it comes out.
#pragma once

#include <string>

namespace host {

std::string Formatted(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace host
