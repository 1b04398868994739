// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/printout/AssignmentListPrintout.h"

#include "core/common/Cp1252.h"
#include "core/printout/PrintCopy.h"
#include "core/sheet/HeadingRow.h"

#include <QCoreApplication>

namespace markwell {
namespace {

struct AssignmentListPrintout {
    Q_DECLARE_TR_FUNCTIONS(AssignmentListPrintout)
};

// A cell shows one line: the line breaks of a description become blanks.
QString oneLine(const std::string& text) {
    QString line = cp1252::toUnicode(text);
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line;
}

}  // namespace

Sheet assignmentListPrintout(const std::vector<AssignmentInfo>& assignments, const QString& classPath) {
    Sheet sheet;
    const int last = static_cast<int>(assignments.size()) + 1;
    sheet.setMaxCol(3);
    sheet.setMaxRow(last);
    const QString face = QStringLiteral("MS Sans Serif");
    CellFont body;
    body.name = face;
    body.size = 8;
    sheet.setFont(CellRange::all(), body);
    formatHeadingRow(sheet, face, 8);

    sheet.setText(1, 1, AssignmentListPrintout::tr("Title"));
    sheet.setText(1, 2, AssignmentListPrintout::tr("Type"));
    sheet.setText(1, 3, AssignmentListPrintout::tr("Description"));
    for (int row = 2; row <= last; ++row) {
        const AssignmentInfo& a = assignments[static_cast<std::size_t>(row - 2)];
        sheet.setText(row, 1, cp1252::toUnicode(a.title));
        sheet.setText(row, 2, cp1252::toUnicode(a.assign_type));
        sheet.setText(row, 3, a.description.empty() ? AssignmentListPrintout::tr("< None >") : oneLine(a.description));
    }
    if (last >= 2) sheet.setAlignment({2, 2, last, 3}, CellAlignment::centred());

    sheet.fitColumnWidths();
    sheet.setShowGridLines(false);
    PrintSettings& print = sheet.print();
    print.title = AssignmentListPrintout::tr("Assignment Information");
    print.header = printHeaderWithTitle(classPath, print.title);
    print.gridLines = false;
    print.centerHorizontally = true;
    sheet.setSelection(CellRange::cell(1, 1));
    return sheet;
}

}  // namespace markwell
