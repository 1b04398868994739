#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Computerized Markwell developers
# Builds Computerized Markwell into build/ (installing what is missing) and starts it.
#   ./run.sh [FILE.grs]         the desktop program, opening FILE.grs if given
#   ./run.sh --cli ARGS...      the command-line tool markwell-cli
#   ./run.sh --help             what both understand
# The program starts in the folder you call this from, with your arguments
# exactly as given: relative paths (and a column number such as 1) mean what
# they mean there. Messages of the build go to stderr, so that the output of
# `./run.sh --cli show c.grs > table.txt` is the table alone.
set -euo pipefail

checkout="$(cd "$(dirname "$0")" && pwd)"

# The build runs in the checkout, in a subshell: this shell stays where it was.
(
  cd "$checkout"
  source scripts/install-deps.sh
  markwell_install "${markwell_packages[@]}"
  if [ ! -f build/build.ninja ]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
  fi
  cmake --build build
) >&2

case "${1:-}" in
  --cli)
    shift
    exec "$checkout/build/app/markwell-cli" "$@" ;;
  --help|-h)
    echo "Usage: ./run.sh [FILE.grs]        start Markwell (opening FILE.grs)"
    echo "       ./run.sh --cli COMMAND ...  run markwell-cli"
    echo
    exec "$checkout/build/app/markwell-cli" --help ;;
esac

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No graphical display found: start Markwell from a desktop session (or under xvfb-run)," >&2
  echo "or use the command-line tool: ./run.sh --cli --help" >&2
  exit 1
fi
exec "$checkout/build/app/markwell" "$@"
