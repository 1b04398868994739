# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Computerized Markwell developers
# Included by the main build: one ctest per fuzz target, running the binary
# that ./test.sh built in the fuzz build folder for a bounded number of
# inputs. Without that folder (no clang) the tests are skipped.
include(${CMAKE_CURRENT_LIST_DIR}/Targets.cmake)
set(MARKWELL_FUZZ_BUILD_DIR "${PROJECT_SOURCE_DIR}/build-fuzz" CACHE PATH
  "The build folder of the fuzz targets (-DMARKWELL_FUZZ=ON)")

foreach(target IN LISTS MARKWELL_FUZZ_TARGETS)
  add_test(NAME fuzz.${target}
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/run-fuzzer.sh
      ${MARKWELL_FUZZ_BUILD_DIR}/fuzz/fuzz_${target}
      ${MARKWELL_FUZZ_BUILD_DIR}/fuzz/seeds/${target}
      ${MARKWELL_FUZZ_BUILD_DIR}/fuzz/corpus/${target}
      ${MARKWELL_FUZZ_RUNS_${target}} ${MARKWELL_FUZZ_MAX_LEN})
  set_tests_properties(fuzz.${target} PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 180 LABELS fuzz)
endforeach()
