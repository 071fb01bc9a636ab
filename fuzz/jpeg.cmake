# libFuzzer target for the JPEG loader, and the tool that writes its seed corpus.
# Include from fuzz/CMakeLists.txt in a clang build (CC=clang CXX=clang++ -DVELMORA_FUZZ=ON).
# Run: jpeg_fuzz_seeds CORPUS && jpeg_fuzz CORPUS -max_total_time=60
add_executable(jpeg_fuzz ${CMAKE_CURRENT_LIST_DIR}/jpeg_fuzz.cpp)
target_link_libraries(jpeg_fuzz PRIVATE velmora_jpeg)
target_compile_options(jpeg_fuzz PRIVATE -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined
                                         -fno-omit-frame-pointer)
target_link_options(jpeg_fuzz PRIVATE -fsanitize=fuzzer,address,undefined)
# Coverage feedback and checks inside the loader itself, not only in the target's own file.
target_compile_options(velmora_jpeg PRIVATE -fsanitize=fuzzer-no-link,address,undefined
                                            -fno-sanitize-recover=undefined -fno-omit-frame-pointer)

add_executable(jpeg_fuzz_seeds ${CMAKE_CURRENT_LIST_DIR}/jpeg_fuzz_seeds.cpp
                               ${PROJECT_SOURCE_DIR}/tests/jpeg/jpeg_samples.cpp)
target_include_directories(jpeg_fuzz_seeds PRIVATE ${PROJECT_SOURCE_DIR}/tests/jpeg)
target_link_libraries(jpeg_fuzz_seeds PRIVATE JPEG::JPEG Qt6::Gui)
