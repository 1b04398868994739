// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

// What a table, a list or a class shows, as text a test compares in one go.

#include "core/data/ClassRecord.h"
#include "core/sheet/Sheet.h"

#include <QComboBox>
#include <QStringList>

#include <string>
#include <vector>

namespace markwell::testing {

// The cells of one row from `fromCol` on, "|" between them.
inline QString rowText(const Sheet& sheet, int row, int fromCol = 1) {
    QStringList cells;
    for (int col = fromCol; col <= sheet.maxCol(); ++col) cells << sheet.text(row, col);
    return cells.join(QLatin1Char('|'));
}

// Every row of the sheet as rowText gives it.
inline QStringList rowTexts(const Sheet& sheet) {
    QStringList rows;
    for (int row = 1; row <= sheet.maxRow(); ++row) rows << rowText(sheet, row);
    return rows;
}

inline QStringList itemTexts(const QComboBox* box) {
    QStringList texts;
    for (int i = 0; i < box->count(); ++i) texts << box->itemText(i);
    return texts;
}

inline std::vector<std::string> studentNames(const ClassRecord& cls) {
    std::vector<std::string> names;
    for (const StudentInfo& s : cls.students) names.push_back(s.name);
    return names;
}

}  // namespace markwell::testing
