if(PELORIN_BUILD_TESTS)
  enable_testing()
  find_package(GTest REQUIRED)
  include(GoogleTest)
endif()

# pelorin_test(name SOURCES a.cpp b.cpp LIBS lib1 lib2)
function(pelorin_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  if(NOT T_SOURCES)
    return()  # a folder whose tests are not written yet
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} pelorin_warnings GTest::gtest_main)
  # GoogleTest is most of a test file's compile time: each test program parses it once.
  target_precompile_headers(${name} PRIVATE <gtest/gtest.h> <filesystem> <string> <vector>)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST NO_PRETTY_VALUES
                       PROPERTIES ENVIRONMENT "PELORIN_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()
