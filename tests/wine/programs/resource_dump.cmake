# resource_dump.cmake -- the Windows side of the resource comparison: a console program with the saver's resources
add_executable(kvrn_resource_dump
  ${CMAKE_CURRENT_SOURCE_DIR}/tests/wine/programs/resource_dump.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/assets/bitmap_decoder.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/assets/resource_bytes_win32.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/resources/kvrnpss.rc)
kvrn_common_settings(kvrn_resource_dump)
target_include_directories(kvrn_resource_dump PRIVATE ${KVRN_RESOURCE_INCLUDES})
target_link_options(kvrn_resource_dump PRIVATE -static -static-libgcc -static-libstdc++)
set_property(SOURCE ${CMAKE_CURRENT_SOURCE_DIR}/resources/kvrnpss.rc APPEND PROPERTY
  OBJECT_DEPENDS ${KVRN_RESOURCE_INPUTS})
