# native-fuzz.cmake -- the bitmap decoder's libFuzzer target, built with clang, and a one-minute fuzz session as a test
# The rest of the native build may use another compiler, so the fuzzer is
# compiled by a custom command. Without clang the test is reported as skipped.
find_program(KVRN_CLANGXX NAMES clang++ clang++-14)

set(KVRN_FUZZ_SEEDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/fuzz/corpus ${CMAKE_CURRENT_SOURCE_DIR}/tests/data/roundtrip)
if(KVRN_CLANGXX)
  set(KVRN_BITMAP_FUZZER ${CMAKE_CURRENT_BINARY_DIR}/bitmap_decoder_fuzz)
  set(kvrn_fuzz_sources
    ${CMAKE_CURRENT_SOURCE_DIR}/tests/fuzz/bitmap_decoder_fuzz.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/assets/bitmap_decoder.cpp)
  add_custom_command(
    OUTPUT ${KVRN_BITMAP_FUZZER}
    COMMAND ${KVRN_CLANGXX} -std=c++17 -g -O1 -Wall -Wextra -Werror
            -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined
            -I${CMAKE_CURRENT_SOURCE_DIR} ${kvrn_fuzz_sources} -o ${KVRN_BITMAP_FUZZER}
    DEPENDS ${kvrn_fuzz_sources} ${CMAKE_CURRENT_SOURCE_DIR}/assets/bitmap_decoder.h
            ${CMAKE_CURRENT_SOURCE_DIR}/assets/resource_bytes.h
    COMMENT "Building the bitmap decoder fuzzer with clang"
    VERBATIM)
  add_custom_target(kvrn_bitmap_fuzzer ALL DEPENDS ${KVRN_BITMAP_FUZZER})

  # New inputs go to the build tree; the committed seeds are only read.
  set(kvrn_fuzz_work ${CMAKE_CURRENT_BINARY_DIR}/fuzz-corpus)
  file(MAKE_DIRECTORY ${kvrn_fuzz_work})
  add_test(NAME bitmap_decoder_fuzz
    COMMAND ${KVRN_BITMAP_FUZZER} -max_total_time=60 -rss_limit_mb=1536 -max_len=65536
            -artifact_prefix=${CMAKE_CURRENT_BINARY_DIR}/fuzz- ${kvrn_fuzz_work} ${KVRN_FUZZ_SEEDS})
  set_tests_properties(bitmap_decoder_fuzz PROPERTIES TIMEOUT 240 LABELS fuzz)
else()
  message(STATUS "clang++ not found: the bitmap decoder fuzz session will be skipped")
  add_test(NAME bitmap_decoder_fuzz COMMAND ${CMAKE_COMMAND} -E echo "clang++ not found; fuzz session skipped")
  set_tests_properties(bitmap_decoder_fuzz PROPERTIES SKIP_REGULAR_EXPRESSION "skipped" LABELS fuzz)
endif()
