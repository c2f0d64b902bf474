if(PELORIN_BUILD_TESTS)
  enable_testing()
  if(CMAKE_CROSSCOMPILING)
    # The distribution's GoogleTest is built for the machine that builds; a cross build compiles
    # its own from the sources the distribution ships.
    set(PELORIN_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(${PELORIN_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  else()
    find_package(GTest REQUIRED)
  endif()
  include(GoogleTest)
  if(WIN32)
    include(${CMAKE_CURRENT_LIST_DIR}/PelorinWine.cmake)
  endif()

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
  if(WIN32)
    pelorin_wine_suite(${name})
  else()
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST NO_PRETTY_VALUES
                         PROPERTIES ENVIRONMENT "PELORIN_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
  endif()
endfunction()
