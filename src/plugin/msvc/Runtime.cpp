// What Microsoft's runtime library gives every program of its ABI, for
// binaries linked without it: they import their C library from msvcrt.dll
// and have no C++ library at all.
#include <stddef.h>
#include <stdlib.h>

// The linker's mark that the program uses floating point.
extern "C" int _fltused = 0;  // NOLINT(bugprone-reserved-identifier)

// The vtable of std::type_info. The type descriptors the compiler writes for
// dynamic_cast point to it; only type_info's own members would read it, and
// none is called.
extern "C" const void* const jauntTypeInfoVtable[1] __asm__("??_7type_info@@6B@") = {nullptr};

// The global delete, which the deleting destructors of classes without one
// of their own call. Nothing allocates with the global new: a Jaunt display
// has its own allocation function.
void operator delete(void* memory) noexcept {
  free(memory);
}
void operator delete(void* memory, size_t /*size*/) noexcept {
  free(memory);
}
