// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/sheet/Sheet.h"

#include <QString>

namespace markwell {

// The look every report table shares (individual report, statistics,
// attendance analysis, merged report), whatever the class's own font:
//
// - row 1, the heading: "MS Sans Serif" 8, bold, white on solid navy,
//   centred both ways, kept in view while the rows scroll;
// - every further row (however many) in "MS Sans Serif" 8, regular, black;
// - the cells of columns `firstCentredCol` .. maxCol below the heading
//   centred both ways (pass a column beyond maxCol to centre none);
// - column widths fitted to the content, cell (1,1) selected.
//
// Call it after the table's cells are written: the widths follow the texts.
inline constexpr double kReportFontSize = 8;
QString reportFontName();
void applyReportStyle(Sheet& sheet, int firstCentredCol = 2);

// The print header of a report: the grade file's path at the left, `centre`
// (a student's name, an assignment title, ...) in bold, underlined 12-point
// type in the middle, the date at the right. An "&" in either text prints as
// itself; a centre text that starts with a digit keeps its digits (the point
// size comes before the bold and underline switches, so "2nd period" is not
// read as a size of 122).
QString reportPrintHeader(const QString& gradeFilePath, const QString& centre);

// Makes the sheet ready for the print path: the header above, `title` as the
// print job's name, no grid lines, centred on the page.
void setReportPrintout(Sheet& sheet, const QString& title, const QString& gradeFilePath, const QString& centre);

}  // namespace markwell
