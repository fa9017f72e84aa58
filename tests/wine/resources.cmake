# resources.cmake -- the 64-bit Windows build and the native build hold the same bitmap bytes and decode them alike
get_filename_component(kvrn_windows64_dir ${KVRN_SAVER_64} DIRECTORY)
add_test(NAME wine_resources_match_native
  COMMAND ${CMAKE_COMMAND}
          -DWINDOWS_DUMP=${kvrn_windows64_dir}/kvrn_resource_dump.exe
          -DNATIVE_DUMP=$<TARGET_FILE:kvrn_resource_dump_native>
          -DWINE_PREFIX=${CMAKE_CURRENT_BINARY_DIR}/wine-prefix-resources
          -DOUTPUT_DIR=${CMAKE_CURRENT_BINARY_DIR}/test-output
          -P ${CMAKE_CURRENT_SOURCE_DIR}/tests/wine/scripts/compare_resource_dumps.cmake)
set_tests_properties(wine_resources_match_native PROPERTIES TIMEOUT 180 LABELS wine)
