// Printf-style text into fixed buffers, the same on every target.
#pragma once

#include <stddef.h>

// Writes `format` with its arguments into `out`, which holds `size` bytes:
// the text is cut to size - 1 characters and always NUL-terminated. The
// conversions are the ones the module's texts use: %s, %.Nf (N from 0 to 9)
// and %%; the figures read exactly as the C library of the module's Linux
// build prints them, whatever C library the module runs on. Others print
// nothing.
void FormatText(char* out, size_t size, const char* format, ...)
    __attribute__((format(printf, 3, 4)));
