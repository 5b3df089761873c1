# `make install` (cmake --install): the simulator, the module it loads and
# the host library both need, the example scenarios, and the README with the
# pictures it shows, and the licence. The build tree gets copies of the
# shared files in the same places, so that jaunt-sim finds them the same way
# in both.

file(GLOB jaunt_example_scenarios CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/sim/scenarios/*.toml)
set(jaunt_documents ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE)
# The README's documents (docs/*.md) and their pictures go to docs/ beside it.
file(GLOB jaunt_pictures CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/*.png
     ${PROJECT_SOURCE_DIR}/docs/*.md)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/${jaunt_install_data_dir}/scenarios
                    ${CMAKE_BINARY_DIR}/${jaunt_install_doc_dir}/docs)
foreach(file IN LISTS jaunt_example_scenarios)
  configure_file(${file} ${CMAKE_BINARY_DIR}/${jaunt_install_data_dir}/scenarios/ COPYONLY)
endforeach()
foreach(file IN LISTS jaunt_documents)
  configure_file(${file} ${CMAKE_BINARY_DIR}/${jaunt_install_doc_dir}/ COPYONLY)
endforeach()
foreach(file IN LISTS jaunt_pictures)
  configure_file(${file} ${CMAKE_BINARY_DIR}/${jaunt_install_doc_dir}/docs/ COPYONLY)
endforeach()

# The program finds the host library, and the module finds it beside itself.
set_target_properties(jaunt-sim PROPERTIES INSTALL_RPATH "$ORIGIN/../${jaunt_install_module_dir}")
set_target_properties(JauntMFD PROPERTIES INSTALL_RPATH "$ORIGIN")
install(TARGETS jaunt-sim RUNTIME DESTINATION bin)
install(TARGETS JauntMFD jaunthost
  LIBRARY DESTINATION ${jaunt_install_module_dir}
  RUNTIME DESTINATION ${jaunt_install_module_dir})
install(FILES ${jaunt_example_scenarios} DESTINATION ${jaunt_install_data_dir}/scenarios)
install(FILES ${jaunt_documents} DESTINATION ${jaunt_install_doc_dir})
install(FILES ${jaunt_pictures} DESTINATION ${jaunt_install_doc_dir}/docs)
