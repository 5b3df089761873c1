# `make install` into a fresh prefix; then the installed jaunt-sim flies the
# jump script with the module it finds there, on an example scenario that it
# finds by name, and prints what the end-to-end test expects.
#   cmake -DBUILD=<build tree> -DWORKDIR=<e2e dir> -DPREFIX=<dir> -P Installed.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}"
                OUTPUT_QUIET ERROR_VARIABLE err RESULT_VARIABLE status)
if(status)
  message(FATAL_ERROR "cmake --install failed: ${err}")
endif()
foreach(file bin/jaunt-sim lib/jaunt-sim/JauntMFD.so share/doc/jaunt-sim/README.md
             share/doc/jaunt-sim/LICENSE)
  if(NOT EXISTS "${PREFIX}/${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

# Every picture the installed README shows is installed beside it.
file(READ "${PREFIX}/share/doc/jaunt-sim/README.md" readme)
string(REGEX MATCHALL "\\([^ ()]*\\.png\\)" links "${readme}")
if(NOT links)
  message(FATAL_ERROR "the installed README links no pictures")
endif()
foreach(link IN LISTS links)
  string(REGEX REPLACE "^\\((.*)\\)$" "\\1" picture "${link}")
  if(NOT EXISTS "${PREFIX}/share/doc/jaunt-sim/${picture}")
    message(FATAL_ERROR "the installed README shows ${picture}, which is not installed")
  endif()
endforeach()

# A scenario where an install keeps its examples, found by its name alone;
# a name of its own, as the examples are found by theirs.
file(COPY_FILE "${WORKDIR}/scenarios/glider_world.toml"
     "${PREFIX}/share/jaunt-sim/scenarios/jump_test_world.toml")
execute_process(
  COMMAND "${PREFIX}/bin/jaunt-sim" --scenario jump_test_world
          --script "${WORKDIR}/scripts/jump.script"
  WORKING_DIRECTORY "${PREFIX}"
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status TIMEOUT 60)
file(READ "${WORKDIR}/expected/jump.out" want)
if(NOT status EQUAL 0 OR NOT err STREQUAL "" OR NOT out STREQUAL want)
  message(FATAL_ERROR "installed jaunt-sim: status ${status}\n${err}--- got\n${out}")
endif()
