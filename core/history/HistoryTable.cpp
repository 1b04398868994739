// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/history/HistoryTable.h"

#include "core/reports/ReportStyle.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>

#include <array>
#include <cstdio>
#include <ctime>

namespace markwell {
namespace {

struct HistoryTableText {
    Q_DECLARE_TR_FUNCTIONS(HistoryTable)
};

constexpr std::array kHeadings = {
    QT_TRANSLATE_NOOP("HistoryTable", "When"),    QT_TRANSLATE_NOOP("HistoryTable", "From"),
    QT_TRANSLATE_NOOP("HistoryTable", "Student"), QT_TRANSLATE_NOOP("HistoryTable", "Assignment"),
    QT_TRANSLATE_NOOP("HistoryTable", "Old"),     QT_TRANSLATE_NOOP("HistoryTable", "New"),
    QT_TRANSLATE_NOOP("HistoryTable", "What"),
};

}  // namespace

// The C library's local time: a long history has a time on every row, and
// this is many times quicker than going through QDateTime for each.
QString historyTimeText(qint64 when) {
    const std::time_t seconds = static_cast<std::time_t>(when >= 0 ? when / 1000 : (when - 999) / 1000);
    std::tm local{};
    if (!localtime_r(&seconds, &local)) return {};
    char text[32];
    const int size = std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", local.tm_year + 1900,
                                   local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    return QString::fromLatin1(text, size);
}

Sheet historyTable(const std::vector<HistoryLine>& lines) {
    Sheet sheet;
    sheet.setMaxCol(static_cast<int>(kHeadings.size()));
    sheet.setMaxRow(static_cast<int>(lines.size()) + 1);
    for (std::size_t col = 0; col < kHeadings.size(); ++col) {
        sheet.setText(1, static_cast<int>(col) + 1, HistoryTableText::tr(kHeadings[col]));
    }
    sheet.setFixedRows(1);
    int row = 2;
    qint64 entry = -1;
    QString when;
    QString from;
    for (const HistoryLine& line : lines) {
        if (line.entry != entry) {  // the lines of one entry share its time and origin
            entry = line.entry;
            when = historyTimeText(line.when);
            from = historySourceText(line.source, line.detail);
        }
        sheet.setText(row, 1, when);
        sheet.setText(row, 2, from);
        sheet.setText(row, 3, line.student);
        sheet.setText(row, 4, line.assignment);
        sheet.setText(row, 5, line.oldValue);
        sheet.setText(row, 6, line.newValue);
        sheet.setText(row, 7, differenceWord(line.what));
        ++row;
    }
    applyReportStyle(sheet, 5);
    return sheet;
}

QString lastScoreChangeText(const std::vector<HistoryLine>& lines, const QString& title) {
    for (const HistoryLine& line : lines) {
        if (line.what != DifferenceKind::Score || line.assignment != title) continue;
        const QString day =
            QLocale().toString(QDateTime::fromMSecsSinceEpoch(line.when).date(), QStringLiteral("d MMM yyyy"));
        if (line.oldValue.isEmpty()) return HistoryTableText::tr("set on %1 to %2").arg(day, line.newValue);
        return HistoryTableText::tr("changed on %1 from %2 to %3").arg(day, line.oldValue, line.newValue);
    }
    return {};
}

void addLastScoreChanges(Sheet& why, int assignments, const std::vector<HistoryLine>& studentLines) {
    const int col = 6;
    why.setMaxCol(std::max(why.maxCol(), col));
    why.setText(1, col, HistoryTableText::tr("Last change"));
    for (int row = 2; row < 2 + assignments; ++row) {
        why.setText(row, col, lastScoreChangeText(studentLines, why.text(row, 1)));
    }
    applyReportStyle(why);
}

}  // namespace markwell
