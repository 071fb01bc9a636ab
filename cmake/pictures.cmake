# The catch-phrase and background pictures are drawn by a tool at build time and land beside the
# executable, in CPhrase/ and bkimages/.
add_executable(card_pictures tools/card_pictures/main.cpp tools/card_pictures/catch_phrases.cpp
                             tools/card_pictures/backgrounds.cpp)
target_link_libraries(card_pictures PRIVATE Qt6::Gui)
set(velmora_pictures_stamp ${CMAKE_BINARY_DIR}/CPhrase/.drawn)
add_custom_command(OUTPUT ${velmora_pictures_stamp}
  COMMAND $<TARGET_FILE:card_pictures> ${CMAKE_BINARY_DIR}/CPhrase ${CMAKE_BINARY_DIR}/bkimages
  COMMAND ${CMAKE_COMMAND} -E touch ${velmora_pictures_stamp}
  DEPENDS card_pictures
  COMMENT "Drawing the catch-phrase and background pictures")
add_custom_target(velmora_pictures ALL DEPENDS ${velmora_pictures_stamp})
# After the data copy, so the folders exist and nothing copied over them later.
add_dependencies(velmora_pictures velmora_data)
add_dependencies(velmora velmora_pictures)
