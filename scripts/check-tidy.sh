#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Computerized Markwell developers
# Runs clang-tidy (the checks of .clang-tidy) on the .cpp files changed since
# a base commit, or on every .cpp file, and fails on any finding.
#   scripts/check-tidy.sh            files changed since the merge base with
#                                    main (on main itself: since HEAD~1),
#                                    uncommitted changes included
#   scripts/check-tidy.sh COMMIT     files changed since COMMIT
#   scripts/check-tidy.sh --all      every .cpp file of the build
# A changed header brings in the .cpp file of the same name. The build folder
# (MARKWELL_TIDY_BUILD, default build/) must have been built: clang-tidy reads
# its compile_commands.json and the moc files it generates.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${MARKWELL_TIDY_BUILD:-build}
if ! command -v clang-tidy >/dev/null 2>&1; then
  echo "check-tidy: clang-tidy is not installed (Debian package clang-tidy)" >&2
  exit 2
fi
if [ ! -f "$build/compile_commands.json" ]; then
  echo "check-tidy: no $build/compile_commands.json: configure and build $build first" >&2
  exit 2
fi

# Every source file the build compiles, as a path from the checkout.
mapfile -t compiled < <(python3 - "$build/compile_commands.json" "$PWD" <<'PY'
import json, os, sys
root = os.path.realpath(sys.argv[2])
for entry in json.load(open(sys.argv[1])):
    path = os.path.realpath(os.path.join(entry["directory"], entry["file"]))
    if path.startswith(root + "/") and path.endswith(".cpp"):
        rel = path[len(root) + 1:]
        if rel.split("/")[0] in ("core", "render", "mail", "gui", "app", "tests", "bench", "fuzz"):
            print(rel)
PY
)

if [ "${1:-}" = "--all" ]; then
  files=("${compiled[@]}")
else
  if [ -n "${1:-}" ]; then
    base=$1
  else
    base=$(git merge-base HEAD main 2>/dev/null || true)
    if [ -z "$base" ] || [ "$base" = "$(git rev-parse HEAD)" ]; then base=HEAD~1; fi
  fi
  git rev-parse --verify --quiet "$base^{commit}" >/dev/null ||
    { echo "check-tidy: no commit $base" >&2; exit 2; }
  mapfile -t changed < <(git diff --name-only --diff-filter=d "$base" -- '*.cpp' '*.h'
    git ls-files --others --exclude-standard -- '*.cpp' '*.h')
  files=()
  for file in "${changed[@]}"; do
    [[ $file == *.h ]] && file=${file%.h}.cpp
    for c in "${compiled[@]}"; do
      if [ "$c" = "$file" ]; then files+=("$file"); break; fi
    done
  done
  mapfile -t files < <(printf '%s\n' "${files[@]}" | sed '/^$/d' | sort -u)
fi

if [ "${#files[@]}" -eq 0 ]; then
  echo "check-tidy: no .cpp file to check"
  exit 0
fi

# The build's compile commands without its precompiled headers: clang cannot
# read g++'s, and without them each file is checked as it stands, with the
# includes it names itself.
reports=$(mktemp -d)
trap 'rm -rf "$reports"' EXIT
python3 - "$build/compile_commands.json" "$reports/compile_commands.json" <<'PY'
import json, shlex, sys
def without_pch(args):
    kept, i = [], 0
    while i < len(args):
        a = args[i]
        if a == "-include" and args[i + 1].endswith("cmake_pch.hxx"):
            i += 2
        elif a == "-Xclang" and i + 1 < len(args) and args[i + 1] in ("-include-pch", "-include"):
            i += 4
        elif a == "-Xclang" and i + 1 < len(args) and args[i + 1] == "-fno-pch-timestamp":
            i += 2
        elif a in ("-Winvalid-pch", "-fpch-instantiate-templates"):
            i += 1
        else:
            kept.append(a)
            i += 1
    return kept
entries = json.load(open(sys.argv[1]))
for entry in entries:
    entry["arguments"] = without_pch(entry.pop("arguments", None) or shlex.split(entry.pop("command")))
json.dump(entries, open(sys.argv[2], "w"), indent=1)
PY

# Two files at a time (the machines have two cores), each report in a file
# of its own so that they do not interleave. The compile commands are g++'s:
# clang does not know every warning option they may name.
printf '%s\n' "${files[@]}" | xargs -P 2 -I{} sh -c \
  'clang-tidy -p "$1" --quiet --extra-arg=-Wno-unknown-warning-option "$2" >"$3/$(echo "$2" | tr / _).txt" 2>&1 || true' \
  sh "$reports" {} "$reports"

# A finding in a header shows once per file that includes it: each once. A
# file clang-tidy could not process is a finding too, never a pass.
findings=$(cat "$reports"/*.txt |
  grep -E '^[^ ].*:[0-9]+:[0-9]+: (warning|error):|^Error while processing|Compile command not found|Could not auto-detect' |
  sort -u || true)
if [ -n "$findings" ]; then
  cat "$reports"/*.txt | grep -vE '^[0-9]+ (warning|error)s? (generated|treated as errors)' |
    grep -v '^Suppressed [0-9]* warnings' | grep -v '^Use -header-filter' >&2 || true
  echo "check-tidy: $(printf '%s\n' "$findings" | wc -l) findings in ${#files[@]} files checked:" >&2
  printf '%s\n' "$findings" | sed 's/^/  /' >&2
  exit 1
fi
echo "check-tidy: ${#files[@]} files checked, no findings"
