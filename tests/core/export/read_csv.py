# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Computerized Markwell developers
"""Reads a .csv file with Python's csv module, an independent reader, and
prints its rows as JSON, each cell as ["text", value] (or ["empty", ""]).

Usage: read_csv.py FILE.csv
"""

import csv
import json
import sys

with open(sys.argv[1], encoding="utf-8", newline="") as f:
    rows = [[["text", v] if v else ["empty", ""] for v in row] for row in csv.reader(f, strict=True)]
print(json.dumps({"log": "", "nrows": len(rows), "ncols": max((len(r) for r in rows), default=0), "cells": rows}))
