cmake_minimum_required(VERSION 3.25)
# JauntMFD.dll as the real host loads it: it exports exactly its five entry
# points; it imports only from Orbiter.exe, msvcrt.dll, KERNEL32.dll and
# GDI32.dll; and each name it takes from Orbiter.exe is one the host
# exports. A name is the host's when llvm-undname turns it into the
# signature that src/plugin/msvc/Orbiter.def records beside it, and, when the
# host's published export list is at hand (HOST_EXPORTS), into a line of it.
#
#   cmake -DMODULE=<dll> -DREADOBJ=<llvm-readobj> -DUNDNAME=<llvm-undname>
#         -DDEF=<Orbiter.def> [-DHOST_EXPORTS=<list>] -P module_exports_msvc_test.cmake

# Signatures compared without their blanks, which the two spell differently.
function(squeeze text var)
  string(REGEX REPLACE "[ \t\r\n]" "" text "${text}")
  set(${var} "${text}" PARENT_SCOPE)
endfunction()

execute_process(COMMAND ${READOBJ} --coff-exports --coff-imports ${MODULE}
                OUTPUT_VARIABLE dump RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "llvm-readobj failed on ${MODULE}")
endif()

# Exports: "Export {" blocks with "Name: X"; imports: "Import {" blocks with
# "Name: DLL" and then "Symbol: X (ordinal)" lines.
string(REPLACE "\n" ";" lines "${dump}")
set(exports)
set(imports)
set(block)
set(dll)
foreach(line IN LISTS lines)
  string(STRIP "${line}" line)
  if(line MATCHES "^Export {")
    set(block export)
  elseif(line MATCHES "^Import {")
    set(block import)
  elseif(line MATCHES "^Name: (.*)$")
    if(block STREQUAL "export" AND NOT CMAKE_MATCH_1 STREQUAL "")
      list(APPEND exports "${CMAKE_MATCH_1}")
    elseif(block STREQUAL "import")
      set(dll "${CMAKE_MATCH_1}")
    endif()
  elseif(line MATCHES "^Symbol: ([^ ]+)" AND block STREQUAL "import")
    list(APPEND imports "${dll}|${CMAKE_MATCH_1}")
  endif()
endforeach()

list(SORT exports)
set(expected __opcGetInterface opcDLLExit opcDLLInit opcPreStep opcTimestep)
if(NOT exports STREQUAL expected)
  message(FATAL_ERROR "exports are '${exports}', expected '${expected}'")
endif()

# What Orbiter.def says of each name.
file(STRINGS ${DEF} definitions REGEX "^  [^ ]+ +; ")
foreach(definition IN LISTS definitions)
  string(REGEX MATCH "^  ([^ ]+) +; (.*)$" _ "${definition}")
  squeeze("${CMAKE_MATCH_2}" signature)
  string(MD5 key "${CMAKE_MATCH_1}")  # mangled names hold characters a variable's may not
  set(recorded_${key} "${signature}")
endforeach()

set(hostExports)
if(HOST_EXPORTS AND EXISTS "${HOST_EXPORTS}")
  file(STRINGS "${HOST_EXPORTS}" hostLines)
  foreach(hostLine IN LISTS hostLines)
    squeeze("${hostLine}" hostLine)
    list(APPEND hostExports "${hostLine}")
  endforeach()
  message(STATUS "checking against the host's export list ${HOST_EXPORTS}")
else()
  message(STATUS "the host's export list is not at hand; checking against Orbiter.def")
endif()

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
  execute_process(COMMAND ${UNDNAME} "${symbol}" OUTPUT_VARIABLE undecorated)
  string(REPLACE "\n" ";" undecorated "${undecorated}")
  list(GET undecorated 1 signature)
  squeeze("${signature}" signature)
  string(MD5 key "${symbol}")
  if(NOT DEFINED recorded_${key})
    message(FATAL_ERROR "${symbol} is not in Orbiter.def")
  endif()
  if(NOT signature STREQUAL recorded_${key})
    message(FATAL_ERROR "${symbol} is ${signature}; Orbiter.def records ${recorded_${key}}")
  endif()
  if(hostExports)
    list(FIND hostExports "${signature}" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "${symbol} (${signature}) is not in the host's export list")
    endif()
  endif()
endforeach()
if(fromHost EQUAL 0)
  message(FATAL_ERROR "no import from Orbiter.exe found in ${MODULE}")
endif()
message(STATUS "${fromHost} names from Orbiter.exe, each the host's")
