# The shipped templates, Template/*.tpl beside the executable, written at build time by a tool that
# builds each card with the editor's objects and saves it with the program's own document writer, so
# they stay readable as the format code changes.
file(GLOB template_tool_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tools/templates/*.cpp)
add_executable(make_templates ${template_tool_sources})
target_link_libraries(make_templates PRIVATE velmora_app)
set(template_stamp ${CMAKE_BINARY_DIR}/Template/.written)
add_custom_command(OUTPUT ${template_stamp}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:make_templates> ${CMAKE_BINARY_DIR}/Template
  COMMAND ${CMAKE_COMMAND} -E touch ${template_stamp}
  DEPENDS make_templates
  COMMENT "Writing the templates")
add_custom_target(velmora_templates ALL DEPENDS ${template_stamp})
add_dependencies(velmora_templates velmora_data)
add_dependencies(velmora velmora_templates)
