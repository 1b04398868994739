#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Computerized Markwell developers
# Builds everything with warnings as errors, checks that every C++ file is
# formatted and that the .cpp files this branch changed pass clang-tidy, and
# runs every test through one ctest run; then builds everything again with
# clang, AddressSanitizer and UndefinedBehaviorSanitizer in build-asan/, the
# file-reader fuzzers included, and runs the whole suite there a second time
# with the fuzzers.
# ccache, when installed, serves every new build folder.
set -euo pipefail
cd "$(dirname "$0")"

# Where the time goes: each step's seconds, printed at the end (and on a
# failure, up to the step that failed).
steps=()
step_started=$SECONDS
took() {
  steps+=("$(printf '%-22s %5d s' "$1" $((SECONDS - step_started)))")
  step_started=$SECONDS
}
report_times() {
  echo "time taken:"
  printf '  %s\n' "${steps[@]}" "$(printf '%-22s %5d s' total "$SECONDS")"
}
trap report_times EXIT
source scripts/install-deps.sh
markwell_install "${markwell_packages[@]}" "${markwell_test_packages[@]}"
took packages

# At most two jobs: the machines this runs on have two cores, shared.
jobs=$(nproc 2>/dev/null || echo 2)
[ "$jobs" -gt 2 ] && jobs=2

# Configures a build folder for the tests: warnings are errors even when
# ./run.sh made the folder first. An existing folder is only told that
# (cmake keeps every other setting, a compiler launcher included), and only
# when it does not know it yet, so a build with nothing to do stays quick.
#   configure_for_tests DIR [ARGUMENTS FOR A NEW FOLDER...]
configure_for_tests() {
  local dir=$1
  shift
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMARKWELL_WERROR=ON "${launcher[@]}" "$@"
  elif ! grep -qx 'MARKWELL_WERROR:BOOL=ON' "$dir/CMakeCache.txt"; then
    cmake -S . -B "$dir" -DMARKWELL_WERROR=ON
  fi
}

launcher=()
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi

# Line tables and function names only (-g1): with full debug information
# every test program carried the whole window library's, 130 MB each and
# 8 GB in all, more than a CI machine's disk may have free; a backtrace
# still names the function and the line.
configure_for_tests build -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG"
took configure
cmake --build build -j "$jobs"
took build

# The code as .clang-format says, and no clang-tidy finding in the .cpp files
# this branch changed (scripts/check-tidy.sh --all checks every file).
scripts/check-format.sh
scripts/check-tidy.sh
# Every file says its licence (REUSE: a header, or .reuse/dep5 for files
# that cannot carry one).
if command -v reuse >/dev/null 2>&1; then
  reuse lint --quiet || { reuse lint | tail -n 40; exit 1; }
else
  echo "reuse not found: the licence check is skipped"
fi

took checks
ctest --test-dir build --output-on-failure -j "$jobs"
took tests

# The same tests under the sanitizers, and the fuzz.* tests: -O1 with line
# tables is quick to build and still names the line of a finding; assertions
# stay on. Qt's own leaks are suppressed by tests/sanitizers/lsan.supp,
# nothing of ours.
if command -v clang++ >/dev/null 2>&1; then
  CXX=clang++ configure_for_tests build-asan -DMARKWELL_SANITIZE=ON \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only"
  took "configure sanitizers"
  cmake --build build-asan -j "$jobs"
  took "build sanitizers"
  ctest --test-dir build-asan --output-on-failure -j "$jobs"
  took "tests sanitizers"
else
  echo "clang++ not found: the sanitizer run and the fuzz tests are skipped"
fi
