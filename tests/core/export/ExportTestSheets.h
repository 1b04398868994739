// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/sheet/Sheet.h"

#include <QString>

// Sheets the export tests write, built cell by cell so the tests can state
// what a reader must find.

// A small grades table, 7 rows x 7 columns:
//   row 1  heading "Name", "Quiz 1", "Test, Unit 2", "Total", "Average",
//          "Grade", "Hidden": MS Sans Serif 8, bold, white on solid navy,
//          centred both ways
//   row 2  "Zoë O'Brien", 17.5, 88, 105.5, "87.46%", " B+", "x"
//   row 3  "Smith, \"Jo\"", "-" (red: a dropped score), 100, 100, "100.00%", "A"
//   row 4  "Łukasz 王", 0.1, 1099511627776 (2^40), 1/3, "7.81%", "F "
//   row 5  "Line\nBreak" (Times New Roman 12, italic, underlined, struck
//          out, colour #996633), -42, 1E-07, 123456789012, 536870912 (2^29),
//          -536870912
//   row 6  empty, filled navy from column 1 to 6
//   row 7  "Total" bold, 17.6, 1099511627964, empty, empty, empty
// Column 4 has the number format "0.0". Widths: column 1 24.5, column 6 6,
// column 7 0 (hidden), the others the default 9. One frozen column, grid
// lines off; print header "&L/home/teacher/Class 5.grs&C&B&U&12Grades&R&D",
// title "Grades of Class 5", printed grid lines, centred horizontally.
markwell::Sheet gradesTableSheet();

inline constexpr markwell::PlatformColour kOddColour = 0x336699;  // #996633

// The text in `count` characters, repeated from `unit`.
QString repeated(const QString& unit, int count);
