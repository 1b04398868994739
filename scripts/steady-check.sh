#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Computerized Markwell developers
# Runs the window tests and every test that starts a process (markwell-cli,
# the desktop program, a mail server, a fuzzer, a script) several times over
# while two busy processes compete for the processor, as on a loaded CI
# machine: a test that fails once in ten runs shows here. Not part of
# ./test.sh: it takes several times as long as the suite.
#   scripts/steady-check.sh [BUILD_DIR] [REPEATS]     (build/ and 5)
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
repeats=${2:-5}

# GoogleTest suites of the files that start a program, themselves or
# through a test helper that does; a parameterised suite's tests are named
# INSTANCE/SUITE.CASE/N.
starters=$(grep -rlE 'QProcess|MARKWELL_CLI_PATH|MARKWELL_APP_PATH' tests/core tests/render tests/mail tests/support)
helpers=$(for file in $starters; do basename "${file%.*}"; done | sort -u | paste -sd'|')
files=$( (echo "$starters"; grep -rlE "#include \"[^\"]*($helpers)\.h\"" tests/core tests/render tests/mail) | grep '\.cpp$' | sort -u)
suites=$(echo "$files" | xargs grep -ohE '^TEST(_F|_P)?\([A-Za-z0-9_]+' | sed -E 's/^TEST(_F|_P)?\(//' | sort -u | paste -sd'|')
regex="^(gui|script|fuzz)\\.|(^|/)(${suites})\\."

load=()
stop_load() { [ ${#load[@]} -eq 0 ] || kill "${load[@]}" 2>/dev/null || true; }
trap stop_load EXIT
for _ in 1 2; do
  yes >/dev/null &
  load+=($!)
done

jobs=$(nproc 2>/dev/null || echo 2)
[ "$jobs" -gt 2 ] && jobs=2
echo "$(ctest --test-dir "$dir" -N -R "$regex" | tail -n 1) x up to $repeats runs, under two busy processes"
ctest --test-dir "$dir" -R "$regex" --repeat "until-fail:$repeats" -j "$jobs" --output-on-failure
