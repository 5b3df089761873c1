# The built module is a 32-bit Windows DLL that exports exactly its four entry
# points and needs nothing beside the host's library and Windows' own.
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND ${OBJDUMP} -p ${MODULE} OUTPUT_VARIABLE dump RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} failed on ${MODULE}")
endif()

if(NOT dump MATCHES "file format pei-i386" OR NOT dump MATCHES "Magic[\t ]+010b[\t ]+\\(PE32\\)")
  message(FATAL_ERROR "${MODULE} is not a PE32 file for Intel 80386")
endif()
if(NOT dump MATCHES "Characteristics [^\n]*\n([\t ]+[^\n]*\n)*[\t ]+DLL\n")
  message(FATAL_ERROR "${MODULE} is not marked as a DLL")
endif()

# Exports: the lines "[   n] name" after the name pointer table's heading.
string(REGEX MATCH "\\[Ordinal/Name Pointer\\] Table\n(([\t ]+\\[ *[0-9]+\\] [^\n]+\n)*)" table
       "${dump}")
# (Square brackets would confuse CMake's lists, so only the names are kept.)
string(REGEX REPLACE "[\t ]+\\[ *[0-9]+\\] ([^\n]+)\n" "\\1;" exports "${CMAKE_MATCH_1}")
list(REMOVE_ITEM exports "")
list(SORT exports)
set(expected __opcGetInterface opcDLLExit opcDLLInit opcTimestep)
if(NOT exports STREQUAL expected)
  message(FATAL_ERROR "exports are '${exports}', expected '${expected}'")
endif()

# Imports, per DLL: the names under "DLL Name: X" up to the next blank line.
# Allowed are the host's library and system DLLs only; a C++ runtime DLL here
# would have to be shipped beside the module.
string(REGEX MATCHALL "DLL Name: [^\n]+\n[^\n]*\n([\t ]+[0-9a-f]+[\t ]+[0-9]+ +[^\n]+\n)*" blocks
       "${dump}")
set(allowed jaunthost.dll kernel32.dll msvcrt.dll gdi32.dll)
set(found "")
foreach(block ${blocks})
  string(REGEX MATCH "DLL Name: ([^\n]+)" line "${block}")
  string(TOLOWER "${CMAKE_MATCH_1}" dll)
  if(NOT dll IN_LIST allowed)
    message(FATAL_ERROR "${MODULE} imports ${dll}; allowed are '${allowed}'")
  endif()
  list(APPEND found ${dll})
  string(REGEX REPLACE "[\t ]+[0-9a-f]+[\t ]+[0-9]+ +([^\n]+)\n" "\\1;" names "${block}")
  string(REGEX REPLACE "^DLL Name: [^\n]+\n[^\n]*\n" "" names "${names}")
  set(imports_${dll} ${names})
endforeach()

# The page is drawn by GDI's TextOutA and the callback table filled by the
# system's GetProcAddress, not by stand-ins; from the host the module takes
# its plug-in interface only (oapi services, the MFD and VESSEL classes).
if(NOT "TextOutA" IN_LIST imports_gdi32.dll)
  message(FATAL_ERROR "${MODULE} does not import TextOutA from GDI32.dll")
endif()
if(NOT "GetProcAddress" IN_LIST imports_kernel32.dll)
  message(FATAL_ERROR "${MODULE} does not import GetProcAddress from KERNEL32.dll")
endif()
if(NOT imports_jaunthost.dll)
  message(FATAL_ERROR "${MODULE} does not import the host API from jaunthost.dll: '${found}'")
endif()
foreach(name ${imports_jaunthost.dll})
  if(NOT name MATCHES "^_Z[0-9]+oapi|^_ZN?K?3MFD|^_ZN?K?6VESSEL")
    message(FATAL_ERROR "${MODULE} imports ${name} from the host, beyond its plug-in interface")
  endif()
endforeach()
list(LENGTH imports_jaunthost.dll hostImports)
message(STATUS "exports: ${exports}; imports: ${found}, ${hostImports} of them from the host")
