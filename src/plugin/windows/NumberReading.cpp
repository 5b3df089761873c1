// The pilot's distance and speed texts are read with atof. The Windows C
// library's atof reads "inf", "nan" and hexadecimal numbers as 0, where the
// Linux build's reads infinity, NaN and the number: "inf" would be accepted
// as a distance of 0 on one target and refused on the other. Bound to the
// C99 reader that mingw-w64 ships (the one its strtod already uses), a text
// means the same on both targets.
#include <cstdlib>

extern "C" double __cdecl atof(const char* text) {
  return __mingw_strtod(text, nullptr);
}
