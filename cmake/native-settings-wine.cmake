# native-settings-wine.cmake -- an x86_64 saver whose score server is 127.0.0.1, for the settings-dialog Wine tests
option(KVRN_WINDOWS_BUILDS "Cross-build the Windows saver and run the Wine tests" ON)
if(KVRN_WINDOWS_BUILDS)
  include(ExternalProject)
  ExternalProject_Add(saver_x86_64_localhost
    SOURCE_DIR ${CMAKE_CURRENT_SOURCE_DIR}
    BINARY_DIR ${CMAKE_CURRENT_BINARY_DIR}/windows-x86_64-localhost
    CMAKE_ARGS
      -DCMAKE_TOOLCHAIN_FILE=${CMAKE_CURRENT_SOURCE_DIR}/cmake/toolchain-x86_64-w64-mingw32.cmake
      -DCMAKE_BUILD_TYPE=Release
      -DKVRN_SCORE_HOST=127.0.0.1
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    USES_TERMINAL_BUILD ON)
  set(KVRN_LOCALHOST_BUILD_DIR ${CMAKE_CURRENT_BINARY_DIR}/windows-x86_64-localhost)
  set(KVRN_SAVER_64_LOCALHOST ${KVRN_LOCALHOST_BUILD_DIR}/kvrnpss64.scr)
endif()
