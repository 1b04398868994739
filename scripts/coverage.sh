#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Computerized Markwell developers
# Line coverage of core/ and gui/ by the whole suite: builds build-coverage/
# with gcc's --coverage (no optimisation, so every line counts as written),
# runs every test there and reports with gcovr. Not part of ./test.sh: it
# builds everything a third time and takes about as long as the plain run.
#   scripts/coverage.sh [CTEST ARGUMENTS...]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/install-deps.sh
markwell_install "${markwell_packages[@]}" "${markwell_test_packages[@]}" gcovr

jobs=$(nproc 2>/dev/null || echo 2)
[ "$jobs" -gt 2 ] && jobs=2

dir=build-coverage
if [ ! -f "$dir/build.ninja" ]; then
  launcher=()
  command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug "${launcher[@]}" \
    -DCMAKE_CXX_FLAGS="--coverage" -DCMAKE_EXE_LINKER_FLAGS="--coverage"
fi
cmake --build "$dir" -j "$jobs"
find "$dir" -name '*.gcda' -delete
ctest --test-dir "$dir" -j "$jobs" "$@" || echo "some tests failed: the figures below are still those of the run"
# Test programs that run at the same time (markwell-cli started by several)
# can leave a branch counter garbled; gcovr skips such a line instead of
# giving no figures at all. Only branch lines come out garbled; the line
# figures stand.
for layer in core gui; do
  gcovr --root . --filter "$layer/" --object-directory "$dir" --exclude-unreachable-branches \
    --gcov-ignore-parse-errors --print-summary --output /dev/null "$dir" 2>/dev/null |
    sed -n "s/^lines: /$layer lines: /p"
done
