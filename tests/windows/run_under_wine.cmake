# SPDX-License-Identifier: MIT
# Runs a GoogleTest program under Wine and passes only on GoogleTest's own verdict: Wine exits 0 for some
# programs that never started (a missing DLL, a bad image), so the status alone proves nothing.
#   cmake -DRUNNER=wine -DPROGRAM=lunvale_tests.exe [-DFILTER=...] -P run_under_wine.cmake
set(args --gtest_brief=1)
if(FILTER)
  list(APPEND args --gtest_filter=${FILTER})
endif()
execute_process(COMMAND ${RUNNER} ${PROGRAM} ${args} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
string(REPLACE "\r" "" out "${out}")
message("${out}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} ended with ${status}\n${err}")
endif()
if(NOT out MATCHES "\\[  PASSED  \\] [0-9]+ test" OR out MATCHES "\\[  FAILED  \\]")
  message(FATAL_ERROR "${PROGRAM} gave no GoogleTest verdict under ${RUNNER}:\n${err}")
endif()
