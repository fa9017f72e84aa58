# settings_dialog_programs.cmake -- Windows programs the settings-dialog Wine tests use:
#   kvrn_dialog_probe.exe         prints a window's controls (texts, styles, check marks, centres)
#   kvrn_unresolvable_dialog.exe  the settings dialog with a score host name that never resolves
set(KVRN_PROGRAM_DIR ${CMAKE_CURRENT_SOURCE_DIR}/tests/wine/programs)

add_executable(kvrn_dialog_probe ${KVRN_PROGRAM_DIR}/dialog_probe_win32.cpp)
target_compile_options(kvrn_dialog_probe PRIVATE ${KVRN_WARNINGS})
target_link_options(kvrn_dialog_probe PRIVATE -static -static-libgcc -static-libstdc++)
target_link_libraries(kvrn_dialog_probe PRIVATE user32)

# The settings subsystem's Windows side, as the saver links it.
file(GLOB KVRN_SETTINGS_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/settings/*.cpp)
list(FILTER KVRN_SETTINGS_SOURCES EXCLUDE REGEX "_fake\\.cpp$")
add_executable(kvrn_unresolvable_dialog WIN32
  ${KVRN_PROGRAM_DIR}/unresolvable_dialog_win32.cpp
  ${KVRN_PROGRAM_DIR}/unresolvable_dialog.rc
  ${KVRN_SETTINGS_SOURCES}
  ${CMAKE_CURRENT_SOURCE_DIR}/common/message_box_win32.cpp)
target_include_directories(kvrn_unresolvable_dialog PRIVATE
  ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/resources)
target_compile_options(kvrn_unresolvable_dialog PRIVATE ${KVRN_WARNINGS})
# ".invalid" never resolves, and the Wine tests run without a route to any name server.
target_compile_definitions(kvrn_unresolvable_dialog PRIVATE
  KVRN_SCORE_HOST="kvrn-scores.invalid" WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0501)
target_link_options(kvrn_unresolvable_dialog PRIVATE -static -static-libgcc -static-libstdc++)
target_link_libraries(kvrn_unresolvable_dialog PRIVATE user32 wsock32 shell32 advapi32)
