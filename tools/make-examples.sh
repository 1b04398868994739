#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Computerized Markwell developers
# Regenerates the demonstration classes in examples/ with markwell-cli sample.
# Each class comes with its attendance (.ATD) and seating (.SEA) files.
#   tools/make-examples.sh [path/to/markwell-cli]
set -euo pipefail
cd "$(dirname "$0")/.."
cli=${1:-build/app/markwell-cli}
if [ ! -x "$cli" ]; then
  echo "$cli not found: build first (./run.sh --help builds it)" >&2
  exit 1
fi
# Period 1: a plain average, lowest quiz and homework dropped.
"$cli" sample examples/period1.grs --students 25 --assignments 12 --seed 1 --seats
# Period 2: weighted averages, lowest score dropped overall.
"$cli" sample examples/period2.grs --students 18 --assignments 8 --seed 2 --weighted --drop overall --seats
