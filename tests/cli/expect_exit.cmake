# Runs COMMAND (a ;-list) and checks its exit status against EXPECT and, when
# given, its standard error against STDERR_MATCH.
execute_process(COMMAND ${COMMAND} RESULT_VARIABLE status ERROR_VARIABLE err OUTPUT_QUIET)
if(NOT status STREQUAL EXPECT)
  message(FATAL_ERROR "exit status ${status}, expected ${EXPECT}; stderr: ${err}")
endif()
if(DEFINED STDERR_MATCH AND NOT err MATCHES "${STDERR_MATCH}")
  message(FATAL_ERROR "stderr does not match '${STDERR_MATCH}': ${err}")
endif()
string(REGEX MATCHALL "\n" lines "${err}")
list(LENGTH lines count)
if(EXPECT EQUAL 2 AND NOT count EQUAL 1)
  message(FATAL_ERROR "bad input must give one line on stderr, got: ${err}")
endif()
