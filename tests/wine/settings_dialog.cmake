# settings_dialog.cmake -- Wine tests of the settings dialog and the score submission, each in its own
# network namespace (port 80 of a private loopback), with the shared harness's fresh prefix and display;
# "scored" submits to kvrn_scored there
if(KVRN_SAVER_64_LOCALHOST)
  foreach(scenario shows ok_cancel submit dns unreachable scored)
    add_test(NAME wine_settings_dialog_${scenario}
      COMMAND unshare --net -- /usr/bin/python3 ${CMAKE_CURRENT_SOURCE_DIR}/tests/wine/settings_dialog_test.py
        ${scenario}
        --saver ${KVRN_SAVER_64_LOCALHOST}
        --probe ${KVRN_LOCALHOST_BUILD_DIR}/kvrn_dialog_probe.exe
        --unresolvable ${KVRN_LOCALHOST_BUILD_DIR}/kvrn_unresolvable_dialog.exe
        --scored $<TARGET_FILE:kvrn_scored>)
    set_tests_properties(wine_settings_dialog_${scenario} PROPERTIES TIMEOUT 600 LABELS wine
      ENVIRONMENT "KVRN_WINE_CACHE=${CMAKE_BINARY_DIR}/wine-cache;PYTHONPATH=${CMAKE_SOURCE_DIR}/tests/wine;PYTHONDONTWRITEBYTECODE=1")
  endforeach()
endif()
