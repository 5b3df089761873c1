# The stand-in host's world for 32-bit Windows (see WindowsToolchain.cmake).
set(JAUNT_WINDOWS_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/WindowsToolchain.cmake)
