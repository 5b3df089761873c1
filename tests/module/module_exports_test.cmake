# The module exports exactly its seven entry points and nothing else.
execute_process(COMMAND nm -D --defined-only ${MODULE}
                OUTPUT_VARIABLE symbols RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "nm failed on ${MODULE}")
endif()
string(REGEX MATCHALL "[^ \n]+\n" lines "${symbols}")
set(names "")
foreach(line ${lines})
  string(STRIP "${line}" name)
  list(APPEND names ${name})
endforeach()
list(SORT names)
set(expected __opcGetInterface opcCloseRenderViewport opcDLLExit opcDLLInit opcDeleteVessel
             opcPreStep opcTimestep)
if(NOT names STREQUAL expected)
  message(FATAL_ERROR "exports are '${names}', expected '${expected}'")
endif()
