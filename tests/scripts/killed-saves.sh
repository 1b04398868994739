#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Computerized Markwell developers
# A save killed at each rename, link and unlink it makes, and at a spread of
# its writes, never leaves a mixed class: right after the kill a mixed set
# of the three files always has its journal beside it, with every kept file
# the journal names; once `show` has read the class, its three files are
# all as before the save or all as after it, and the class's grade history
# holds that save's entry exactly when the files are as after it (never an
# entry for a save that did not happen, never the save taken for a change
# made outside Markwell). Four saves are killed: an edit
# in place, an edit saved over another class, a restored version and a
# conversion written over another class.
#   killed-saves.sh MARKWELL_CLI EXAMPLES_DIR
# Exits 77 (skipped, saying why) when strace is missing or may not trace.
set -euo pipefail

[ $# -eq 2 ] || { echo "usage: $0 MARKWELL_CLI EXAMPLES_DIR" >&2; exit 2; }
cli=$1 examples=$2

if ! command -v strace >/dev/null 2>&1; then
  echo "skipped: strace is not installed (scripts/install-deps.sh installs it with the test packages)"
  exit 77
fi
if ! strace -f -o /dev/null -e trace=none true >/dev/null 2>&1; then
  echo "skipped: this system refuses ptrace, which strace needs (a container without CAP_SYS_PTRACE?)"
  exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
run=$work/run        # every save runs here, so the data folder knows the classes by these paths
pristine=$work/pristine
classes=$run/classes
export XDG_CONFIG_HOME=$run/config XDG_DATA_HOME=$run/data
failures=0
fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
}

# The state every save starts from: classes c and d, and one earlier
# version of c for the restore.
mkdir -p "$classes" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"
for ext in grs ATD SEA; do
  cp "$examples/period1.$ext" "$classes/c.$ext"
  cp "$examples/period2.$ext" "$classes/d.$ext"
done
"$cli" set-total "$classes/c.grs" --index 1 21 >/dev/null
cp -a "$run" "$pristine"

reset() {
  rm -rf "$run"
  cp -a "$pristine" "$run"
}

hashes() {  # STEM: the three files' digests on one line, "-" for one that is missing
  local ext line=""
  for ext in grs ATD SEA; do
    if [ -e "$1.$ext" ]; then line+="$(sha256sum <"$1.$ext" | cut -c1-16) "; else line+="- "; fi
  done
  echo "$line"
}

# The kept files the journal names (its "file" lines: target, new, kept, digest).
kept_files() {
  awk '$1 == "file" && $4 != "-" { print $4 }' "$1" | sed 's/%20/ /g'
}

# The calls of each kind a save makes, as strace -c counts them.
count_calls() {  # SYSCALL, then the command
  local syscall=$1
  shift
  reset
  strace -f -c -o "$work/count" -e trace="$syscall" "$@" >/dev/null 2>&1 || true
  awk -v s="$syscall" '$NF == s { print $4 }' "$work/count" | head -n 1
}

# Which of the N calls to kill at: every one, or for writes a spread of them.
kill_points() {  # SYSCALL N
  local n=$2
  if [ "$1" != write ] || [ "$n" -le 8 ]; then seq 1 "$n"; return; fi
  local step=$(((n + 7) / 8))
  seq 1 "$step" "$n"
  [ $(((n - 1) % step)) -eq 0 ] || echo "$n"
}

# The class's history without its times, which differ from run to run.
history_of() {  # STEM
  "$cli" history "$1.grs" 2>/dev/null | cut -f2-
}

check_save() {  # NAME TARGET_STEM, then the command
  local name=$1 target=$2
  shift 2
  local untouched=$classes/c
  reset
  local before other history_before
  before=$(hashes "$target")
  other=$(hashes "$untouched")
  history_before=$(history_of "$target")
  reset
  "$@" >/dev/null 2>&1 || { fail "$name: the save fails without a kill"; return; }
  local after history_after
  after=$(hashes "$target")
  history_after=$(history_of "$target")
  [ "$history_after" != "$history_before" ] || { fail "$name: the save is not in the history"; return; }
  [ "$before" != "$after" ] || { fail "$name: the save changes nothing"; return; }
  local journal
  journal=$(dirname "$target")/.$(basename "$target").grs.journal

  local syscall n k kills=0
  for syscall in rename renameat renameat2 link linkat unlink unlinkat write; do
    n=$(count_calls "$syscall" "$@")
    [ -n "$n" ] || continue
    for k in $(kill_points "$syscall" "$n"); do
      reset
      # In a subshell: strace ends by the signal it injected, which the shell would report.
      (strace -f -o /dev/null -e trace="$syscall" -e inject="$syscall":signal=SIGKILL:when="$k" "$@" \
        >/dev/null 2>&1) 2>/dev/null || true
      kills=$((kills + 1))
      local at="$name, killed at $syscall $k of $n"
      local now
      now=$(hashes "$target")
      if [ "$now" != "$before" ] && [ "$now" != "$after" ] && [ ! -e "$journal" ]; then
        fail "$at: a mixed class without its journal"
      fi
      if [ -e "$journal" ]; then
        local kept
        while IFS= read -r kept; do
          [ -e "$kept" ] || fail "$at: the kept file $kept named by the journal is gone"
        done < <(kept_files "$journal")
      fi
      if ! "$cli" show "$target.grs" >/dev/null 2>"$work/show.err"; then
        fail "$at: show refuses the class: $(cat "$work/show.err")"
      fi
      now=$(hashes "$target")
      [ "$now" = "$before" ] || [ "$now" = "$after" ] || fail "$at: show leaves a mixed class ($now)"
      [ ! -e "$journal" ] || fail "$at: show leaves the journal"
      local history
      history=$(history_of "$target")
      if [ "$now" = "$after" ]; then
        [ "$history" = "$history_after" ] || fail "$at: the save that happened is not its one entry: $history"
      elif [ "$history" != "$history_before" ]; then
        fail "$at: the history holds what did not happen: $history"
      fi
      if [ "$target" != "$untouched" ] && [ "$(hashes "$untouched")" != "$other" ]; then
        fail "$at: the class the save was made from changed"
      fi
    done
  done
  echo "$name: $kills kills"
}

check_save "an edit in place" "$classes/c" "$cli" set-total "$classes/c.grs" --index 1 77
check_save "an edit saved over another class" "$classes/d" \
  "$cli" set-total "$classes/c.grs" --index 1 55 -o "$classes/d.grs"
check_save "a version restored over another class" "$classes/d" \
  "$cli" versions "$classes/c.grs" --restore 1 -o "$classes/d.grs"
check_save "a conversion over another class" "$classes/d" "$cli" convert "$classes/c.grs" "$classes/d.grs"

if [ "$failures" -gt 0 ]; then
  echo "$failures checks failed"
  exit 1
fi
echo "every killed save left the class whole"
