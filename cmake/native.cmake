# Native Linux build: the portable core, its tests, the headless runner, and
# the two Windows builds driven as external projects so that one ctest run
# covers everything.
find_package(GTest REQUIRED)
find_package(PkgConfig REQUIRED)
pkg_check_modules(OSMESA REQUIRED IMPORTED_TARGET osmesa)
enable_testing()

# The unit suite's second build in tools/test_all.sh: every report of either
# sanitizer ends the run with a failure.
option(KVRN_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(KVRN_SANITIZE)
  add_compile_options(-O1 -fno-omit-frame-pointer -fsanitize=address,undefined -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

add_library(kvrn_core STATIC ${KVRN_PORTABLE_SOURCES} ${KVRN_NATIVE_SOURCES})
kvrn_common_settings(kvrn_core)
target_link_libraries(kvrn_core PUBLIC PkgConfig::OSMESA m)

# Subsystems may add generated sources, tools and tests of their own.
file(GLOB KVRN_NATIVE_EXTRAS CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/cmake/native-*.cmake)
foreach(extra ${KVRN_NATIVE_EXTRAS})
  include(${extra})
endforeach()

file(GLOB KVRN_TEST_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_SOURCE_DIR}/tests/unit/*.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/tests/support/*.cpp)
add_executable(kvrn_tests ${KVRN_TEST_SOURCES})
kvrn_common_settings(kvrn_tests)
target_link_libraries(kvrn_tests PRIVATE kvrn_core GTest::gtest GTest::gtest_main)
include(GoogleTest)
gtest_discover_tests(kvrn_tests
  WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
  PROPERTIES ENVIRONMENT "KVRN_TEST_OUTPUT=${CMAKE_CURRENT_BINARY_DIR}/test-output;LP_NUM_THREADS=2"
  DISCOVERY_TIMEOUT 60)
# The same tests once more, all in one process and in a shuffled order: no
# test may lean on what another left behind (the seed is printed on failure).
add_test(NAME unit_tests_one_process_shuffled COMMAND kvrn_tests --gtest_shuffle --gtest_brief=1
  WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
set_tests_properties(unit_tests_one_process_shuffled PROPERTIES TIMEOUT 1200
  ENVIRONMENT "KVRN_TEST_OUTPUT=${CMAKE_CURRENT_BINARY_DIR}/test-output;LP_NUM_THREADS=2")

# The folders keep their one-way order.
add_test(NAME layer_order COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/build/layer_order_test.sh
  ${CMAKE_CURRENT_SOURCE_DIR})

add_test(NAME default_score_host_is_localhost
  COMMAND ${CMAKE_COMMAND} -DSOURCE=${CMAKE_CURRENT_SOURCE_DIR} -DOUT=${CMAKE_CURRENT_BINARY_DIR}/default-host-check
          -P ${CMAKE_CURRENT_SOURCE_DIR}/tests/scripts/check_default_score_host.cmake)

# The Windows saver, i686 (release) and x86_64 (run by the Wine tests).
option(KVRN_WINDOWS_BUILDS "Cross-build the Windows saver and run the Wine tests" ON)
if(KVRN_WINDOWS_BUILDS)
  include(ExternalProject)
  foreach(arch i686 x86_64)
    ExternalProject_Add(saver_${arch}
      SOURCE_DIR ${CMAKE_CURRENT_SOURCE_DIR}
      BINARY_DIR ${CMAKE_CURRENT_BINARY_DIR}/windows-${arch}
      CMAKE_ARGS
        -DCMAKE_TOOLCHAIN_FILE=${CMAKE_CURRENT_SOURCE_DIR}/cmake/toolchain-${arch}-w64-mingw32.cmake
        -DCMAKE_BUILD_TYPE=Release
        -DKVRN_SCORE_HOST=${KVRN_SCORE_HOST}
      INSTALL_COMMAND ""
      BUILD_ALWAYS ON
      USES_TERMINAL_BUILD ON)
  endforeach()
  set(KVRN_SAVER_32 ${CMAKE_CURRENT_BINARY_DIR}/windows-i686/kvrnpss.scr)
  set(KVRN_SAVER_64 ${CMAKE_CURRENT_BINARY_DIR}/windows-x86_64/kvrnpss64.scr)
  set(KVRN_TEST_PROGRAMS_64 ${CMAKE_CURRENT_BINARY_DIR}/windows-x86_64/test-programs)
  set(KVRN_MSI_32 ${CMAKE_CURRENT_BINARY_DIR}/windows-i686/kvrnpss.msi)
  set(KVRN_MSI_64 ${CMAKE_CURRENT_BINARY_DIR}/windows-x86_64/kvrnpss64.msi)
  # kvrn_add_wine_test(NAME script.py): a Python script run with Debian's python3 and
  # tests/wine/wine_harness.py, given the saver, the helper programs and a cache folder
  # for the pristine Wine prefix, the installers and the version. Each run makes its own Xvfb display and prefix.
  function(kvrn_add_wine_test name script)
    add_test(NAME ${name} COMMAND /usr/bin/python3 ${script})
    set_tests_properties(${name} PROPERTIES
      TIMEOUT 900
      ENVIRONMENT "KVRN_SAVER_64=${KVRN_SAVER_64};KVRN_TEST_PROGRAMS=${KVRN_TEST_PROGRAMS_64};KVRN_MSI_32=${KVRN_MSI_32};KVRN_MSI_64=${KVRN_MSI_64};KVRN_VERSION=${PROJECT_VERSION};KVRN_WINE_CACHE=${CMAKE_BINARY_DIR}/wine-cache;PYTHONPATH=${CMAKE_SOURCE_DIR}/tests/wine;PYTHONDONTWRITEBYTECODE=1")
  endfunction()
  file(GLOB KVRN_WINE_TESTS CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/wine/*.cmake)
  foreach(wine_test ${KVRN_WINE_TESTS})
    include(${wine_test})
  endforeach()
endif()
