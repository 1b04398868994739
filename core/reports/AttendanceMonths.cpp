// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/reports/AttendanceMonths.h"

#include "core/common/DateText.h"
#include "core/printout/ReportStyle.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>

namespace markwell {
namespace {

struct AttendanceMonthsText {
    Q_DECLARE_TR_FUNCTIONS(AttendanceMonths)
};

int monthNumber(int year, int month) {
    return year * 12 + month - 1;
}

MonthSpan spanOf(int first, int last) {
    return {first / 12, first % 12 + 1, last / 12, last % 12 + 1};
}

}  // namespace

std::pair<int, int> MonthSpan::at(int index) const {
    const int number = monthNumber(firstYear, firstMonth) + index;
    return {number / 12, number % 12 + 1};
}

Result<MonthSpan> checkedMonthSpan(const MonthSpan& span) {
    const auto valid = [](int year, int month) { return year >= 1 && year <= 9999 && month >= 1 && month <= 12; };
    if (!valid(span.firstYear, span.firstMonth) || !valid(span.lastYear, span.lastMonth)) {
        return fail(AttendanceMonthsText::tr("A month is written YYYY-MM, with a month from 01 to 12."));
    }
    if (span.count() < 1) return fail(AttendanceMonthsText::tr("The last month comes before the first."));
    if (span.count() > kMostReportMonths) {
        return fail(
            AttendanceMonthsText::tr("A report counts attendance over %1 months at most.").arg(kMostReportMonths));
    }
    return span;
}

Result<MonthSpan> parseMonthSpan(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^(\\d{4})-(\\d{2}):(\\d{4})-(\\d{2})$"));
    const QRegularExpressionMatch match = form.match(text.trimmed());
    if (!match.hasMatch()) {
        return fail(AttendanceMonthsText::tr("\"%1\" is not a run of months such as 2026-09:2027-01.").arg(text));
    }
    const auto number = [&match](int group) { return match.captured(group).toInt(); };
    return checkedMonthSpan({number(1), number(2), number(3), number(4)});
}

QString monthSpanText(const MonthSpan& span) {
    return QStringLiteral("%1-%2:%3-%4")
        .arg(span.firstYear, 4, 10, QLatin1Char('0'))
        .arg(span.firstMonth, 2, 10, QLatin1Char('0'))
        .arg(span.lastYear, 4, 10, QLatin1Char('0'))
        .arg(span.lastMonth, 2, 10, QLatin1Char('0'));
}

MonthSpan defaultMonthSpan(const AttendanceBook& book, const QDate& today) {
    int first = -1;
    int last = -1;
    for (const AttendanceInfo& record : book.records()) {
        if (record.Month < 1 || record.Month > 12 || record.Year < 1 || record.Year > 9999) continue;
        const int number = monthNumber(record.Year, record.Month);
        first = first < 0 ? number : std::min(first, number);
        last = std::max(last, number);
    }
    if (last < 0) {
        const int now = monthNumber(today.year(), today.month());
        return spanOf(now, now);
    }
    return spanOf(std::max(first, last - 11), last);
}

MonthlyAttendance::MonthlyAttendance(const AttendanceBook& book, const MonthSpan& span,
                                     const std::vector<std::string>& names)
    : span_(span) {
    for (int i = 0; i < span.count(); ++i) {
        const auto [year, month] = span.at(i);
        std::vector<MonthCounts>& counts = byMonth_.emplace_back(names.size());
        const std::vector<std::optional<DayMarks>> marks = book.marksOf(month, year, names);
        for (std::size_t s = 0; s < marks.size(); ++s) {
            if (marks[s]) counts[s] = countMonthMarks(*marks[s]);
        }
    }
}

std::vector<MonthCounts> MonthlyAttendance::countsOf(int student) const {
    std::vector<MonthCounts> counts;
    counts.reserve(byMonth_.size());
    for (const std::vector<MonthCounts>& month : byMonth_)
        counts.push_back(month.at(static_cast<std::size_t>(student)));
    return counts;
}

Sheet attendanceMonthsSheet(const MonthSpan& span, const std::vector<MonthCounts>& counts) {
    const int months = static_cast<int>(counts.size());
    Sheet sheet;
    sheet.setMaxCol(5);
    sheet.setMaxRow(months + 3);
    writeAttendanceHeadings(sheet);
    MonthCounts sum;
    const auto writeRow = [&sheet](int row, const QString& label, const MonthCounts& c) {
        sheet.setText(row, 1, label);
        sheet.setNumber(row, 2, c.tardy);
        sheet.setNumber(row, 3, c.unexcused);
        sheet.setNumber(row, 4, c.excused);
        sheet.setNumber(row, 5, c.total());
    };
    for (int i = 0; i < months; ++i) {
        const auto [year, month] = span.at(i);
        const MonthCounts& c = counts[static_cast<std::size_t>(i)];
        writeRow(i + 2, QStringLiteral("%1 %2").arg(monthText(englishLocale(), month)).arg(year), c);
        sum.tardy += c.tardy;
        sum.unexcused += c.unexcused;
        sum.excused += c.excused;
    }
    writeRow(months + 3, QCoreApplication::translate("AttendanceAnalysis", "Total"), sum);
    applyReportStyle(sheet);
    return sheet;
}

}  // namespace markwell
