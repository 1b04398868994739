# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Computerized Markwell developers
# The fuzz targets (the file readers, and the seating chart's commands),
# shared by the fuzz build (fuzz/CMakeLists.txt) and the
# main build, which runs them as tests (fuzz/Tests.cmake). Each has a source
# fuzz/<name>.cpp, a seed folder made by make_fuzz_seeds, and a number of
# inputs per test run (about a minute for all of them on this machine).
set(MARKWELL_FUZZ_TARGETS grade_file attendance_file seating_file seating_chart comma_text csv_import score_file)
set(MARKWELL_FUZZ_RUNS_grade_file 250000)
set(MARKWELL_FUZZ_RUNS_attendance_file 200000)
set(MARKWELL_FUZZ_RUNS_seating_file 200000)
set(MARKWELL_FUZZ_RUNS_seating_chart 100000)
set(MARKWELL_FUZZ_RUNS_comma_text 200000)
set(MARKWELL_FUZZ_RUNS_csv_import 100000)
set(MARKWELL_FUZZ_RUNS_score_file 50000)
# Inputs are kept small so that the runs explore structure, not bulk.
set(MARKWELL_FUZZ_MAX_LEN 40000)
