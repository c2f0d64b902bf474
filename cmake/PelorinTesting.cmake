if(PELORIN_BUILD_TESTS)
  enable_testing()
  find_package(GTest REQUIRED)
  include(GoogleTest)

  # GoogleTest is most of a test file's compile time. It is parsed once, into this precompiled
  # header, which every test program with the common compile flags reuses.
  set(PELORIN_TEST_PCH_HEADERS <gtest/gtest.h> <filesystem> <string> <vector>)
  add_library(pelorin_test_pch OBJECT ${CMAKE_CURRENT_LIST_DIR}/test_pch.cpp)
  target_link_libraries(pelorin_test_pch PRIVATE pelorin_warnings GTest::gtest)
  target_precompile_headers(pelorin_test_pch PRIVATE ${PELORIN_TEST_PCH_HEADERS})
endif()

# pelorin_test(name SOURCES a.cpp b.cpp LIBS lib1 lib2 [OWN_PCH])
# OWN_PCH: the libraries bring compile flags of their own (such as -pthread from pkg-config), so
# the shared precompiled header does not fit and the program gets its own.
function(pelorin_test name)
  cmake_parse_arguments(T "OWN_PCH" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} pelorin_warnings GTest::gtest_main)
  if(T_OWN_PCH)
    target_precompile_headers(${name} PRIVATE ${PELORIN_TEST_PCH_HEADERS})
  else()
    target_precompile_headers(${name} REUSE_FROM pelorin_test_pch)
  endif()
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST NO_PRETTY_VALUES
                       PROPERTIES ENVIRONMENT "PELORIN_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()
