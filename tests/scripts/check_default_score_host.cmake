# check_default_score_host.cmake -- a build configured without a score host talks to localhost, never to a
# host its builder did not choose. Configures the tree afresh (native build only) into OUT.
file(REMOVE_RECURSE ${OUT})
execute_process(COMMAND ${CMAKE_COMMAND} -S ${SOURCE} -B ${OUT} -DKVRN_WINDOWS_BUILDS=OFF
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "configuring without KVRN_SCORE_HOST failed with ${status}")
endif()
file(STRINGS ${OUT}/CMakeCache.txt host REGEX "^KVRN_SCORE_HOST:")
file(REMOVE_RECURSE ${OUT})
if(NOT host STREQUAL "KVRN_SCORE_HOST:STRING=localhost")
  message(FATAL_ERROR "default score host: ${host}")
endif()
