cmake_minimum_required(VERSION 3.25)
# A .def file for the 64-bit host, made at build time (ImportLibraries.cmake):
# from a 32-bit one (FROM), its names without the @n of stdcall, which the
# 64-bit Windows does not decorate; or Orbiter.exe's, from the names an
# object of the module's declarations leaves undefined (OBJECT), each the
# name of a host function or member, mangled for x64.
#
#   cmake -DOUT=<def> (-DFROM=<def> | -DNM=<llvm-nm> -DOBJECT=<obj>) -P X64ImportList.cmake
if(FROM)
  file(STRINGS ${FROM} lines)
  set(text "")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^(  [^ ;]+)@[0-9]+" "\\1" line "${line}")
    string(APPEND text "${line}\n")
  endforeach()
else()
  include(${CMAKE_CURRENT_LIST_DIR}/DeclaredNames.cmake)
  declared_host_names(${OBJECT} names)
  if(NOT names)
    message(FATAL_ERROR "no host names in ${OBJECT}")
  endif()
  set(text "; Made by the build from the module's declarations; do not edit.\nLIBRARY Orbiter.exe\nEXPORTS\n")
  foreach(name IN LISTS names)
    string(APPEND text "  ${name}\n")
  endforeach()
endif()
file(WRITE ${OUT} "${text}")
