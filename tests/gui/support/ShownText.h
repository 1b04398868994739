// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

// What a table, a list or a class shows, as text a test compares in one go.

#include "core/sheet/Sheet.h"
#include "tests/core/grading/GradesFixture.h"

#include <QComboBox>
#include <QStringList>

namespace markwell::testing {

// Every row of a sheet, "|" between the cells, and the names of a class's
// students in order: the grade tests' own helpers.
using markwell::test::studentNames;
using markwell::test::tableText;

// The cells of one row from `fromCol` on, "|" between them.
inline QString rowText(const Sheet& sheet, int row, int fromCol = 1) {
    QStringList cells;
    for (int col = fromCol; col <= sheet.maxCol(); ++col) cells << sheet.text(row, col);
    return cells.join(QLatin1Char('|'));
}

inline QStringList itemTexts(const QComboBox* box) {
    QStringList texts;
    for (int i = 0; i < box->count(); ++i) texts << box->itemText(i);
    return texts;
}

}  // namespace markwell::testing
