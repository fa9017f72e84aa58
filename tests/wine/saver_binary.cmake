# saver_binary.cmake -- both built savers are GUI programs that import only Windows system DLLs and carry their
# manifest, their name and the project's version; the 32-bit release imports only what the 95 family provides
set(kvrn_saver_binary_test bash ${CMAKE_CURRENT_LIST_DIR}/../build/saver_binary_test.sh)
add_test(NAME saver_binary_i686 COMMAND ${kvrn_saver_binary_test} i686-w64-mingw32-objdump
  ${KVRN_SAVER_32} ${PROJECT_VERSION} ${CMAKE_CURRENT_LIST_DIR}/../build/win95_imports.txt)
add_test(NAME saver_binary_x86_64 COMMAND ${kvrn_saver_binary_test} x86_64-w64-mingw32-objdump
  ${KVRN_SAVER_64} ${PROJECT_VERSION})
