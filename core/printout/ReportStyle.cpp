// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/printout/ReportStyle.h"

#include "core/printout/PrintCopy.h"
#include "core/sheet/HeadingRow.h"

namespace markwell {
QString reportFontName() {
    return QStringLiteral("MS Sans Serif");
}

void applyReportStyle(Sheet& sheet, int firstCentredCol) {
    formatHeadingRow(sheet, reportFontName(), kReportFontSize);
    sheet.setFixedRows(1);
    if (sheet.maxRow() >= 2 && firstCentredCol <= sheet.maxCol()) {
        sheet.setAlignment({2, firstCentredCol, sheet.maxRow(), sheet.maxCol()}, CellAlignment::centred());
    }
    if (sheet.maxRow() >= 2) {
        CellFont body;
        body.name = reportFontName();
        body.size = kReportFontSize;
        body.color = colour::kBlack;
        sheet.setFont(CellRange::rows(2, sheet.maxRow()), body);
    }
    sheet.fitColumnWidths(CellRange::all());
    sheet.setSelection(CellRange::cell(1, 1));
}

QString reportPrintHeader(const QString& gradeFilePath, const QString& centre) {
    return printHeaderWithTitle(gradeFilePath, centre);
}

void setReportPrintout(Sheet& sheet, const QString& title, const QString& gradeFilePath, const QString& centre) {
    PrintSettings& print = sheet.print();
    print.header = reportPrintHeader(gradeFilePath, centre);
    print.title = title;
    print.gridLines = false;
    print.centerHorizontally = true;
}

}  // namespace markwell
