#!/usr/bin/env bash
# Builds Computerized Markwell into build/ (installing what is missing) and starts it.
#   ./run.sh [FILE.grs]         the desktop program
#   ./run.sh --cli ARGS...      the command-line tool markwell-cli
set -euo pipefail
cd "$(dirname "$0")"
source scripts/install-deps.sh
markwell_install "${markwell_packages[@]}"

if [ ! -f build/build.ninja ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build build

if [ "${1:-}" = "--cli" ]; then
  shift
  exec build/app/markwell-cli "$@"
fi
if [ -x build/app/markwell ]; then
  exec build/app/markwell "$@"
fi
if [ "$#" -eq 0 ]; then set -- --help; fi
exec build/app/markwell-cli "$@"
