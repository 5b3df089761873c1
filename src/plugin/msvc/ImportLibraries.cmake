# Import libraries for the Microsoft ABI: jaunt_import_<name> for Orbiter.exe,
# msvcrt.dll, KERNEL32.dll and GDI32.dll.
#
# The 32-bit host's names are those of the .def files beside this one;
# Orbiter.def records with each name the signature the host's published list
# gives it. Its system calls are stdcall, named with their @n, which -k drops
# from the names looked up.
#
# The 64-bit host publishes no list. Its Orbiter.def is made from the names
# the module's declarations compile to (DeclaredNames.cpp, the object
# library jaunt_declared_names), and its system lists are the 32-bit ones
# without the @n; the tests hold the names against the stand-in host's own.
if(JAUNT_MSVC_ARCH STREQUAL "x86_64")
  set(machine i386:x86-64)
  set(keepNames)
else()
  set(machine i386)
  set(keepNames -k)
endif()
set(importDir ${CMAKE_BINARY_DIR}/imports)
foreach(name Orbiter msvcrt kernel32 gdi32)
  set(def ${CMAKE_CURRENT_LIST_DIR}/${name}.def)
  if(JAUNT_MSVC_ARCH STREQUAL "x86_64")
    set(source ${def})
    set(def ${importDir}/${name}.def)
    if(name STREQUAL "Orbiter")
      set(from -DNM=${JAUNT_NM} "-DOBJECT=$<TARGET_OBJECTS:jaunt_declared_names>")
      set(inputs $<TARGET_OBJECTS:jaunt_declared_names>)
    else()
      set(from -DFROM=${source})
      set(inputs ${source})
    endif()
    add_custom_command(
      OUTPUT ${def}
      COMMAND ${CMAKE_COMMAND} -DOUT=${def} ${from} -P ${CMAKE_CURRENT_LIST_DIR}/X64ImportList.cmake
      DEPENDS ${inputs} ${CMAKE_CURRENT_LIST_DIR}/X64ImportList.cmake
              ${CMAKE_CURRENT_LIST_DIR}/DeclaredNames.cmake
      COMMENT "Import list ${name}.def for the 64-bit host")
  endif()
  set(lib ${importDir}/${name}.lib)
  add_custom_command(
    OUTPUT ${lib}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${importDir}
    COMMAND ${JAUNT_DLLTOOL} -m ${machine} ${keepNames} -d ${def} -l ${lib}
    DEPENDS ${def}
    COMMENT "Import library ${name}.lib")
  add_custom_target(jaunt_import_${name}_lib DEPENDS ${lib})
  add_library(jaunt_import_${name} INTERFACE)
  target_link_libraries(jaunt_import_${name} INTERFACE ${lib})
  add_dependencies(jaunt_import_${name} jaunt_import_${name}_lib)
endforeach()
