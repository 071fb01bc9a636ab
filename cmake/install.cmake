# Installing under a prefix (/usr in the package): the program in bin/, its data read-only in
# share/velmora/ (found relative to the executable), and what the desktop needs: the menu entry, the
# card document type, the icons, a manual page and the package documents.

# The help document, with its pictures carried inside, beside the executable as the other data.
add_executable(make_help tools/help_document/main.cpp)
target_link_libraries(make_help PRIVATE Qt6::Core)
file(GLOB help_pictures CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/help/*.png)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/tarsk.hlp
  COMMAND make_help ${PROJECT_SOURCE_DIR}/help/tarsk.html ${CMAKE_BINARY_DIR}/tarsk.hlp
  DEPENDS make_help ${PROJECT_SOURCE_DIR}/help/tarsk.html ${help_pictures}
  COMMENT "Writing the help document")
add_custom_target(velmora_help ALL DEPENDS ${CMAKE_BINARY_DIR}/tarsk.hlp)
add_dependencies(velmora_help velmora_data)
add_dependencies(velmora velmora_help)

# The icons are drawn by hand as SVG; the theme's fixed sizes are rendered from them at build time.
add_executable(render_icons tools/icons/main.cpp)
target_link_libraries(render_icons PRIVATE Qt6::Gui Qt6::Svg)
set(velmora_icon_sizes 16 22 24 32 48 64 128 256)
set(velmora_icon_theme ${CMAKE_BINARY_DIR}/icons/hicolor)
set(velmora_icon_stamp ${velmora_icon_theme}/.rendered)
add_custom_command(OUTPUT ${velmora_icon_stamp}
  COMMAND render_icons ${PROJECT_SOURCE_DIR}/desktop/velmora.svg ${velmora_icon_theme} apps velmora
          ${velmora_icon_sizes}
  COMMAND render_icons ${PROJECT_SOURCE_DIR}/desktop/application-x-velmora-card.svg ${velmora_icon_theme}
          mimetypes application-x-velmora-card ${velmora_icon_sizes}
  COMMAND ${CMAKE_COMMAND} -E touch ${velmora_icon_stamp}
  DEPENDS render_icons ${PROJECT_SOURCE_DIR}/desktop/velmora.svg
          ${PROJECT_SOURCE_DIR}/desktop/application-x-velmora-card.svg
  COMMENT "Rendering the icons")
add_custom_target(velmora_icons ALL DEPENDS ${velmora_icon_stamp})

# Debian wants the manual page and the change log compressed with gzip -9n (no name or time stored).
set(VELMORA_MAINTAINER "Velmora maintainers <maintainers@velmora.example>")
set(VELMORA_PACKAGE_VERSION ${PROJECT_VERSION})
configure_file(${PROJECT_SOURCE_DIR}/desktop/changelog.in ${CMAKE_BINARY_DIR}/package/changelog @ONLY)
find_program(GZIP gzip REQUIRED)
foreach(doc desktop/velmora.1 ${CMAKE_BINARY_DIR}/package/changelog)
  get_filename_component(name ${doc} NAME)
  cmake_path(ABSOLUTE_PATH doc BASE_DIRECTORY ${PROJECT_SOURCE_DIR})
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/package/${name}.gz
    COMMAND ${GZIP} -9nc ${doc} > ${CMAKE_BINARY_DIR}/package/${name}.gz
    DEPENDS ${doc} VERBATIM)
  list(APPEND velmora_gzipped ${CMAKE_BINARY_DIR}/package/${name}.gz)
endforeach()
add_custom_target(velmora_package_docs ALL DEPENDS ${velmora_gzipped})

install(TARGETS velmora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS velmora_pdfjpeg LIBRARY DESTINATION ${VELMORA_INSTALL_MODULEDIR})
install(FILES ${CMAKE_BINARY_DIR}/msetpage.txt ${CMAKE_BINARY_DIR}/tarsk.hlp DESTINATION ${VELMORA_INSTALL_DATADIR})
# The build's own markers (.keep, .written, .drawn) stay behind.
foreach(folder Template CPhrase bkimages)
  install(DIRECTORY ${CMAKE_BINARY_DIR}/${folder} DESTINATION ${VELMORA_INSTALL_DATADIR} PATTERN ".*" EXCLUDE)
endforeach()
install(FILES desktop/velmora.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES desktop/velmora-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME velmora.xml)
install(DIRECTORY ${velmora_icon_theme}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor PATTERN ".*" EXCLUDE)
install(FILES desktop/velmora.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES desktop/application-x-velmora-card.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes)
install(FILES ${CMAKE_BINARY_DIR}/package/velmora.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES desktop/copyright ${CMAKE_BINARY_DIR}/package/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/velmora)
