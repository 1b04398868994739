// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/reports/AttendanceAnalysis.h"

#include "core/common/Cp1252.h"
#include "core/printout/ReportStyle.h"

#include <QCoreApplication>
#include <QStringList>

namespace markwell {

MonthCounts countMonthMarks(const DayMarks& days) {
    MonthCounts counts;
    for (const char code : days) {
        // Exactly the page's codes: "t" or "X" is no mark.
        if (code == 'T') ++counts.tardy;
        else if (code == 'U') ++counts.unexcused;
        else if (code == 'E') ++counts.excused;
    }
    return counts;
}

void writeAttendanceHeadings(Sheet& sheet) {
    const QStringList headings = {QCoreApplication::translate("AttendanceAnalysis", "Month"),
                                  QCoreApplication::translate("AttendanceAnalysis", "Tardy"),
                                  QCoreApplication::translate("AttendanceAnalysis", "Unexcused"),
                                  QCoreApplication::translate("AttendanceAnalysis", "Excused"),
                                  QCoreApplication::translate("AttendanceAnalysis", "Total")};
    for (int col = 1; col <= 5; ++col) sheet.setText(1, col, headings[col - 1]);
}

YearCounts countAttendanceYear(const AttendanceBook& book, int year, std::string_view studentName) {
    YearCounts counts{};
    for (int month = 1; month <= 12; ++month) {
        if (const auto found = book.findAttendanceRecord(month, year, studentName)) {
            counts[static_cast<std::size_t>(month - 1)] = countMonthMarks(book.records()[*found].entry);
        }
    }
    return counts;
}

Sheet buildAttendanceAnalysis(const AttendanceBook& book, int year, std::string_view studentName,
                              const QString& markwellFile, const QLocale& locale) {
    Sheet sheet;
    sheet.setMaxCol(5);
    sheet.setMaxRow(13);
    writeAttendanceHeadings(sheet);

    const YearCounts counts = countAttendanceYear(book, year, studentName);
    for (int month = 1; month <= 12; ++month) {
        const MonthCounts& c = counts[static_cast<std::size_t>(month - 1)];
        const int row = month + 1;
        sheet.setText(row, 1, monthText(locale, month));
        sheet.setNumber(row, 2, c.tardy);
        sheet.setNumber(row, 3, c.unexcused);
        sheet.setNumber(row, 4, c.excused);
        sheet.setNumber(row, 5, c.total());
    }

    applyReportStyle(sheet);
    setReportPrintout(sheet, markwellFile, markwellFile, cp1252::toUnicode(studentName));
    return sheet;
}

}  // namespace markwell
