#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test through ctest.
# Also builds the file-reader fuzzers with clang (build-fuzz/) and runs each briefly.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/install-deps.sh
markwell_install "${markwell_packages[@]}" "${markwell_test_packages[@]}"

jobs=$(nproc 2>/dev/null || echo 2)

if [ ! -f build/build.ninja ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMARKWELL_WERROR=ON
fi
cmake --build build -j "$jobs"

if command -v clang++ >/dev/null 2>&1; then
  if [ ! -f build-fuzz/build.ninja ]; then
    CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DMARKWELL_FUZZ=ON -DMARKWELL_WERROR=ON
  fi
  cmake --build build-fuzz -j "$jobs"
else
  echo "clang++ not found: fuzz targets are not built"
fi

status=0
ctest --test-dir build --output-on-failure -j "$jobs" || status=$?
if [ -f build-fuzz/build.ninja ]; then
  ctest --test-dir build-fuzz --output-on-failure || status=$?
fi
exit "$status"
