# host.cmake -- the saver host's Wine tests (switches, full screen and closing, single instance, preview, registry)
kvrn_add_wine_test(wine_host ${CMAKE_CURRENT_LIST_DIR}/host_test.py)
kvrn_add_wine_test(wine_host_win95 ${CMAKE_CURRENT_LIST_DIR}/host_win95_test.py)
# Alone: its processor-time limit for the paced saver is not a measure of another test running beside it.
set_tests_properties(wine_host PROPERTIES RUN_SERIAL TRUE)
