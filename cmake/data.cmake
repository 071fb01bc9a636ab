# The program reads its data files from beside the executable, so the build
# folder gets a copy and the program runs from there.
add_custom_target(velmora_data ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_SOURCE_DIR}/data
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/data ${CMAKE_BINARY_DIR}
  COMMENT "Copying data files beside the executable")
add_dependencies(velmora velmora_data)
