# The built module is a 32-bit Windows DLL that exports exactly its four entry
cmake_minimum_required(VERSION 3.25)
# points and needs nothing beside the host's library and Windows' own.
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

# Imports: the host's library and system DLLs only; a C++ runtime DLL here
# would have to be shipped beside the module.
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
set(allowed jaunthost.dll kernel32.dll msvcrt.dll gdi32.dll)
set(found "")
foreach(import ${imports})
  string(SUBSTRING "${import}" 10 -1 name)
  string(TOLOWER "${name}" name)
  list(APPEND found ${name})
  if(NOT name IN_LIST allowed)
    message(FATAL_ERROR "${MODULE} imports ${name}; allowed are '${allowed}'")
  endif()
endforeach()
if(NOT "jaunthost.dll" IN_LIST found)
  message(FATAL_ERROR "${MODULE} does not import the host API from jaunthost.dll: '${found}'")
endif()
message(STATUS "exports: ${exports}; imports: ${found}")
