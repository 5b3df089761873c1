# The script's help as a reader takes it: every example `help` prints runs
# as written on the built-in world, after the line it says it needs
# ("close 2 (after open)"), each in a program of its own.
#   cmake -DEXE=<jaunt-sim> -DOUT=<folder for the scripts and what they write>
#         -P HelpExamples.cmake
file(REMOVE_RECURSE "${OUT}")
file(MAKE_DIRECTORY "${OUT}")
file(WRITE "${OUT}/help.script" "help\n")
execute_process(COMMAND "${EXE}" --script "${OUT}/help.script"
                OUTPUT_VARIABLE help RESULT_VARIABLE status TIMEOUT 60)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "help: status ${status}")
endif()
string(REPLACE ";" "," help "${help}")  # a semicolon would split CMake's list
string(REGEX MATCHALL "[^\n]*\n" rows "${help}")
list(POP_FRONT rows heading)
string(FIND "${heading}" "example" column)
set(count 0)
foreach(row IN LISTS rows)
  if(NOT row MATCHES "^  ")
    break()  # the table ends; what follows is prose
  endif()
  string(SUBSTRING "${row}" ${column} -1 example)
  string(STRIP "${example}" example)
  if(example MATCHES "^(.*) \\(after (.*)\\)$")
    set(script "${CMAKE_MATCH_2}\n${CMAKE_MATCH_1}\n")
  else()
    set(script "${example}\n")
  endif()
  math(EXPR count "${count} + 1")
  file(WRITE "${OUT}/example${count}.script" "${script}")
  execute_process(COMMAND "${EXE}" --script "${OUT}/example${count}.script"
                  WORKING_DIRECTORY "${OUT}"
                  OUTPUT_QUIET ERROR_VARIABLE err RESULT_VARIABLE status TIMEOUT 60)
  if(NOT status EQUAL 0 OR NOT err STREQUAL "")
    message(SEND_ERROR "example \"${example}\": status ${status}\n${err}")
  endif()
endforeach()
if(count LESS 20)
  message(FATAL_ERROR "only ${count} examples found in the help")
endif()
