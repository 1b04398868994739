#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Computerized Markwell developers
# Runs one fuzz target for a bounded number of inputs and fails on any finding.
#   run-fuzzer.sh BINARY SEEDS CORPUS RUNS MAX_LEN
# The corpus folder keeps what earlier runs found; a finding is kept as
# findings/<target>-crash-... next to the binary. Exit 77 (skipped) when the
# binary has not been built.
set -euo pipefail
binary=$1 seeds=$2 corpus=$3 runs=$4 max_len=$5

if [ ! -x "$binary" ]; then
  echo "$(basename "$binary") is not built (./test.sh builds it when clang++ is installed): skipped"
  exit 77
fi
findings="$(dirname "$binary")/findings"
mkdir -p "$corpus" "$findings"
log=$(mktemp)
trap 'rm -f "$log"' EXIT

status=0
"$binary" -runs="$runs" -max_len="$max_len" -max_total_time=150 -timeout=10 \
  -rss_limit_mb=2048 -malloc_limit_mb=256 -print_final_stats=1 \
  -artifact_prefix="$findings/$(basename "$binary")-" \
  "$corpus" "$seeds" >"$log" 2>&1 || status=$?

if [ "$status" -ne 0 ]; then
  grep -v -E '^#[0-9]+ +(NEW|REDUCE|pulse)|^\s+NEW_FUNC' "$log" | tail -n 80
  echo "$(basename "$binary"): FINDING (exit $status); the input is in $findings"
  exit 1
fi
units=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
echo "$(basename "$binary"): ${units:-?} inputs, ${speed:-?} per second, no finding"
