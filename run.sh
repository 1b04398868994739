#!/usr/bin/env bash
# Builds Computerized Markwell into build/ (installing what is missing) and starts it.
#   ./run.sh [FILE.grs]         the desktop program, opening FILE.grs if given
#   ./run.sh --cli ARGS...      the command-line tool markwell-cli
#   ./run.sh --help             what both understand
set -euo pipefail

# Paths given relative to where the user stands must survive the cd below.
args=()
for arg in "$@"; do
  if [ -e "$arg" ] && [[ "$arg" != /* ]]; then arg="$PWD/$arg"; fi
  args+=("$arg")
done
set -- ${args[@]+"${args[@]}"}

cd "$(dirname "$0")"
source scripts/install-deps.sh
markwell_install "${markwell_packages[@]}"

if [ ! -f build/build.ninja ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build build

case "${1:-}" in
  --cli)
    shift
    exec build/app/markwell-cli "$@" ;;
  --help|-h)
    echo "Usage: ./run.sh [FILE.grs]        start Markwell (opening FILE.grs)"
    echo "       ./run.sh --cli COMMAND ...  run markwell-cli"
    echo
    exec build/app/markwell-cli --help ;;
esac

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No graphical display found: start Markwell from a desktop session (or under xvfb-run)," >&2
  echo "or use the command-line tool: ./run.sh --cli --help" >&2
  exit 1
fi
exec build/app/markwell "$@"
