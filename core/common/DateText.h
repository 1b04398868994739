// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QLocale>
#include <QString>

namespace markwell {

// Dates as a language writes them, for what a person reads: the attendance
// page, its analysis and their printouts take the window's locale; files and
// markwell-cli keep English (englishLocale), whatever the desktop speaks.

// The locale of the program's own English: "12/8", "December 2026".
QLocale englishLocale();

// A day of a month without its year, in the order and form of the locale's
// short dates: "12/8" in English, "8/12" in Spanish, "08/12" in French.
QString dayAndMonthText(const QLocale& locale, int month, int day);

// A month's name as it stands alone: "December", "diciembre", "décembre".
QString monthText(const QLocale& locale, int month);

// A month of a year: "December 2026"; "diciembre de 2026" and "décembre 2026"
// where the catalogue of those languages is installed.
QString monthAndYearText(const QLocale& locale, int month, int year);

}  // namespace markwell
