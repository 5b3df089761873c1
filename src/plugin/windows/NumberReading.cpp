// The pilot's distance and speed texts are read with atof. The Windows C
// library's atof reads "inf", "nan" and hexadecimal numbers as 0 and is not
// always correctly rounded, where the Linux build's reads infinity, NaN and
// the number, correctly rounded. Bound to the C99 reader that mingw-w64 ships
// (the one its strtod already uses), a text means the same on both targets:
// "inf" and "nan" are refused as distances and speeds everywhere.
#include <cstdlib>

extern "C" double __cdecl atof(const char* text) {
  return __mingw_strtod(text, nullptr);
}
