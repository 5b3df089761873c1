cmake_minimum_required(VERSION 3.25)
# The names the module's declarations of the host's interface produce, all
# of them and not only those the module imports today: each must be, name
# for name, one the stand-in Orbiter.exe exports from the host's own
# declarations (a result declared without the host's const differs there
# alone), and one the host's published export list holds, when at hand.
# The names are the undefined ones of an object that calls every declared
# service and member (OBJECT), or given (NAMES), to show that a wrong one
# fails.
#
#   cmake -DORBITER=<Orbiter.exe> -DREADOBJ=<llvm-readobj> -DUNDNAME=<llvm-undname>
#         -DNM=<llvm-nm> (-DOBJECT=<probe.obj> | -DNAMES=<name;...>)
#         [-DHOST_EXPORTS=<list>] -P host_declarations_test.cmake
include(${CMAKE_CURRENT_LIST_DIR}/HostNames.cmake)

set(names ${NAMES})
if(OBJECT)
  execute_process(COMMAND ${NM} --undefined-only --format=just-symbols ${OBJECT}
                  OUTPUT_VARIABLE undefined RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "llvm-nm failed on ${OBJECT}")
  endif()
  string(REPLACE "\n" ";" undefined "${undefined}")
  foreach(symbol IN LISTS undefined)
    string(REGEX REPLACE "^__imp_" "" symbol "${symbol}")  # imported: through its pointer
    # C++ names; the C library's and the runtime's (operator delete, the
    # type descriptors' table) are not the host's.
    if(symbol MATCHES "^\\?" AND NOT symbol MATCHES "^\\?\\?(3@|_7type_info)")
      list(APPEND names "${symbol}")
    endif()
  endforeach()
endif()
list(LENGTH names count)
if(count EQUAL 0)
  message(FATAL_ERROR "no names to check")
endif()

read_coff_names(${ORBITER} hostNames unused)
read_host_list(hostList)
foreach(symbol IN LISTS names)
  check_host_name("${symbol}" "${hostNames}" "${hostList}")
endforeach()
message(STATUS "${count} names the module's declarations produce, each the host's")
