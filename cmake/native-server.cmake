# native-server.cmake -- kvrn_scored, the high-score server (cpp-httplib and SQLite), its tests and its benchmark
find_package(Threads REQUIRED)
include(GoogleTest)
pkg_check_modules(HTTPLIB REQUIRED IMPORTED_TARGET cpp-httplib)
pkg_check_modules(SQLITE REQUIRED IMPORTED_TARGET sqlite3)

file(GLOB KVRN_SERVER_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/server/*.cpp)
list(FILTER KVRN_SERVER_SOURCES EXCLUDE REGEX "scored_(main|bench)\\.cpp$")
add_library(kvrn_server STATIC ${KVRN_SERVER_SOURCES})
kvrn_common_settings(kvrn_server)
target_link_libraries(kvrn_server PUBLIC PkgConfig::HTTPLIB PkgConfig::SQLITE Threads::Threads)

add_executable(kvrn_scored ${CMAKE_CURRENT_SOURCE_DIR}/server/scored_main.cpp)
kvrn_common_settings(kvrn_scored)
target_link_libraries(kvrn_scored PRIVATE kvrn_server)

# A tool, not a test: submissions and page renders per second on loopback.
add_executable(kvrn_scored_bench ${CMAKE_CURRENT_SOURCE_DIR}/server/scored_bench.cpp)
kvrn_common_settings(kvrn_scored_bench)
target_link_libraries(kvrn_scored_bench PRIVATE kvrn_server)

file(GLOB KVRN_SERVER_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/server/*.cpp)
add_executable(kvrn_server_tests ${KVRN_SERVER_TEST_SOURCES})
kvrn_common_settings(kvrn_server_tests)
target_link_libraries(kvrn_server_tests PRIVATE kvrn_server GTest::gtest GTest::gtest_main)
gtest_discover_tests(kvrn_server_tests DISCOVERY_TIMEOUT 60)

# The server as a process on a free loopback port, and in headless Chromium.
set(KVRN_SCORED_OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/test-output/scored)
foreach(scenario saver_and_rate load_restart browser)
  add_test(NAME scored_${scenario}
    COMMAND /usr/bin/python3 ${CMAKE_CURRENT_SOURCE_DIR}/tests/server/scored_test.py ${scenario}
      $<TARGET_FILE:kvrn_scored> ${KVRN_SCORED_OUTPUT})
  set_tests_properties(scored_${scenario} PROPERTIES TIMEOUT 300 ENVIRONMENT "PYTHONDONTWRITEBYTECODE=1")
endforeach()
