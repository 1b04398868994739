#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Computerized Markwell developers
# Fails when a C++ file of the program does not follow .clang-format, and
# lists those files. Nothing is changed; to format a file in place run
# `clang-format -i FILE`.
#   scripts/check-format.sh [FILE...]   (default: every .cpp and .h of the tree)
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v clang-format >/dev/null 2>&1; then
  echo "check-format: clang-format is not installed (Debian package clang-format)" >&2
  exit 2
fi

files=("$@")
if [ "${#files[@]}" -eq 0 ]; then
  mapfile -t files < <(find core render mail gui app tests bench fuzz -type f \( -name '*.cpp' -o -name '*.h' \) | sort)
fi

# A bad .clang-format or a missing file is a failure of the check itself,
# never a pass.
if ! clang-format --dump-config >/dev/null; then
  echo "check-format: clang-format cannot read .clang-format" >&2
  exit 2
fi
for file in "${files[@]}"; do
  [ -f "$file" ] || { echo "check-format: no file $file" >&2; exit 2; }
done

# One process: parallel ones would interleave their messages. clang-format
# names each file at fault at the start of a line.
mapfile -t unformatted < <(printf '%s\0' "${files[@]}" |
  { xargs -0 clang-format --dry-run -Werror 2>&1 || true; } |
  sed -n 's/^\([A-Za-z0-9_.\/+-][A-Za-z0-9_.\/+-]*\):[0-9]*:[0-9]*: error: code should be clang-formatted.*/\1/p' | sort -u)

if [ "${#unformatted[@]}" -gt 0 ]; then
  echo "check-format: ${#unformatted[@]} of ${#files[@]} files are not formatted as .clang-format says:" >&2
  printf '  %s\n' "${unformatted[@]}" >&2
  echo "Format them with: clang-format -i FILE..." >&2
  exit 1
fi
echo "check-format: ${#files[@]} files formatted"
