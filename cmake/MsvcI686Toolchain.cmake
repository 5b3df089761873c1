# JauntMFD.dll for the 32-bit host (see MsvcToolchain.cmake).
set(JAUNT_MSVC_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/MsvcToolchain.cmake)
