# JauntMFD.dll's version resource, from Version.rc.in beside this file: the
# product, the project's version and the licence, which Windows shows in the
# file's Properties. llvm-rc compiles it without Microsoft's SDK, and
# lld-link takes the .res file as one more input.
find_program(JAUNT_RC NAMES llvm-rc-14 llvm-rc REQUIRED)
# The holder as the licence names it: "Copyright (c) YEAR HOLDER".
file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE jauntCopyright REGEX "^Copyright " LIMIT_COUNT 1)
string(REGEX REPLACE "^Copyright \\(c\\) [0-9]+ " "" jauntCopyrightHolder "${jauntCopyright}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/Version.rc.in ${CMAKE_CURRENT_BINARY_DIR}/Version.rc @ONLY)
set(jauntVersionResource ${CMAKE_CURRENT_BINARY_DIR}/Version.res)
add_custom_command(
  OUTPUT ${jauntVersionResource}
  # Relative names: llvm-rc reads an absolute path such as /check/... as
  # its own /C option, whatever folder the project was cloned into.
  COMMAND ${JAUNT_RC} -no-preprocess -FO Version.res Version.rc
  WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
  DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/Version.rc
  COMMENT "Version resource Version.res")
set_source_files_properties(${jauntVersionResource} PROPERTIES EXTERNAL_OBJECT TRUE GENERATED TRUE)
