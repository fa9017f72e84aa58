# native-benchmark.cmake -- the frame-rate and start-up benchmark (a tool, not a ctest test)
add_executable(kvrn_benchmark ${CMAKE_CURRENT_SOURCE_DIR}/tools/benchmark.cpp)
kvrn_common_settings(kvrn_benchmark)
target_link_libraries(kvrn_benchmark PRIVATE kvrn_core)
