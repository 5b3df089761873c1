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

# Every document and picture the installed README and its documents link
# is installed where the link leads.
set(doc "${PREFIX}/share/doc/jaunt-sim")
file(GLOB documents "${doc}/README.md" "${doc}/docs/*.md")
set(pictures 0)
foreach(document IN LISTS documents)
  get_filename_component(folder "${document}" DIRECTORY)
  file(READ "${document}" text)
  # Links are "](TARGET)"; their brackets would keep a CMake list from
  # splitting, so they go first.
  string(REPLACE "](" "{link}(" text "${text}")
  string(REGEX MATCHALL "{link}\\([^ ();]+\\)" links "${text}")
  foreach(link IN LISTS links)
    # The file a link leads to, without its place in it; none for a place
    # in the document itself or a page on the web.
    string(REGEX REPLACE "^{link}\\(([^#]*).*\\)$" "\\1" target "${link}")
    if(target STREQUAL "" OR target MATCHES "://")
      continue()
    endif()
    if(NOT EXISTS "${folder}/${target}")
      message(FATAL_ERROR "${document} links ${target}, which is not installed")
    endif()
    if(target MATCHES "\\.png$")
      math(EXPR pictures "${pictures} + 1")
    endif()
  endforeach()
endforeach()
if(pictures EQUAL 0)
  message(FATAL_ERROR "the installed documents link no pictures")
endif()

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
