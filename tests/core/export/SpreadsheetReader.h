// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

// Runs a reader script beside this file (read_xls.py, read_xlsx.py) with the
// system's Python on a written file and returns the JSON it prints.
struct ReaderOutput {
    QString skipReason;  // set when Python or the reader module is missing
    QString error;       // set when the reader failed
    QJsonObject json;
};

ReaderOutput readSpreadsheet(const QString& script, const QString& file);

// A cell of what a reader printed, as [type, value], and its format.
QJsonArray cellAt(const QJsonObject& json, int row, int col);
QJsonObject formatAt(const QJsonObject& json, int row, int col);
// A value of what a reader printed by its dotted path: at(format, "font.colour").
QJsonValue at(const QJsonObject& json, const char* path);
// A font as both readers print it; `styled` is italic, underlined and struck out.
QJsonObject fontOf(const char* name, double size, const char* colour, bool bold = false, bool styled = false);

namespace markwell {
class Sheet;
}

// Every cell within the sheet's extent reads back with the sheet's value and
// type; empty cells read as empty or (when formatted) blank.
void expectCellsEqual(const QJsonObject& json, const markwell::Sheet& sheet);

// Skips the test when the reader is missing, fails it when the reader failed.
// `var` is the name of the variable the macro declares, never an expression.
// NOLINTBEGIN(bugprone-macro-parentheses)
#define READ_SPREADSHEET_OR_SKIP(var, script, file)                            \
    const ReaderOutput var = readSpreadsheet(script, file);                    \
    if (!var.skipReason.isEmpty()) GTEST_SKIP() << qPrintable(var.skipReason); \
    ASSERT_TRUE(var.error.isEmpty()) << qPrintable(var.error)
// NOLINTEND(bugprone-macro-parentheses)
