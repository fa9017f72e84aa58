# host_test_programs.cmake -- Windows helper programs of the host's Wine tests, built into test-programs/
set(KVRN_TEST_PROGRAM_DIR ${CMAKE_BINARY_DIR}/test-programs)
set(KVRN_HOST_PROGRAM_SOURCES ${CMAKE_CURRENT_LIST_DIR})

add_executable(window_probe ${KVRN_HOST_PROGRAM_SOURCES}/window_probe.cpp)
add_executable(preview_host ${KVRN_HOST_PROGRAM_SOURCES}/preview_host.cpp)
add_executable(settings_probe
  ${KVRN_HOST_PROGRAM_SOURCES}/settings_probe.cpp
  ${CMAKE_SOURCE_DIR}/settings/settings_store.cpp
  ${CMAKE_SOURCE_DIR}/settings/registry_win32.cpp
  ${CMAKE_SOURCE_DIR}/common/message_box_win32.cpp)
add_library(test_password_cpl SHARED ${KVRN_HOST_PROGRAM_SOURCES}/test_password_cpl.cpp)
set_target_properties(test_password_cpl PROPERTIES OUTPUT_NAME PASSWORD PREFIX "" SUFFIX ".CPL")
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  target_link_options(test_password_cpl PRIVATE -Wl,--kill-at)  # undecorated export names
endif()

# The OpenGL window's procedure and the frame pacing, around a stand-in frame.
add_executable(pacing_probe ${KVRN_HOST_PROGRAM_SOURCES}/pacing_probe.cpp
  ${CMAKE_SOURCE_DIR}/host/gl_window_win32.cpp
  ${CMAKE_SOURCE_DIR}/host/frame_pacing.cpp
  ${CMAKE_SOURCE_DIR}/host/frame_pacing_win32.cpp
  ${CMAKE_SOURCE_DIR}/host/keyboard.cpp
  ${CMAKE_SOURCE_DIR}/common/extension_list.cpp
  ${CMAKE_SOURCE_DIR}/common/frame_input.cpp)

foreach(program window_probe preview_host settings_probe test_password_cpl pacing_probe)
  kvrn_common_settings(${program})
  target_link_options(${program} PRIVATE -static -static-libgcc -static-libstdc++)
  set_target_properties(${program} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${KVRN_TEST_PROGRAM_DIR}
    LIBRARY_OUTPUT_DIRECTORY ${KVRN_TEST_PROGRAM_DIR})
endforeach()
target_link_libraries(settings_probe PRIVATE advapi32 user32)
target_link_libraries(pacing_probe PRIVATE opengl32 gdi32 user32 winmm)
