#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Computerized Markwell developers
# ./run.sh started from another folder: the program runs in that folder with
# the arguments as given, and stdout carries the program's output alone.
#   run-sh-from-elsewhere.sh CHECKOUT BUILD_DIR
# Skipped (77) unless BUILD_DIR is CHECKOUT/build, the folder run.sh builds:
# then its build has nothing to do and the test stays quick.
set -euo pipefail
checkout=$(cd "$1" && pwd)
build=$(cd "$2" && pwd)
if [ "$build" != "$checkout/build" ]; then
  echo "run.sh builds $checkout/build, not the build under test ($build): skipped"
  exit 77
fi
cli="$build/app/markwell-cli"

here=$(mktemp -d)
trap 'rm -rf "$here"' EXIT
cd "$here"
cp "$checkout/examples/period1.grs" "$checkout/examples/period1.ATD" "$checkout/examples/period1.SEA" .
failed=0
exec 3>&1  # the verdicts, whatever a check's own output is sent to
check() {  # DESCRIPTION, then a command that must succeed
  local what=$1
  shift
  if ! "$@"; then echo "FAILED: $what" >&3; failed=1; fi
}

# A relative output name lands where the user stands, not in the checkout.
out="run-sh-test-$$.csv"
check "export exits 0" "$checkout/run.sh" --cli export period1.grs "$out" 2>/dev/null
check "the .csv is written in the current folder" test -s "$here/$out"
check "nothing is written in the checkout" test ! -e "$checkout/$out"

# Stdout is the program's output alone; the build talks on stderr.
"$checkout/run.sh" --cli show period1.grs >shown.txt 2>/dev/null
"$cli" show period1.grs >expected.txt
check "show prints the table and nothing else" cmp -s shown.txt expected.txt

# A column number stays a column number, even beside a file of that name.
touch 1
check "sort on column 1 beside a file named 1" "$checkout/run.sh" --cli sort period1.grs 1 >sorted.txt 2>/dev/null
"$cli" show period1.grs >resorted.txt
check "the class was sorted in the current folder" cmp -s sorted.txt resorted.txt

# A name that does not exist yet, with folders, is also taken from here.
mkdir -p sub
check "sample into a relative folder" "$checkout/run.sh" --cli sample sub/new.grs --students 3 --assignments 2 >/dev/null 2>&1
check "sub/new.grs is written under the current folder" test -s "$here/sub/new.grs"

exit $failed
