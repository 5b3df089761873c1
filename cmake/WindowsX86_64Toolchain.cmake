# The stand-in host's world for 64-bit Windows (see WindowsToolchain.cmake).
set(JAUNT_WINDOWS_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/WindowsToolchain.cmake)
