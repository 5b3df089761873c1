cmake_minimum_required(VERSION 3.25)
# JauntMFD.dll as the real host loads it: it exports exactly its seven entry
# points; it imports only from Orbiter.exe, msvcrt.dll, KERNEL32.dll and
# GDI32.dll; and each name it takes from Orbiter.exe is, name for name, one
# that the stand-in Orbiter.exe exports from the host's own declarations,
# and one the host's published export list (HOST_EXPORTS) holds, when at
# hand. Orbiter.def, from which the import library is made, records each
# name's signature beside it.
#
#   cmake -DMODULE=<dll> -DORBITER=<Orbiter.exe> -DREADOBJ=<llvm-readobj>
#         -DUNDNAME=<llvm-undname> -DDEF=<Orbiter.def> [-DHOST_EXPORTS=<list>]
#         -P module_exports_msvc_test.cmake
include(${CMAKE_CURRENT_LIST_DIR}/HostNames.cmake)

read_coff_names(${MODULE} exports imports)
list(SORT exports)
set(expected __opcGetInterface opcCloseRenderViewport opcDLLExit opcDLLInit opcDeleteVessel
             opcPreStep opcTimestep)
if(NOT exports STREQUAL expected)
  message(FATAL_ERROR "exports are '${exports}', expected '${expected}'")
endif()

# What Orbiter.def says of each name.
file(STRINGS ${DEF} definitions REGEX "^  [^ ]+ +; ")
foreach(definition IN LISTS definitions)
  string(REGEX MATCH "^  ([^ ]+) +; (.*)$" _ "${definition}")
  squeeze("${CMAKE_MATCH_2}" signature)
  without_result_const("${signature}" signature)
  string(MD5 key "${CMAKE_MATCH_1}")  # mangled names hold characters a variable's may not
  set(recorded_${key} "${signature}")
endforeach()

read_coff_names(${ORBITER} hostNames unused)
read_host_list(hostList)
set(fromHost 0)
foreach(import IN LISTS imports)
  string(REPLACE "|" ";" parts "${import}")
  list(GET parts 0 dll)
  list(GET parts 1 symbol)
  string(TOLOWER "${dll}" dllLower)
  if(NOT dllLower MATCHES "^(orbiter\\.exe|msvcrt\\.dll|kernel32\\.dll|gdi32\\.dll)$")
    message(FATAL_ERROR "imports ${symbol} from ${dll}")
  endif()
  if(NOT dllLower STREQUAL "orbiter.exe")
    continue()
  endif()
  math(EXPR fromHost "${fromHost} + 1")
  string(MD5 key "${symbol}")
  if(NOT DEFINED recorded_${key})
    message(FATAL_ERROR "${symbol} is not in Orbiter.def")
  endif()
  host_signature("${symbol}" signature)
  if(NOT signature STREQUAL recorded_${key})
    message(FATAL_ERROR "${symbol} is ${signature}; Orbiter.def records ${recorded_${key}}")
  endif()
  check_host_name("${symbol}" "${hostNames}" "${hostList}")
endforeach()
if(fromHost EQUAL 0)
  message(FATAL_ERROR "no import from Orbiter.exe found in ${MODULE}")
endif()
message(STATUS "${fromHost} names from Orbiter.exe, each the host's")
