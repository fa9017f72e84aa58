# Source lists shared by every build. A file ending in _win32.cpp is the
# Windows side of a seam; one ending in _fake.cpp its stand-in for tests and
# the headless runner, and _osmesa.cpp the offscreen context: both native
# only. All other sources under the subsystem folders are portable and go
# into every build.
set(KVRN_SUBSYSTEMS common host game render assets settings)

set(KVRN_PORTABLE_SOURCES)
set(KVRN_WIN32_SOURCES)
set(KVRN_NATIVE_SOURCES)
foreach(dir ${KVRN_SUBSYSTEMS})
  file(GLOB found CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
  foreach(file ${found})
    if(file MATCHES "_win32\\.cpp$")
      list(APPEND KVRN_WIN32_SOURCES ${file})
    elseif(file MATCHES "_(fake|osmesa)\\.cpp$")
      list(APPEND KVRN_NATIVE_SOURCES ${file})
    else()
      list(APPEND KVRN_PORTABLE_SOURCES ${file})
    endif()
  endforeach()
endforeach()

# Warnings are errors in our own code.
set(KVRN_WARNINGS -Wall -Wextra -Werror)

function(kvrn_common_settings target)
  target_include_directories(${target} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_compile_options(${target} PRIVATE ${KVRN_WARNINGS})
  target_compile_definitions(${target} PUBLIC KVRN_SCORE_HOST="${KVRN_SCORE_HOST}")
endfunction()
