# velmora_layer(NAME DEPS...): a static library of src/NAME/*.cpp; an interface
# library while the layer has no sources yet.
function(velmora_layer name)
  file(GLOB sources CONFIGURE_DEPENDS
       ${PROJECT_SOURCE_DIR}/src/${name}/*.cpp
       ${PROJECT_SOURCE_DIR}/src/${name}/*.c
       ${PROJECT_SOURCE_DIR}/src/${name}/*.h)
  list(FILTER sources INCLUDE REGEX "\\.(c|cpp)$")
  if(sources)
    file(GLOB headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${name}/*.h)
    add_library(velmora_${name} STATIC ${sources} ${headers})
    target_include_directories(velmora_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(velmora_${name} PUBLIC ${ARGN})
  else()
    add_library(velmora_${name} INTERFACE)
    target_include_directories(velmora_${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(velmora_${name} INTERFACE ${ARGN})
  endif()
endfunction()
