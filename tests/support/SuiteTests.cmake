# Run after a test program is built: lists its tests and writes one CTest test per test suite
# (`<program>.<Suite>`, run with --gtest_filter=<Suite>.*). A process per suite rather than per
# test: most tests take milliseconds, while starting a Qt program takes far longer.
# In: TEST_EXECUTABLE, TEST_PROGRAM (the short name), CTEST_FILE, TEST_TIMEOUT, TEST_LABEL.
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen "${TEST_EXECUTABLE}" --gtest_list_tests
  OUTPUT_VARIABLE listing ERROR_VARIABLE errors RESULT_VARIABLE result TIMEOUT 120)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${TEST_EXECUTABLE} --gtest_list_tests failed (${result}):\n${errors}")
endif()
string(REPLACE "\n" ";" lines "${listing}")
set(content "")
foreach(line IN LISTS lines)
  # A suite's line: "Suite." or "Prefix/Suite/0.  # TypeParam = ...", never indented.
  if(line MATCHES "^([^ #][^ ]*)\\.( |$)")
    set(suite "${CMAKE_MATCH_1}")
    set(name "${TEST_PROGRAM}.${suite}")
    string(APPEND content
      "add_test([==[${name}]==] [==[${TEST_EXECUTABLE}]==] [==[--gtest_filter=${suite}.*]==])\n"
      "set_tests_properties([==[${name}]==] PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen"
      " LABELS ${TEST_LABEL} TIMEOUT ${TEST_TIMEOUT})\n")
  endif()
endforeach()
if(content STREQUAL "")
  message(FATAL_ERROR "${TEST_EXECUTABLE} lists no tests")
endif()
file(WRITE "${CTEST_FILE}" "${content}")
