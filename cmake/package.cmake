# The Debian package, made with `cpack -G DEB` in the build folder: velmora_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT ${VELMORA_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${VELMORA_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "business-card designer with many-up sheet printing")
# No line may start with a full stop: dpkg reads such a line as a control statement.
set(CPACK_PACKAGE_DESCRIPTION
    "Velmora composes one business card from shapes, letter-spaced text,
pictures, catch-phrase pictures and a background picture, saves it as a
card document (.zrd), and prints it many-up on a sheet laid out by named
layout presets, with a print preview and crop marks. It comes with
templates, catch-phrase and background pictures and a help document.
Its window and messages are Japanese.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_STRIP_FILES ON)
# The libraries come from dpkg-shlibdeps; what no library names comes from the run-time list: every
# entry there that is not a shared library package (the fonts).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
file(STRINGS ${PROJECT_SOURCE_DIR}/scripts/runtime-packages.txt velmora_runtime REGEX "^[a-z0-9]")
set(velmora_extra_depends)
foreach(line IN LISTS velmora_runtime)
  string(REGEX MATCH "^[^ \t]+" package "${line}")
  if(NOT package MATCHES "^lib")
    list(APPEND velmora_extra_depends ${package})
  endif()
endforeach()
list(JOIN velmora_extra_depends ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
include(CPack)
