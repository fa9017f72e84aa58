# saver_binary.cmake -- both built savers are GUI programs that import only Windows system DLLs and carry their
# manifest, their name and the project's version; the 32-bit release imports only what the 95 family provides
foreach(arch i686 x86_64)
  if(arch STREQUAL "i686")
    set(saver ${KVRN_SAVER_32} ${PROJECT_VERSION} ${CMAKE_CURRENT_LIST_DIR}/../build/win95_imports.txt)
  else()
    set(saver ${KVRN_SAVER_64} ${PROJECT_VERSION})
  endif()
  add_test(NAME saver_binary_${arch}
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/../build/saver_binary_test.sh ${arch}-w64-mingw32-objdump ${saver})
endforeach()
