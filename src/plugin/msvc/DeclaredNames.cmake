# The names of the host that an object of the module's declarations leaves
# undefined (DeclaredNames.cpp built), for -P scripts: the build's x64 import
# list and the tests' checks. NM names llvm-nm.
#
#   declared_host_names(<object> <var>)
function(declared_host_names object var)
  execute_process(COMMAND ${NM} --undefined-only --format=just-symbols ${object}
                  OUTPUT_VARIABLE undefined RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "llvm-nm failed on ${object}")
  endif()
  string(REPLACE "\n" ";" undefined "${undefined}")
  set(names)
  foreach(symbol IN LISTS undefined)
    string(REGEX REPLACE "^__imp_" "" symbol "${symbol}")  # imported: through its pointer
    # C++ names; the C library's and the runtime's (operator delete, the
    # type descriptors' table) are not the host's.
    if(symbol MATCHES "^\\?" AND NOT symbol MATCHES "^\\?\\?(3@|_7type_info)")
      list(APPEND names "${symbol}")
    endif()
  endforeach()
  list(REMOVE_DUPLICATES names)
  list(SORT names)
  set(${var} "${names}" PARENT_SCOPE)
endfunction()
