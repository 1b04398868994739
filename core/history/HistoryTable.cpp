// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/history/HistoryTable.h"

#include "core/printout/ReportStyle.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>

#include <array>
#include <cstdio>
#include <ctime>
#include <optional>

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

QString historyTimeText(qint64 when) {
    return LocalTimeTexts().textOf(when);
}

// Every offset from UTC in use is a whole number of quarter hours, and clocks
// change only on such a boundary: within one quarter hour of UTC the local
// time moves with it, so one conversion serves every time in it.
QString LocalTimeTexts::textOf(qint64 when) {
    const qint64 seconds = when >= 0 ? when / 1000 : (when - 999) / 1000;
    const qint64 quarter = seconds >= 0 ? seconds / 900 : (seconds - 899) / 900;
    if (!known_ || quarter != quarter_) {
        const std::time_t start = static_cast<std::time_t>(quarter * 900);
        known_ = localtime_r(&start, &start_) != nullptr;
        if (!known_) return {};
        quarter_ = quarter;
    }
    const int into = static_cast<int>(seconds - quarter_ * 900);
    char text[40];
    const int size =
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", start_.tm_year + 1900, start_.tm_mon + 1,
                      start_.tm_mday, start_.tm_hour, start_.tm_min + into / 60, start_.tm_sec + into % 60);
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
    sheet.reserveTexts(static_cast<int>(lines.size() * kHeadings.size()));
    LocalTimeTexts times;
    int row = 2;
    qint64 entry = -1;
    QString when;
    std::optional<HistorySource> source;
    QString detail;
    QString from;
    for (const HistoryLine& line : lines) {
        if (line.entry != entry) {  // the lines of one entry share its time and origin
            entry = line.entry;
            when = times.textOf(line.when);
            if (line.source != source || line.detail != detail) {
                source = line.source;
                detail = line.detail;
                from = historySourceText(line.source, detail);
            }
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
