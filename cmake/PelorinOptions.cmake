option(PELORIN_WERROR "Treat warnings as errors" OFF)
option(PELORIN_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(PELORIN_TSAN "Build with ThreadSanitizer" OFF)
option(PELORIN_BUILD_TESTS "Build the tests" ON)
option(PELORIN_BUILD_BENCH "Build the benchmarks" ON)
option(PELORIN_FUZZ "Build libFuzzer targets (clang only)" OFF)

add_library(pelorin_warnings INTERFACE)
target_compile_options(pelorin_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                                  -Wno-sign-conversion)
if(PELORIN_WERROR)
  target_compile_options(pelorin_warnings INTERFACE -Werror)
endif()

if(WIN32)
  # Wide-character entry points, and the headers of Windows 7 and later.
  add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
endif()

if(PELORIN_SANITIZE AND PELORIN_TSAN)
  message(FATAL_ERROR "PELORIN_SANITIZE and PELORIN_TSAN cannot be combined")
endif()
if(PELORIN_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
if(PELORIN_TSAN)
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
endif()

# Core libraries: standard library only. Each module links this for warnings and include roots.
function(pelorin_core_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC pelorin_warnings)
endfunction()
