cmake_minimum_required(VERSION 3.25)
# JauntMFD.dll as the real host loads it, either build: it exports exactly
# its seven entry points; it imports only from Orbiter.exe, msvcrt.dll,
# KERNEL32.dll and GDI32.dll; and from Orbiter.exe it imports exactly the
# functions src/plugin/msvc/Orbiter.def lists for the 32-bit host, where
# each name is recorded beside the signature the host's list gives it: on
# the 32-bit build under those names, on the 64-bit build under the names of
# the same signatures. Each is, name for name, one that the stand-in
# Orbiter.exe exports from the host's own declarations, and one the host's
# published export list (HOST_EXPORTS, the 32-bit host's) holds, when at
# hand.
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

# The signatures Orbiter.def records, as both builds share them.
file(STRINGS ${DEF} definitions REGEX "^  [^ ]+ +; ")
set(recorded)
foreach(definition IN LISTS definitions)
  string(REGEX MATCH "^  ([^ ]+) +; (.*)$" _ "${definition}")
  squeeze("${CMAKE_MATCH_2}" signature)
  without_result_const("${signature}" signature)
  without_conventions("${signature}" signature)
  list(APPEND recorded "${signature}")
endforeach()

read_coff_names(${ORBITER} hostNames unused)
read_host_list(hostList)
set(imported)
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
  host_signature("${symbol}" signature)
  without_conventions("${signature}" signature)
  list(FIND recorded "${signature}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${symbol} (${signature}) is not in Orbiter.def")
  endif()
  list(APPEND imported "${signature}")
  check_host_name("${symbol}" "${hostNames}" "${hostList}")
endforeach()
list(SORT recorded)
list(SORT imported)
if(NOT imported STREQUAL recorded)
  list(REMOVE_ITEM recorded ${imported})
  message(FATAL_ERROR "Orbiter.def lists functions the module does not import: ${recorded}")
endif()
list(LENGTH imported count)
message(STATUS "${count} names from Orbiter.exe, each the host's")
