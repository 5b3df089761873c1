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
include(${CMAKE_CURRENT_LIST_DIR}/../../src/plugin/msvc/DeclaredNames.cmake)

set(names ${NAMES})
if(OBJECT)
  declared_host_names(${OBJECT} names)
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
