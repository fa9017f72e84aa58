# native-tools.cmake -- the headless runner: the real frame function offscreen, driven by a replay script
add_executable(kvrn_headless_runner ${CMAKE_CURRENT_SOURCE_DIR}/tools/headless_runner.cpp)
kvrn_common_settings(kvrn_headless_runner)
target_link_libraries(kvrn_headless_runner PRIVATE kvrn_core)

# The runner end to end: a short run through the title with two shots.
set(KVRN_RUNNER_OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/test-output/runner)
add_test(NAME headless_runner_writes_shots
  COMMAND ${CMAKE_COMMAND}
    -DRUNNER=$<TARGET_FILE:kvrn_headless_runner>
    -DSCRIPT=${CMAKE_CURRENT_SOURCE_DIR}/tests/scripts/runner_title.txt
    -DOUT=${KVRN_RUNNER_OUTPUT}
    -P ${CMAKE_CURRENT_SOURCE_DIR}/tests/scripts/check_runner.cmake)
set_tests_properties(headless_runner_writes_shots PROPERTIES ENVIRONMENT "LP_NUM_THREADS=2")
add_test(NAME headless_runner_rejects_bad_script
  COMMAND kvrn_headless_runner --size 64x48 --out ${KVRN_RUNNER_OUTPUT}
    ${CMAKE_CURRENT_SOURCE_DIR}/tests/scripts/runner_bad_line.txt)
set_tests_properties(headless_runner_rejects_bad_script PROPERTIES WILL_FAIL TRUE)
