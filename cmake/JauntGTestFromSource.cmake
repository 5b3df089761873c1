# GoogleTest and GoogleMock built for the target from the sources Debian ships
# (package googletest): its prebuilt libraries are for the build machine only.
# Provides the same GTest:: targets as find_package(GTest).
set(jauntGTestSource /usr/src/googletest)
if(NOT EXISTS ${jauntGTestSource}/CMakeLists.txt)
  message(FATAL_ERROR "GoogleTest sources missing in ${jauntGTestSource}: "
                      "run tools/install-deps.sh build")
endif()
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
add_subdirectory(${jauntGTestSource} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
# Not our code: its warnings are not ours to fix.
foreach(library gtest gtest_main gmock gmock_main)
  target_compile_options(${library} PRIVATE -w)
endforeach()
foreach(library gtest gtest_main gmock gmock_main)
  if(NOT TARGET GTest::${library})
    add_library(GTest::${library} ALIAS ${library})
  endif()
endforeach()
