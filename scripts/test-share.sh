#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Computerized Markwell developers
# How large the tests are beside the program: the lines of the .cpp and .h
# files under tests/ against all of core/ render/ mail/ gui/ app/ tests/. The house
# keeps it between a quarter and a third; this prints the figure, it is not
# a gate.
#   scripts/test-share.sh
set -euo pipefail
cd "$(dirname "$0")/.."

lines_in() {
  find "$@" \( -name '*.cpp' -o -name '*.h' \) -type f -print0 | xargs -0 cat | wc -l
}

tests=$(lines_in tests)
all=$(lines_in core render mail gui app tests)
product=$((all - tests))
awk -v t="$tests" -v p="$product" -v a="$all" 'BEGIN {
  printf "tests   %6d lines\nproduct %6d lines\nshare   %.1f %% of %d lines\n", t, p, 100 * t / a, a
}'
