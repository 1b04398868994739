// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QByteArray>
#include <QString>

#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>

namespace markwell {

// Numbers travel as text in the class (points) and in the tables (totals,
// averages). These conversions use "." as the decimal separator whatever the
// locale, so files and exports read the same on every computer.

// Parses a decimal number: optional blanks, optional sign, digits with at most
// one ".", optional exponent, optional blanks. Anything else, and infinities
// or NaN, give no value.
std::optional<double> parseNumber(std::string_view text);
std::optional<double> parseNumber(const QString& text);

// Digits with at most one "." and at least one digit, nothing else: the
// plain form a teacher types for points, totals and scale bounds.
bool isPlainDecimal(const QString& text);

// The general form of a number: up to 15 significant digits, no trailing
// zeros, fixed notation for 1e-5 <= |x| < 1e15 and "1.5E-6" style otherwise.
// 100 -> "100", 17.5 -> "17.5", 0.1 + 0.2 -> "0.3".
std::string generalText(double value);
QString generalQText(double value);
// Whether generalText writes the value as its plain whole digits ("-12"),
// as it does most cells of a table.
inline bool isGeneralWhole(double value) {
    return std::fabs(value) < 1e15 && value == std::trunc(value);
}
// generalText appended to `out`; a whole number is written from its digits
// without a string of its own (a printed table holds hundreds of thousands,
// hence inline).
inline void appendGeneralText(QByteArray& out, double value) {
    if (isGeneralWhole(value)) {
        char digits[24];
        const char* end = std::to_chars(digits, digits + sizeof digits, static_cast<long long>(value)).ptr;
        out.append(digits, end - digits);
    } else {
        const std::string text = generalText(value);
        out.append(text.data(), static_cast<qsizetype>(text.size()));
    }
}

// The value a number has once shown in general form (rounded to 15
// significant digits); integers and already short values come back unchanged.
double shownValue(double value);

// An average as the grades table shows it: rounded half away from zero to
// four significant digits and at most two decimals, whichever is coarser,
// written with two decimals and "%". 87.456 -> "87.46%", 103.456 ->
// "103.50%", 7.8125 -> "7.81%". 10000 and above take the exponent form of
// generalText with four significant digits ("1.235E4%").
QString averageText(double percent);

// A statistic of a report (a median, a mean, a deviation): rounded the same
// way to three significant digits and at most two decimals, written with two
// decimals. 8.3333 -> "8.33", 85.56 -> "85.60", 1234.5 -> "1230.00".
QString threeDigitText(double value);

// Numbers as a language with another decimal separator writes them. Only
// what a person reads or types is converted: the class, the files and the
// exports always keep ".".
//
// `text` with its "." as `point` when the whole text is a number as the
// tables write them ("17.5", "-0.25", "1.5E-6", "87.46%"); any other text
// (a name, a phone number, "1.2.3") as it is.
QString numberWithPoint(const QString& text, QChar point);
// Every "." between two digits of a sentence as `point`: "Needs 17.5 of 20
// points (average 81.25%)".
QString numbersInTextWithPoint(const QString& text, QChar point);
// A number typed by someone whose decimal separator is `point`: its one
// `point` becomes "." when it has no "." already ("7,5" -> "7.5"); anything
// else is left for the usual checks to take or refuse ("7.5" stays, and
// "1.000,5" or "1,000,5" are refused there: there are no thousands
// separators).
QString typedWithPoint(const QString& typed, QChar point);

// A factor or a scaled sum as the window shows it: rounded half away from
// zero (as its fifteen digits read) to at most `maxDecimals` decimals, with
// no trailing zeros. 2.0 / 3 -> "0.6667", 136.666666666667 -> "136.6667",
// 0.25 -> "0.25".
QString roundedText(double value, int maxDecimals);

// The shortest text that reads back as exactly the same double (a chart's
// value as a script reads it): 85 -> "85", 2.0 / 3 * 100 -> "66.66666666666667".
std::string shortestText(double value);

}  // namespace markwell
