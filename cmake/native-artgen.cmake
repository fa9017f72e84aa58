# native-artgen.cmake -- checks that the committed bitmaps, icon and fixtures are what tools/artgen/generate.py writes
# The build never runs the generator; this test only compares. It needs
# Debian's Python with PIL and reports itself skipped without it.
add_test(NAME generated_files_are_current
  COMMAND /usr/bin/python3 ${CMAKE_CURRENT_SOURCE_DIR}/tools/artgen/generate.py
          --out ${CMAKE_CURRENT_BINARY_DIR}/artgen-check --check)
set_tests_properties(generated_files_are_current PROPERTIES TIMEOUT 300 SKIP_RETURN_CODE 77 LABELS artgen)
