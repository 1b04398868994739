#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test through one
# ctest run, including the file-reader fuzzers built with clang in build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/install-deps.sh
markwell_install "${markwell_packages[@]}" "${markwell_test_packages[@]}"

# At most two jobs: the machines this runs on have two cores, shared.
jobs=$(nproc 2>/dev/null || echo 2)
[ "$jobs" -gt 2 ] && jobs=2

if [ ! -f build/build.ninja ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMARKWELL_WERROR=ON
fi
cmake --build build -j "$jobs"

# The fuzz targets need clang and a build of their own; the main build's
# ctest runs them (fuzz.* tests) and skips them when they are not built.
if command -v clang++ >/dev/null 2>&1; then
  if [ ! -f build-fuzz/build.ninja ]; then
    CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DMARKWELL_FUZZ=ON -DMARKWELL_WERROR=ON
  fi
  cmake --build build-fuzz -j "$jobs"
else
  echo "clang++ not found: the fuzz tests will be skipped"
fi

exec ctest --test-dir build --output-on-failure -j "$jobs"
