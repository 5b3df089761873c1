# Runs jaunt-sim once and compares its standard output, standard error and
# exit status with what is expected, exactly.
#
#   cmake -DEXE=<jaunt-sim> -DARGS=<a^^b^^...> -DWORKDIR=<dir> -DEXPECTED=<stem>
#         [-DSTATUS=<n>] [-DSTDIN=<file>] [-DSUBST=<NAME=VALUE^^...>]
#         [-DACTUAL=<stem>] [-DEMULATOR=<program>] [-DWITH=<way>] -P RunCase.cmake
#
# EMULATOR runs a program built for another system (Wine for Windows). WITH
# runs it through with.sh, which gives it a full disk, a closed standard
# output, a reader that has gone or a folder as standard input.
# <stem>.out and <stem>.err hold the expected text (a missing file: nothing);
# @NAME@ in them stands for VALUE. The actual text is left in <ACTUAL>.out and
# <ACTUAL>.err for a look when they differ.
string(REPLACE "^^" ";" args "${ARGS}")
if(NOT DEFINED STATUS)
  set(STATUS 0)
endif()
set(input_option)
if(DEFINED STDIN)
  set(input_option INPUT_FILE "${STDIN}")
endif()

set(wrapper)
if(DEFINED WITH AND NOT WITH STREQUAL "")
  set(wrapper sh "${CMAKE_CURRENT_LIST_DIR}/with.sh" ${WITH})
endif()

execute_process(
  COMMAND ${wrapper} ${EMULATOR} "${EXE}" ${args}
  WORKING_DIRECTORY "${WORKDIR}"
  ${input_option}
  OUTPUT_VARIABLE out
  ERROR_VARIABLE err
  RESULT_VARIABLE status
  TIMEOUT 60)

function(expected_text suffix var)
  set(text "")
  if(EXISTS "${EXPECTED}.${suffix}")
    file(READ "${EXPECTED}.${suffix}" text)
  endif()
  string(REPLACE "^^" ";" pairs "${SUBST}")
  foreach(pair IN LISTS pairs)
    string(FIND "${pair}" "=" at)
    string(SUBSTRING "${pair}" 0 ${at} name)
    math(EXPR at "${at} + 1")
    string(SUBSTRING "${pair}" ${at} -1 value)
    string(REPLACE "@${name}@" "${value}" text "${text}")
  endforeach()
  set(${var} "${text}" PARENT_SCOPE)
endfunction()

expected_text(out want_out)
expected_text(err want_err)

set(failures "")
if(NOT "${status}" STREQUAL "${STATUS}")
  string(APPEND failures "exit status: expected ${STATUS}, got ${status}\n")
endif()
foreach(stream out err)
  if(NOT "${${stream}}" STREQUAL "${want_${stream}}")
    string(APPEND failures "std${stream} differs:\n--- expected\n${want_${stream}}--- got\n${${stream}}---\n")
  endif()
endforeach()
if(DEFINED ACTUAL)
  file(WRITE "${ACTUAL}.out" "${out}")
  file(WRITE "${ACTUAL}.err" "${err}")
endif()
if(failures)
  message(FATAL_ERROR "jaunt-sim ${args}\n${failures}")
endif()
