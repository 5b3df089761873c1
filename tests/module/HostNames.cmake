# Helpers of the checks that hold names against the real host's: what a
# Windows binary exports and imports, and a name's signature as the host's
# published export list prints it. Include from a -P script; READOBJ and
# UNDNAME name llvm-readobj and llvm-undname.

# Signatures compared without their blanks, which the two spell differently.
function(squeeze text var)
  string(REGEX REPLACE "[ \t\r\n]" "" text "${text}")
  set(${var} "${text}" PARENT_SCOPE)
endfunction()

# Microsoft's demangler leaves out the const of a function's result (the
# list has "void * ... GetHandle(void)const" for a const void* result);
# llvm-undname keeps it. Dropped from both, the two spellings meet. Only
# the names themselves tell such results apart.
function(without_result_const signature var)
  string(REGEX REPLACE "const(__(cdecl|thiscall|stdcall|fastcall))" "\\1" signature "${signature}")
  set(${var} "${signature}" PARENT_SCOPE)
endfunction()

# A signature as both of the host's builds share it: the 32-bit host's
# members are thiscall and its functions cdecl, the 64-bit host's all one
# convention, which the demangler prints as __cdecl.
function(without_conventions signature var)
  string(REGEX REPLACE "__(cdecl|thiscall)" "" signature "${signature}")
  set(${var} "${signature}" PARENT_SCOPE)
endfunction()

# The signature of a mangled name, squeezed and without its result's const.
function(host_signature symbol var)
  execute_process(COMMAND ${UNDNAME} "${symbol}" OUTPUT_VARIABLE undecorated)
  string(REPLACE "\n" ";" undecorated "${undecorated}")
  list(GET undecorated 1 signature)
  squeeze("${signature}" signature)
  without_result_const("${signature}" signature)
  set(${var} "${signature}" PARENT_SCOPE)
endfunction()

# The names `binary` exports into `exports_var`, and "DLL|name" for each name
# it imports into `imports_var`.
function(read_coff_names binary exports_var imports_var)
  execute_process(COMMAND ${READOBJ} --coff-exports --coff-imports ${binary}
                  OUTPUT_VARIABLE dump RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "llvm-readobj failed on ${binary}")
  endif()
  # Exports: "Export {" blocks with "Name: X"; imports: "Import {" blocks
  # with "Name: DLL" and then "Symbol: X (ordinal)" lines.
  string(REPLACE "\n" ";" lines "${dump}")
  set(exports)
  set(imports)
  set(block)
  set(dll)
  foreach(line IN LISTS lines)
    string(STRIP "${line}" line)
    if(line MATCHES "^Export {")
      set(block export)
    elseif(line MATCHES "^Import {")
      set(block import)
    elseif(line MATCHES "^Name: (.*)$")
      if(block STREQUAL "export" AND NOT CMAKE_MATCH_1 STREQUAL "")
        list(APPEND exports "${CMAKE_MATCH_1}")
      elseif(block STREQUAL "import")
        set(dll "${CMAKE_MATCH_1}")
      endif()
    elseif(line MATCHES "^Symbol: ([^ ]+)" AND block STREQUAL "import")
      list(APPEND imports "${dll}|${CMAKE_MATCH_1}")
    endif()
  endforeach()
  set(${exports_var} "${exports}" PARENT_SCOPE)
  set(${imports_var} "${imports}" PARENT_SCOPE)
endfunction()

# The host's published export list (HOST_EXPORTS), each line squeezed and
# without its result's const; empty when the list is not at hand.
function(read_host_list var)
  set(list)
  if(HOST_EXPORTS AND EXISTS "${HOST_EXPORTS}")
    file(STRINGS "${HOST_EXPORTS}" hostLines)
    foreach(hostLine IN LISTS hostLines)
      squeeze("${hostLine}" hostLine)
      without_result_const("${hostLine}" hostLine)
      list(APPEND list "${hostLine}")
    endforeach()
    message(STATUS "checking against the host's export list ${HOST_EXPORTS}")
  elseif(HOST_EXPORTS)
    message(STATUS "the host's export list ${HOST_EXPORTS} is not at hand")
  else()
    message(STATUS "no export list is published for this build of the host")
  endif()
  set(${var} "${list}" PARENT_SCOPE)
endfunction()

# Fails unless `symbol` is, name for name, one the stand-in host (whose
# exports are `host_names`) exports, and its signature a line of the host's
# list `host_list` when that is at hand.
function(check_host_name symbol host_names host_list)
  list(FIND host_names "${symbol}" at)
  if(at EQUAL -1)
    host_signature("${symbol}" signature)
    message(FATAL_ERROR "not the host's name: ${symbol} (${signature}); "
                        "the host declares it otherwise")
  endif()
  if(host_list)
    host_signature("${symbol}" signature)
    list(FIND host_list "${signature}" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "not in the host's list: ${symbol} (${signature})")
    endif()
  endif()
endfunction()
