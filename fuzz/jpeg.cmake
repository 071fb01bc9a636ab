# libFuzzer target for the JPEG loader, and the tool that writes its seed corpus; included from
# fuzz/CMakeLists.txt, which defines velmora_fuzz_target.
add_executable(jpeg_fuzz_seeds ${CMAKE_CURRENT_LIST_DIR}/jpeg_fuzz_seeds.cpp
                               ${PROJECT_SOURCE_DIR}/tests/jpeg/jpeg_samples.cpp)
target_include_directories(jpeg_fuzz_seeds PRIVATE ${PROJECT_SOURCE_DIR}/tests/jpeg)
target_link_libraries(jpeg_fuzz_seeds PRIVATE JPEG::JPEG Qt6::Gui)
# Coverage feedback and checks inside the loader itself, not only in the target's own file.
velmora_fuzz_target(jpeg_fuzz SOURCE ${CMAKE_CURRENT_LIST_DIR}/jpeg_fuzz.cpp
                    INSTRUMENT velmora_jpeg velmora_platform
                    SEED_TOOL jpeg_fuzz_seeds)
