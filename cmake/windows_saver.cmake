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
# The version resource takes the project's version and the file's name from a generated header.
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/resources/version.h.in ${CMAKE_CURRENT_BINARY_DIR}/generated/version.h @ONLY)
set(KVRN_RESOURCE_INCLUDES ${CMAKE_CURRENT_BINARY_DIR}/generated)
target_include_directories(kvrnpss PRIVATE ${KVRN_RESOURCE_INCLUDES})
target_compile_definitions(kvrnpss PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0501)
option(KVRN_FRAME_PACING "Pace frames to the display; OFF draws flat out, for the CPU benchmark's comparison" ON)
if(NOT KVRN_FRAME_PACING)
  target_compile_definitions(kvrnpss PRIVATE KVRN_FLAT_OUT_FRAMES)
endif()
target_link_options(kvrnpss PRIVATE -static -static-libgcc -static-libstdc++)
target_link_libraries(kvrnpss PRIVATE opengl32 gdi32 user32 winmm wsock32 shell32 advapi32 comctl32)
file(GLOB KVRN_RESOURCE_INPUTS CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_SOURCE_DIR}/resources/*.rc
  ${CMAKE_CURRENT_SOURCE_DIR}/resources/*.ico
  ${CMAKE_CURRENT_SOURCE_DIR}/resources/bitmaps/*.bmp)
set_property(SOURCE ${CMAKE_CURRENT_SOURCE_DIR}/resources/kvrnpss.rc APPEND PROPERTY
  OBJECT_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/resources/kvrnpss.manifest ${KVRN_RESOURCE_INPUTS}
  ${KVRN_RESOURCE_INCLUDES}/version.h)

# The installer: kvrnpss.msi (x86) or kvrnpss64.msi (x64), made with Debian's wixl.
find_program(KVRN_WIXL wixl REQUIRED)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(KVRN_MSI_ARCH x64)
else()
  set(KVRN_MSI_ARCH x86)
endif()
set(KVRN_MSI ${CMAKE_CURRENT_BINARY_DIR}/${KVRN_SAVER_NAME}.msi)
# wixl takes the files it packs by relative paths only.
file(RELATIVE_PATH kvrn_icon_path ${CMAKE_CURRENT_BINARY_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/resources/icon100.ico)
add_custom_command(
  OUTPUT ${KVRN_MSI}
  COMMAND ${KVRN_WIXL} --arch ${KVRN_MSI_ARCH} -o ${KVRN_MSI}
          -D Arch=${KVRN_MSI_ARCH} -D Version=${PROJECT_VERSION}
          -D SaverSource=${KVRN_SAVER_NAME}.scr -D SaverName=${KVRN_SAVER_NAME}.scr -D IconSource=${kvrn_icon_path}
          ${CMAKE_CURRENT_SOURCE_DIR}/resources/kvrnpss.wxs
  WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
  DEPENDS kvrnpss ${CMAKE_CURRENT_SOURCE_DIR}/resources/kvrnpss.wxs ${CMAKE_CURRENT_SOURCE_DIR}/resources/icon100.ico
  COMMENT "Building the installer ${KVRN_SAVER_NAME}.msi"
  VERBATIM)
add_custom_target(kvrn_installer ALL DEPENDS ${KVRN_MSI})

file(GLOB KVRN_WIN32_TEST_PROGRAMS CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/wine/programs/*.cmake)
foreach(program ${KVRN_WIN32_TEST_PROGRAMS})
  include(${program})
endforeach()
