# JauntMFD.dll for the 64-bit host (see MsvcToolchain.cmake).
set(JAUNT_MSVC_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/MsvcToolchain.cmake)
