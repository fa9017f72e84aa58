# saver_binary.cmake -- both built savers are GUI programs that import only Windows system DLLs and carry their
# manifest, their name and the project's version
foreach(arch i686 x86_64)
  if(arch STREQUAL "i686")
    set(saver ${KVRN_SAVER_32})
  else()
    set(saver ${KVRN_SAVER_64})
  endif()
  add_test(NAME saver_binary_${arch}
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/../build/saver_binary_test.sh ${arch}-w64-mingw32-objdump ${saver} ${PROJECT_VERSION})
endforeach()
