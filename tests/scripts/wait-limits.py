#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Computerized Markwell developers
"""A test waits for the event loop, a timer or another program only on a
condition, with a limit it names, of 10 s or more: no fixed sleep, and none
of Qt's default limits (5 s for QTRY_*, windows and signal spies), which a
sanitizer build on a busy machine can miss. Lists every wait that breaks
that and fails.
  wait-limits.py DIR...       checks the .cpp and .h files under DIR
  wait-limits.py --self-test  checks that planted waits of each kind are found
"""
import pathlib
import re
import sys

SHORTEST_MS = 10000

# A call to any of these is a wait; the number is the argument that holds its
# limit (counted from 1), None when the call is a fixed sleep.
WAITS = {
    "QTRY_VERIFY": 2, "QTRY_VERIFY2": 3, "QTRY_COMPARE": 3,  # no limit argument at all
    "QTRY_VERIFY_WITH_TIMEOUT": 2, "QTRY_VERIFY2_WITH_TIMEOUT": 3, "QTRY_COMPARE_WITH_TIMEOUT": 3,
    "qWaitForWindowExposed": 2, "qWaitForWindowActive": 2, "qWaitFor": 2,
    "wait": 1,  # QSignalSpy
    "waitForStarted": 1, "waitForFinished": 1, "waitForReadyRead": 1, "waitForBytesWritten": 1,
    "qWait": None, "qSleep": None, "sleep": None, "usleep": None, "msleep": None, "sleep_for": None,
}
CALL = re.compile(r"\b(" + "|".join(sorted(WAITS, key=len, reverse=True)) + r")\s*\(")


def code_only(text):
    """The text with comments and string literals blanked, lines kept."""
    def blank(match):
        return re.sub(r"[^\n]", " ", match.group(0))
    pattern = r'//[^\n]*|/\*.*?\*/|R"(\w*)\(.*?\)\1"|"(?:\\.|[^"\\\n])*"|\'(?:\\.|[^\'\\\n])*\''
    return re.sub(pattern, blank, text, flags=re.S)


def arguments(code, start):
    """The top-level arguments of the call whose '(' is at start."""
    depth, args, begin = 0, [], start + 1
    for i in range(start, len(code)):
        c = code[i]
        if c in "([{":
            depth += 1
        elif c in ")]}":
            depth -= 1
            if depth == 0:
                args.append(code[begin:i].strip())
                return [a for a in args if a]
        elif c == "," and depth == 1:
            args.append(code[begin:i].strip())
            begin = i + 1
    return []


def problem(name, args):
    position = WAITS[name]
    if position is None:
        return "a fixed sleep: wait on a condition instead"
    if len(args) < position:
        return "Qt's default limit: name one (kWaitLimitMs in window tests)"
    limit = args[position - 1]
    if limit.isdigit() and int(limit) < SHORTEST_MS:
        return f"a limit of {limit} ms: a loaded sanitizer build can miss it"
    return None


def findings(text):
    code = code_only(text)
    for match in CALL.finditer(code):
        name = match.group(1)
        if name == "wait" and not code[:match.start()].rstrip().endswith((".", "->")):
            continue  # a function of our own called wait
        found = problem(name, arguments(code, match.end() - 1))
        if found:
            yield code.count("\n", 0, match.start()) + 1, name, found


def check(paths):
    bad = 0
    for path in paths:
        for line, name, found in findings(path.read_text(encoding="utf-8")):
            print(f"{path}:{line}: {name}: {found}")
            bad += 1
    return bad


def self_test():
    planted = {
        "QTRY_VERIFY(done);": 1,
        "QTRY_COMPARE(a, f(b, c));": 1,
        "QTRY_VERIFY_WITH_TIMEOUT(done, 3000);": 1,
        "QVERIFY(QTest::qWaitForWindowExposed(&w));": 1,
        "QTest::qWaitFor([&] { return f(1, 2); });": 1,
        "QVERIFY(spy.wait());": 1,
        "process.waitForFinished();": 1,
        "QTest::qWait(100);": 1,
        "std::this_thread::sleep_for(10ms);": 1,
        "QTRY_COMPARE_WITH_TIMEOUT(f(a, b), c, kWaitLimitMs);": 0,
        "QVERIFY(QTest::qWaitForWindowActive(d, kWaitLimitMs));": 0,
        "process.waitForFinished(60000);": 0,
        "waitForFinished(moment(random));": 0,
        "// QTest::qWait(100) and QTRY_VERIFY(x) in a comment": 0,
        'const char* s = "QTRY_VERIFY(x)";': 0,
        "wait(3);  // not a Qt wait": 0,
    }
    failed = 0
    for line, expected in planted.items():
        found = len(list(findings(line)))
        if found != expected:
            print(f"FAILED: {line!r}: {found} findings, expected {expected}")
            failed = 1
    return failed


def main(argv):
    if argv == ["--self-test"]:
        return self_test()
    paths = [p for d in argv for p in sorted(pathlib.Path(d).rglob("*")) if p.suffix in (".cpp", ".h")]
    if not paths:
        print("no .cpp or .h files under", " ".join(argv))
        return 2
    return 1 if check(paths) else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
