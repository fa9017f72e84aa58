# native-resources.cmake -- embeds the bitmaps that resources/bitmaps.rc lists into kvrn_core
# The Windows builds get the same files through the resource compiler; here a
# small tool turns them into a generated table (assets/embedded_bitmaps.h).
set(KVRN_BITMAP_SCRIPT ${CMAKE_CURRENT_SOURCE_DIR}/resources/bitmaps.rc)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${KVRN_BITMAP_SCRIPT})
file(STRINGS ${KVRN_BITMAP_SCRIPT} kvrn_bitmap_lines REGEX "^[0-9]+[ \t]+BITMAP[ \t]")
set(kvrn_embed_args)
set(kvrn_embed_files)
foreach(line ${kvrn_bitmap_lines})
  if(NOT line MATCHES "^([0-9]+)[ \t]+BITMAP[ \t]+\"([^\"]+)\"")
    message(FATAL_ERROR "bitmaps.rc: cannot read line: ${line}")
  endif()
  set(file ${CMAKE_CURRENT_SOURCE_DIR}/resources/${CMAKE_MATCH_2})
  list(APPEND kvrn_embed_args "${CMAKE_MATCH_1}=${file}")
  list(APPEND kvrn_embed_files ${file})
endforeach()

add_executable(kvrn_embed_resources ${CMAKE_CURRENT_SOURCE_DIR}/tools/embed/embed_resources.cpp)
target_compile_options(kvrn_embed_resources PRIVATE ${KVRN_WARNINGS})

set(KVRN_EMBEDDED_BITMAPS ${CMAKE_CURRENT_BINARY_DIR}/generated/embedded_bitmaps.cpp)
add_custom_command(
  OUTPUT ${KVRN_EMBEDDED_BITMAPS}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/generated
  COMMAND kvrn_embed_resources ${KVRN_EMBEDDED_BITMAPS} ${kvrn_embed_args}
  DEPENDS kvrn_embed_resources ${kvrn_embed_files} ${KVRN_BITMAP_SCRIPT}
  COMMENT "Embedding the bitmap resources"
  VERBATIM)
target_sources(kvrn_core PRIVATE ${KVRN_EMBEDDED_BITMAPS})

# The native side of the Windows/native resource comparison (tests/wine/resources.cmake).
add_executable(kvrn_resource_dump_native ${CMAKE_CURRENT_SOURCE_DIR}/tests/wine/programs/resource_dump.cpp)
kvrn_common_settings(kvrn_resource_dump_native)
target_link_libraries(kvrn_resource_dump_native PRIVATE kvrn_core)
