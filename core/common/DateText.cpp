// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/common/DateText.h"

#include <QCoreApplication>
#include <QDate>

namespace markwell {
namespace {

struct DateText {
    Q_DECLARE_TR_FUNCTIONS(DateText)
};

// The locale's short date format without its year and the separator beside
// it: "M/d/yy" -> "M/d", "dd/MM/yyyy" -> "dd/MM", "yyyy-MM-dd" -> "MM-dd".
QString dayAndMonthFormat(const QLocale& locale) {
    QString format = locale.dateFormat(QLocale::ShortFormat);
    format.remove(QLatin1Char('y'));
    const auto isField = [](QChar ch) { return ch == QLatin1Char('d') || ch == QLatin1Char('M'); };
    qsizetype first = 0;
    qsizetype last = format.size();
    while (first < last && !isField(format.at(first))) ++first;
    while (last > first && !isField(format.at(last - 1))) --last;
    format = format.mid(first, last - first);
    // Without both fields (an odd format) the English order is clearer than a guess.
    if (!format.contains(QLatin1Char('d')) || !format.contains(QLatin1Char('M'))) return QStringLiteral("M/d");
    return format;
}

}  // namespace

QLocale englishLocale() {
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

QString dayAndMonthText(const QLocale& locale, int month, int day) {
    // Any leap year holds every day a month can have.
    return locale.toString(QDate(2000, month, day), dayAndMonthFormat(locale));
}

QString monthText(const QLocale& locale, int month) {
    return locale.standaloneMonthName(month, QLocale::LongFormat);
}

QString monthAndYearText(const QLocale& locale, int month, int year) {
    return DateText::tr("%1 %2", "a month and its year: December 2026").arg(monthText(locale, month)).arg(year);
}

}  // namespace markwell
