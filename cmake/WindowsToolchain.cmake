# Cross-compiles the stand-in host's world for Windows with Debian's
# mingw-w64 compilers, for the architecture the including toolchain file
# names (JAUNT_WINDOWS_ARCH: i686 or x86_64); CTest runs the programs under
# Wine.
set(CMAKE_SYSTEM_NAME Windows)
if(JAUNT_WINDOWS_ARCH STREQUAL "x86_64")
  set(CMAKE_SYSTEM_PROCESSOR AMD64)
else()
  set(CMAKE_SYSTEM_PROCESSOR x86)
endif()

set(jauntMingw ${JAUNT_WINDOWS_ARCH}-w64-mingw32)
# The posix flavour carries the whole C++ thread library; linked statically,
# none of it is needed at run time.
find_program(CMAKE_CXX_COMPILER NAMES ${jauntMingw}-g++-posix ${jauntMingw}-g++)
# GoogleTest's project also enables C.
find_program(CMAKE_C_COMPILER NAMES ${jauntMingw}-gcc-posix ${jauntMingw}-gcc)
if(NOT CMAKE_CXX_COMPILER OR NOT CMAKE_C_COMPILER)
  string(REPLACE "_" "-" jauntMingwPackage g++-mingw-w64-${JAUNT_WINDOWS_ARCH})
  message(FATAL_ERROR "${jauntMingw}-g++ missing: install the package ${jauntMingwPackage} "
                      "(tools/install-deps.sh windows)")
endif()
find_program(CMAKE_RC_COMPILER NAMES ${jauntMingw}-windres)
find_program(JAUNT_OBJDUMP NAMES ${jauntMingw}-objdump)

set(CMAKE_FIND_ROOT_PATH /usr/${jauntMingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# SSE2 arithmetic, as the real host's compiler uses, rounds every double
# operation exactly as x86-64 does; the x87 unit's 80-bit intermediates would
# change figures in their last digit.
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
# libgcc, libstdc++ and winpthread go into each file, so that the module needs
# nothing beside the host and the system's own libraries.
foreach(kind EXE SHARED MODULE)
  set(CMAKE_${kind}_LINKER_FLAGS_INIT "-static")
endforeach()

# Every program CTest starts runs under Wine, in a prefix of this build tree.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)

# The header-only libraries the host and the simulator use (Boost, command
# line, TOML) are the build machine's, and work for any target. They are reached through a
# directory of their own: /usr/include as a whole also holds the build
# machine's C library headers, which must not shadow mingw-w64's.
set(jauntPortableHeaders ${CMAKE_BINARY_DIR}/portable-headers)
foreach(directory boost CLI toml++)
  if(EXISTS /usr/include/${directory} AND NOT EXISTS ${jauntPortableHeaders}/include/${directory})
    file(MAKE_DIRECTORY ${jauntPortableHeaders}/include)
    file(CREATE_LINK /usr/include/${directory} ${jauntPortableHeaders}/include/${directory} SYMBOLIC)
  endif()
endforeach()
list(APPEND CMAKE_FIND_ROOT_PATH ${jauntPortableHeaders})
