# Run after a test binary is linked (cmake -P): lists its GoogleTest suites and writes a ctest file
# with one test per suite. A suite runs in one process, so the sanitized start-up of the binary is
# paid once per suite rather than once per test.
#
# Inputs: TEST_EXECUTABLE, CTEST_FILE, TEST_ENVIRONMENT, TEST_TIMEOUT.

execute_process(
  COMMAND "${CMAKE_COMMAND}" -E env "${TEST_ENVIRONMENT}" "${TEST_EXECUTABLE}" --gtest_list_tests
  OUTPUT_VARIABLE listing
  ERROR_VARIABLE warnings
  RESULT_VARIABLE result
  TIMEOUT 60)
if(NOT result EQUAL 0)
  file(REMOVE "${CTEST_FILE}")
  message(FATAL_ERROR "${TEST_EXECUTABLE} could not list its tests (${result}):\n${listing}${warnings}")
endif()

string(REPLACE "\n" ";" lines "${listing}")
set(content "")
set(suites 0)
foreach(line IN LISTS lines)
  # Suites are the unindented lines, "Name." or "Prefix/Name.  # TypeParam = ...".
  if(line MATCHES "^([^ #][^ ]*)\\.")
    set(suite "${CMAKE_MATCH_1}")
    string(APPEND content
      "add_test([==[${suite}]==] [==[${TEST_EXECUTABLE}]==] [==[--gtest_filter=${suite}.*]==])\n"
      "set_tests_properties([==[${suite}]==] PROPERTIES ENVIRONMENT [==[${TEST_ENVIRONMENT}]==] TIMEOUT ${TEST_TIMEOUT})\n")
    math(EXPR suites "${suites} + 1")
  endif()
endforeach()
if(suites EQUAL 0)
  file(REMOVE "${CTEST_FILE}")
  message(FATAL_ERROR "${TEST_EXECUTABLE} lists no test suite")
endif()
file(WRITE "${CTEST_FILE}" "${content}")
