// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <vector>

namespace markwell {

// A gradebook saved as CSV by a school's learning system or a spreadsheet
// program: a header naming the columns, then a row per student. The file
// comes from elsewhere, so it is read as untrusted input: its size, rows,
// columns and fields are bounded, and a refusal names the line and column.

// Who wrote the file, as its header tells.
enum class ScoreLayout { Canvas, Moodle, Classroom, Spreadsheet };

// What a column holds, as its heading says: the student's details, scores,
// or something else (a total, a letter grade, feedback, a section).
enum class ColumnRole { Score, Ignored, Name, FirstName, LastName, StudentId, Email, Login };

struct ScoreColumn {
    QString heading;  // as the file has it
    // The assignment title a score column names: the heading without
    // Canvas's " (12345)", Moodle's "Quiz: " and " (Real)".
    QString title;
    ColumnRole role = ColumnRole::Score;
    QString ignoredBecause;  // why an Ignored column is left alone, for a person
    QString possible;        // its cell of the points row, trimmed; empty without one
};

// A student's row: its line in the file and one cell per column.
struct ScoreRow {
    int line = 0;
    QStringList cells;
};

struct ScoreTable {
    ScoreLayout layout = ScoreLayout::Spreadsheet;
    bool utf8 = true;  // else Windows-1252
    QChar separator = QLatin1Char(',');
    // Numbers are written "7,5": the separator is ";" or a tab and such
    // numbers occur.
    bool decimalComma = false;
    int headerLine = 0;
    bool hasPointsRow = false;
    std::vector<ScoreColumn> columns;
    std::vector<ScoreRow> rows;
};

// Bounds of a score file: well beyond a school's largest course.
inline constexpr qsizetype kMaxScoreFileBytes = qsizetype(64) << 20;
inline constexpr qsizetype kMaxScoreRows = 100000;
inline constexpr qsizetype kMaxScoreColumns = 5000;
inline constexpr qsizetype kMaxScoreFieldLength = 32767;

// Reads the bytes: UTF-8 (with or without a byte order mark), else
// Windows-1252; fields separated by ",", ";" or tabs, whichever the file
// uses; the header found among the first rows (rows above it, Canvas's
// "Manual Posting" row and a Classroom date row are skipped; Canvas's
// "Points Possible" row and Classroom's points row give each column's
// possible points). Rows shorter than the header are filled with blanks; a
// row with a value beyond the header's last column is refused.
Result<ScoreTable> parseScoreFile(QByteArrayView bytes);

// Reads and parses the file; a refusal names the file.
Result<ScoreTable> readScoreFile(const QString& path);

// The layout as a person reads it ("Canvas gradebook"), and the word it is
// remembered under in the settings ("Canvas"), which never changes.
QString layoutDescription(ScoreLayout layout);
QString layoutKey(ScoreLayout layout);

// What the reader found, in a line: "Canvas gradebook, UTF-8, separated by
// commas".
QString scoreTableDescription(const ScoreTable& table);

}  // namespace markwell
