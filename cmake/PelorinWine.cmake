# Windows test programs run under Wine. One Wine prefix, made fresh in a temporary folder by the
# first test and removed by the last, serves every suite of a run; each suite runs as one process
# whose exit code is its result (a crash inside a MinGW-built test is not caught by GoogleTest,
# so it must not take other tests' results with it).
set(PELORIN_WINE_DIR ${PROJECT_SOURCE_DIR}/tests/wine)
set(PELORIN_WINE_PREFIX_FILE ${CMAKE_BINARY_DIR}/wine-prefix.path)
set(CMAKE_CROSSCOMPILING_EMULATOR ${PELORIN_WINE_DIR}/wine_run.sh ${PELORIN_WINE_PREFIX_FILE})

add_test(NAME wine.prefix.setup COMMAND ${PELORIN_WINE_DIR}/wine_prefix.sh create
                                        ${PELORIN_WINE_PREFIX_FILE})
add_test(NAME wine.prefix.cleanup COMMAND ${PELORIN_WINE_DIR}/wine_prefix.sh remove
                                          ${PELORIN_WINE_PREFIX_FILE})
set_tests_properties(wine.prefix.setup PROPERTIES FIXTURES_SETUP wine_prefix TIMEOUT 180)
set_tests_properties(wine.prefix.cleanup PROPERTIES FIXTURES_CLEANUP wine_prefix TIMEOUT 60)

# pelorin_wine_tahoma_after(test): the prefix is made without Tahoma; this step adds it once the
# test has run. Tests that need it require the fixture wine_tahoma.
function(pelorin_wine_tahoma_after test)
  add_test(NAME wine.prefix.tahoma COMMAND ${PELORIN_WINE_DIR}/wine_prefix.sh tahoma
                                           ${PELORIN_WINE_PREFIX_FILE})
  set_tests_properties(wine.prefix.tahoma PROPERTIES FIXTURES_SETUP wine_tahoma
                       FIXTURES_REQUIRED wine_prefix DEPENDS ${test} TIMEOUT 60)
endfunction()

# pelorin_wine_suite(target [ARGS ...]): the whole GoogleTest program as one test.
function(pelorin_wine_suite name)
  cmake_parse_arguments(W "" "" "ARGS" ${ARGN})
  add_test(NAME ${name} COMMAND ${name} ${W_ARGS})
  set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine_prefix TIMEOUT 300
                       ENVIRONMENT "PELORIN_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()

# pelorin.exe itself, in the prefix's virtual desktop on a private display, compared with the
# Linux host's render of the main window at scale 1 (scripts/build-windows.sh makes it first).
set(PELORIN_LINUX_RENDER "" CACHE FILEPATH "The Linux build's screens/main_1.png")
function(pelorin_wine_window_test)
  add_test(NAME pelorin_wine
           COMMAND ${PELORIN_WINE_DIR}/run_pelorin_wine.sh $<TARGET_FILE:pelorin>
                   $<TARGET_FILE:pelorinctl> ${PELORIN_WINE_PREFIX_FILE}
                   ${CMAKE_BINARY_DIR}/pelorin_wine "${PELORIN_LINUX_RENDER}")
  set_tests_properties(pelorin_wine PROPERTIES FIXTURES_REQUIRED "wine_prefix;wine_tahoma"
                       SKIP_RETURN_CODE 77 TIMEOUT 180)
endfunction()
