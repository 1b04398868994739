// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/reports/EarlierVersionsTable.h"

#include "core/printout/ReportStyle.h"

#include <QCoreApplication>

#include <array>

namespace markwell {
namespace {

struct EarlierVersionsTable {
    Q_DECLARE_TR_FUNCTIONS(EarlierVersionsTable)
};

constexpr std::array kHeadings = {
    QT_TRANSLATE_NOOP("EarlierVersionsTable", "Version"),
    QT_TRANSLATE_NOOP("EarlierVersionsTable", "Saved"),
    QT_TRANSLATE_NOOP("EarlierVersionsTable", "Students"),
    QT_TRANSLATE_NOOP("EarlierVersionsTable", "Assignments"),
};

void setCount(Sheet& sheet, int row, int col, int count) {
    if (count < 0) {
        sheet.setText(row, col, QStringLiteral("?"));
    } else {
        sheet.setNumber(row, col, count);
    }
}

}  // namespace

Sheet earlierVersionsTable(const std::vector<EarlierVersion>& versions) {
    Sheet sheet;
    sheet.setMaxCol(static_cast<int>(kHeadings.size()));
    sheet.setMaxRow(static_cast<int>(versions.size()) + 1);
    for (std::size_t col = 0; col < kHeadings.size(); ++col) {
        sheet.setText(1, static_cast<int>(col) + 1, EarlierVersionsTable::tr(kHeadings[col]));
    }
    int row = 2;
    for (const EarlierVersion& version : versions) {
        sheet.setNumber(row, 1, version.number);
        // One fixed form, whatever the language: scripts read it.
        sheet.setText(row, 2, version.saved.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
        setCount(sheet, row, 3, version.students);
        setCount(sheet, row, 4, version.assignments);
        ++row;
    }
    applyReportStyle(sheet, 1);
    return sheet;
}

}  // namespace markwell
