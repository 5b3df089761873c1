# Builds for the real host's ABI: Windows with Microsoft's C++ ABI (name
# mangling, vtables, thiscall on x86), with clang and lld-link and without
# Microsoft's SDK or runtime, for the host build the including toolchain file
# names (JAUNT_MSVC_ARCH: i686, the 32-bit host, or x86_64, the 64-bit one).
# The C library is the system's msvcrt.dll, with the declarations Wine ships
# for it; the few Windows calls are declared by the project itself; there is
# no C++ library. Import libraries come from the .def files in
# src/plugin/msvc. CTest runs the programs under Wine.
set(CMAKE_SYSTEM_NAME Windows)
if(JAUNT_MSVC_ARCH STREQUAL "x86_64")
  set(CMAKE_SYSTEM_PROCESSOR AMD64)
else()
  set(CMAKE_SYSTEM_PROCESSOR x86)
endif()

find_program(CMAKE_C_COMPILER NAMES clang-14 clang REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES clang++-14 clang++ REQUIRED)
find_program(CMAKE_LINKER NAMES lld-link-14 lld-link REQUIRED)
find_program(JAUNT_DLLTOOL NAMES llvm-dlltool-14 llvm-dlltool REQUIRED)
find_program(JAUNT_READOBJ NAMES llvm-readobj-14 llvm-readobj REQUIRED)
find_program(JAUNT_UNDNAME NAMES llvm-undname-14 llvm-undname REQUIRED)
find_program(JAUNT_NM NAMES llvm-nm-14 llvm-nm REQUIRED)
set(CMAKE_C_COMPILER_TARGET ${JAUNT_MSVC_ARCH}-pc-windows-msvc)
set(CMAKE_CXX_COMPILER_TARGET ${JAUNT_MSVC_ARCH}-pc-windows-msvc)

# Nothing links without the import libraries, which the build makes itself.
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)

set(jauntWineInclude /usr/include/wine/wine)
if(NOT EXISTS ${jauntWineInclude}/msvcrt/stdlib.h)
  message(FATAL_ERROR "Wine's C headers missing in ${jauntWineInclude}: "
                      "run tools/install-deps.sh windows")
endif()
# msvcrt.dll's own declarations (_MSVCR_VER 0), not the later runtimes'.
# SSE2 arithmetic, as in the stand-in host's world. No exceptions: nothing
# of the interface throws.
set(jauntMsvcFlags
    "-D_MSVCR_VER=0 -isystem ${jauntWineInclude}/msvcrt -idirafter ${jauntWineInclude}/windows \
-msse2 -mfpmath=sse -fno-exceptions")
set(CMAKE_C_FLAGS_INIT "${jauntMsvcFlags}")
set(CMAKE_CXX_FLAGS_INIT "${jauntMsvcFlags}")
# lld-link with no default libraries: every import is named by a .def file.
set(CMAKE_C_STANDARD_LIBRARIES "" CACHE STRING "" FORCE)
set(CMAKE_CXX_STANDARD_LIBRARIES "" CACHE STRING "" FORCE)
foreach(kind EXE SHARED MODULE)
  set(CMAKE_${kind}_LINKER_FLAGS_INIT "-fuse-ld=lld -nostdlib -Wl,/nodefaultlib")
endforeach()

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
# A 64-bit program needs Wine's 64-bit loader, packaged on its own.
if(JAUNT_MSVC_ARCH STREQUAL "x86_64")
  find_program(JAUNT_WINE64 NAMES wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
  if(NOT JAUNT_WINE64)
    message(FATAL_ERROR "wine64 missing: install the package wine64 (tools/install-deps.sh windows)")
  endif()
endif()
