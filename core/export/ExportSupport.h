// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"

#include <QString>

#include <vector>

namespace markwell {

class Sheet;

// What the spreadsheet writers share.

// Spreadsheet programs keep at most this many characters in a cell and in a
// print header.
inline constexpr int kMaxCellTextLength = 32767;
inline constexpr int kMaxHeaderLength = 255;

// Refuses, with a reason for a person, a sheet that does not fit a format of
// at most `maxRows` x `maxCols` cells (`formatName` such as ".xls"), or that
// holds a text longer than a cell can keep.
Result<void> checkSheetFits(const Sheet& sheet, int maxRows, int maxCols, const QString& formatName);

// The print header as a spreadsheet file can keep it: at most
// kMaxHeaderLength characters, not ending inside a "&" code.
QString storableHeader(const QString& header);

// Neighbouring columns (1-based, ends included) of one width: both formats
// store column widths by such runs.
struct ColumnRun {
    int first = 1;
    int last = 1;
    double width = 0;
};
// The columns 1 to maxCol of the sheet as runs of equal width, left to right.
std::vector<ColumnRun> columnWidthRuns(const Sheet& sheet);

// A text cell as every writer writes it: without the spaces around it. The
// screen pads letter grades to two characters ("B ", " B+"); a spreadsheet
// could neither compare nor count them so.
QString exportedText(const Sheet& sheet, int row, int col);

// "A1"-style name of a cell, for messages.
QString cellName(int row, int col);

}  // namespace markwell
