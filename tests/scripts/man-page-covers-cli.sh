#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Computerized Markwell developers
# The manual page of markwell-cli is written by hand; this keeps it up with
# the program. Every command that `markwell-cli --help` lists must have its
# subsection (".SS NAME") in the page, naming every option that
# `markwell-cli NAME --help` lists; the page may describe no command the
# program does not have; --help and --version are under OPTIONS.
#   man-page-covers-cli.sh MARKWELL_CLI PAGE    checks the page
#   man-page-covers-cli.sh --self-test MARKWELL_CLI PAGE
#                                               checks that an option taken out
#                                               of a copy of the page, and a
#                                               command the program lacks, are found
set -euo pipefail

# The helps of the program, read once into a folder: main.txt and COMMAND.txt.
read_helps() {
  local cli=$1 helps=$2 command
  "$cli" --help >"$helps/main.txt"
  for command in $(commands_of "$helps"); do "$cli" "$command" --help >"$helps/$command.txt"; done
}

# The command names of the main help: the usage lines under "Commands:".
commands_of() {
  awk '/^Commands:/ { on = 1; next } /^$/ { if (on) exit } on && /^  [a-z]/ { print $1 }' "$1/main.txt"
}

# One pass over the helps and the page (a process per option would take
# seconds on a busy machine). The page writes each hyphen of an option as \-.
check_page() {
  local helps=$1 page=$2 command
  local -a files=("$helps/main.txt")
  for command in $(commands_of "$helps"); do files+=("$helps/$command.txt"); done
  awk -v page="$page" '
    function roff(option) { gsub(/-/, "\\-", option); return option }
    FILENAME == page {
      if ($1 == ".SH") { heading = $2; section = ""; next }
      if ($1 == ".SS") { section = $2; described[section] = 1; next }
      key = section != "" ? section : heading
      text[key] = text[key] "\n" $0
      next
    }
    FNR == 1 { command = FILENAME; sub(/.*\//, "", command); sub(/\.txt$/, "", command); listing = 0 }
    command == "main" && /^Commands:/ { listing = 1; next }
    command == "main" && listing && /^  [a-z]/ { commands[++count] = $1; known[$1] = 1 }
    command == "main" && /^$/ { listing = 0 }
    command != "main" && /^Options:/ { listing = 1; next }
    command != "main" && listing && /^  -/ {
      if ($1 ~ /^-[a-z],$/) { wanted(command, substr($1, 1, 2)); wanted(command, $2) } else wanted(command, $1)
    }
    function wanted(command, option) {
      if (option == "-h" || option == "--help") return
      options[command] = options[command] " " option
    }
    END {
      if (count < 20) { print "the help lists only " count " commands: is it markwell-cli?"; exit 1 }
      for (i = 1; i <= count; ++i) {
        command = commands[i]
        if (!(command in described)) { print page ": no subsection \".SS " command "\""; failed = 1; continue }
        n = split(options[command], list, " ")
        for (j = 1; j <= n; ++j) {
          if (!index(text[command], roff(list[j]))) {
            print page ": the command " command " does not name its option " list[j]; failed = 1
          }
        }
      }
      for (command in described) {
        if (!(command in known)) { print page ": describes \"" command "\", which markwell-cli does not have"; failed = 1 }
      }
      split("--help --version", list, " ")
      for (j = 1; j <= 2; ++j) {
        if (!index(text["OPTIONS"], roff(list[j]))) { print page ": OPTIONS does not name " list[j]; failed = 1 }
      }
      exit failed
    }' "${files[@]}" "$page"
}

self_test() {
  local helps=$1 page=$2 copy=$1/page.1 failed=0
  if ! check_page "$helps" "$page" >/dev/null; then echo "FAILED: the page itself is refused"; return 1; fi

  # sample's --seats taken out of its subsection (it stays elsewhere in the page).
  awk '/^\.SS / { in_sample = ($2 == "sample") } !(in_sample && /\\-\\-seats/)' "$page" >"$copy"
  if check_page "$helps" "$copy" >/dev/null; then echo "FAILED: sample's --seats left out is not found"; failed=1; fi

  # export's -o, --output taken out.
  awk '/^\.SS / { in_export = ($2 == "export") } !(in_export && /^\.BI \\-o/)' "$page" >"$copy"
  if check_page "$helps" "$copy" >/dev/null; then echo "FAILED: export's -o left out is not found"; failed=1; fi

  # The subsection of mailto taken out whole.
  awk '/^\.S[SH] / { skip = ($1 == ".SS" && $2 == "mailto") } !skip' "$page" >"$copy"
  if check_page "$helps" "$copy" >/dev/null; then echo "FAILED: a command left out is not found"; failed=1; fi

  # A command the program does not have.
  sed 's/^\.SS mailto$/.SS mail-merge/' "$page" >"$copy"
  if check_page "$helps" "$copy" >/dev/null; then echo "FAILED: a command the program lacks is not found"; failed=1; fi
  return $failed
}

mode=check_page
if [ "${1:-}" = "--self-test" ]; then
  mode=self_test
  shift
fi
[ $# -eq 2 ] || { echo "usage: $0 [--self-test] MARKWELL_CLI PAGE" >&2; exit 2; }
helps=$(mktemp -d)
trap 'rm -rf "$helps"' EXIT
read_helps "$1" "$helps"
"$mode" "$helps" "$2"
