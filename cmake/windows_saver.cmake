# The Windows saver: a GUI executable with the .scr suffix, statically linked
# so that it needs no DLL beyond the system's own.
enable_language(RC)

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(KVRN_SAVER_NAME kvrnpss64)
else()
  set(KVRN_SAVER_NAME kvrnpss)
endif()

add_executable(kvrnpss WIN32
  ${KVRN_PORTABLE_SOURCES} ${KVRN_WIN32_SOURCES}
  ${CMAKE_CURRENT_SOURCE_DIR}/resources/kvrnpss.rc)
kvrn_common_settings(kvrnpss)
set_target_properties(kvrnpss PROPERTIES OUTPUT_NAME ${KVRN_SAVER_NAME} SUFFIX ".scr")
target_compile_definitions(kvrnpss PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0501)
target_link_options(kvrnpss PRIVATE -static -static-libgcc -static-libstdc++)
target_link_libraries(kvrnpss PRIVATE opengl32 gdi32 user32 winmm ws2_32 shell32 advapi32 comctl32)
file(GLOB KVRN_RESOURCE_INPUTS CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_SOURCE_DIR}/resources/*.rc
  ${CMAKE_CURRENT_SOURCE_DIR}/resources/*.ico
  ${CMAKE_CURRENT_SOURCE_DIR}/resources/bitmaps/*.bmp)
set_property(SOURCE ${CMAKE_CURRENT_SOURCE_DIR}/resources/kvrnpss.rc APPEND PROPERTY
  OBJECT_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/resources/kvrnpss.manifest ${KVRN_RESOURCE_INPUTS})

file(GLOB KVRN_WIN32_TEST_PROGRAMS CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/wine/programs/*.cmake)
foreach(program ${KVRN_WIN32_TEST_PROGRAMS})
  include(${program})
endforeach()
