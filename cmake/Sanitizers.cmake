# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Computerized Markwell developers
# The sanitizer build (-DMARKWELL_SANITIZE=ON, clang): the libraries, the
# programs and every test built with AddressSanitizer (leak checks included)
# and UndefinedBehaviorSanitizer. Nothing recovers: the first finding ends
# the program with an error, so the test that ran into it fails. ./test.sh
# builds it in build-asan/ and runs the whole test suite there a second time.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "The sanitizer build needs clang: configure with CXX=clang++")
endif()

set(_sanitizers address,undefined)
add_compile_options(-fsanitize=${_sanitizers} -fno-sanitize-recover=all -fno-omit-frame-pointer)
add_link_options(-fsanitize=${_sanitizers})

# The run-time options (and the leak suppressions) are compiled into every
# program that links the core, so that a test binary, or markwell-cli run
# by a test, started by hand behaves as it does under ctest.
function(markwell_sanitizer_defaults core_target)
  set(MARKWELL_LSAN_SUPPRESSIONS ${PROJECT_SOURCE_DIR}/tests/sanitizers/lsan.supp)
  set(_defaults ${PROJECT_BINARY_DIR}/sanitizers/SanitizerDefaults.cpp)
  configure_file(${PROJECT_SOURCE_DIR}/tests/sanitizers/SanitizerDefaults.cpp.in ${_defaults} @ONLY)
  target_sources(${core_target} INTERFACE ${_defaults})
endfunction()
