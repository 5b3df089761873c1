# Import libraries for the Microsoft ABI, made from the .def files beside
# this one: jaunt_import_<name> for Orbiter.exe, msvcrt.dll, KERNEL32.dll and
# GDI32.dll. -k drops the @n of stdcall names from the names looked up.
foreach(name Orbiter msvcrt kernel32 gdi32)
  set(lib ${CMAKE_BINARY_DIR}/imports/${name}.lib)
  add_custom_command(
    OUTPUT ${lib}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/imports
    COMMAND ${JAUNT_DLLTOOL} -m i386 -k -d ${CMAKE_CURRENT_LIST_DIR}/${name}.def -l ${lib}
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/${name}.def
    COMMENT "Import library ${name}.lib")
  add_custom_target(jaunt_import_${name}_lib DEPENDS ${lib})
  add_library(jaunt_import_${name} INTERFACE)
  target_link_libraries(jaunt_import_${name} INTERFACE ${lib})
  add_dependencies(jaunt_import_${name} jaunt_import_${name}_lib)
endforeach()
