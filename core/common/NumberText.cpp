// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/common/NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace markwell {
namespace {

bool isBlank(char ch) {
    return ch == ' ' || ch == '\t';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool isDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

// Checks the shape the parser accepts; from_chars alone would take "inf",
// hexadecimal floats and the like.
bool hasNumberShape(std::string_view t) {
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < t.size() && isDigit(t[i])) {
        ++i;
        ++digits;
    }
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && isDigit(t[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        std::size_t expDigits = 0;
        while (i < t.size() && isDigit(t[i])) {
            ++i;
            ++expDigits;
        }
        if (expDigits == 0) return false;
    }
    return i == t.size();
}

// Decimal digits of |value| rounded to `count` significant digits, and the
// power of ten of the first digit.
struct Digits {
    std::string digits;  // exactly `count` digits, first one non-zero
    int exponent = 0;
};

Digits significantDigits(double value, int count) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, count - 1);
    std::string_view text(buf, static_cast<std::size_t>(res.ptr - buf));
    Digits d;
    const std::size_t e = text.find('e');
    for (char ch : text.substr(0, e)) {
        if (isDigit(ch)) d.digits.push_back(ch);
    }
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(), d.exponent);
    return d;
}

// Rounds a digit string half away from zero so that `keep` digits remain
// (keep may be 0 or negative: the number then rounds to 0 or to one unit of
// the kept place).
Digits roundDigits(Digits d, int keep) {
    if (keep >= static_cast<int>(d.digits.size())) return d;
    if (keep < 0) return Digits{"0", 0};
    const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9') {
            d.digits[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++d.digits[static_cast<std::size_t>(i)];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.exponent;
        }
    }
    if (d.digits.empty()) return Digits{"0", 0};
    return d;
}

std::string stripTrailingZeros(std::string digits) {
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    return digits;
}

// Fixed notation of sign * 0.d1d2d3... * 10^(exponent+1), with exactly
// `decimals` digits after the point (0 = no point).
std::string fixedText(bool negative, const Digits& d, int decimals) {
    std::string intPart;
    std::string fracPart;
    const int n = static_cast<int>(d.digits.size());
    for (int pos = std::max(d.exponent, 0); pos >= -decimals; --pos) {
        const int index = d.exponent - pos;
        const char digit = (index >= 0 && index < n) ? d.digits[static_cast<std::size_t>(index)] : '0';
        if (pos >= 0) intPart.push_back(digit);
        else fracPart.push_back(digit);
    }
    if (intPart.empty()) intPart.push_back('0');
    std::string text = intPart;
    if (decimals > 0) {
        text.push_back('.');
        text.append(fracPart);
    }
    const bool isZero = text.find_first_not_of("0.") == std::string::npos;
    if (negative && !isZero) text.insert(text.begin(), '-');
    return text;
}

std::string scientificText(bool negative, const Digits& d) {
    const std::string digits = stripTrailingZeros(d.digits);
    std::string text = negative ? "-" : "";
    text.push_back(digits.front());
    if (digits.size() > 1) {
        text.push_back('.');
        text.append(digits, 1);
    }
    text.push_back('E');
    text.append(std::to_string(d.exponent));
    return text;
}

constexpr std::array<double, 5> kPowersOfTen = {1, 10, 100, 1000, 10000};

// Points and totals are mostly short decimals such as "17" or "17.5". For up
// to 15 digits with at most 4 after the point, the integer of the digits
// divided by the (exact) power of ten is the correctly rounded value, the same
// as the full conversion gives, at a fraction of its cost.
std::optional<double> parseShortDecimal(std::string_view t) {
    std::size_t i = 0;
    const bool negative = !t.empty() && t[0] == '-';
    if (negative || (!t.empty() && t[0] == '+')) ++i;
    std::int64_t digits = 0;
    int count = 0;
    int decimals = -1;  // -1: no point seen
    for (; i < t.size(); ++i) {
        if (t[i] == '.' && decimals < 0) {
            decimals = 0;
            continue;
        }
        if (!isDigit(t[i]) || ++count > 15) return std::nullopt;
        digits = digits * 10 + (t[i] - '0');
        if (decimals >= 0 && ++decimals > 4) return std::nullopt;
    }
    if (count == 0) return std::nullopt;
    const double value = static_cast<double>(digits) / kPowersOfTen[static_cast<std::size_t>(std::max(decimals, 0))];
    return negative ? -value : value;
}

// The text of a value that is exactly the nearest double to a decimal with at
// most 15 digits and at most 4 after the point ("17.5", "0.3"), without the
// general conversion; such a decimal is also what 15 significant digits show.
// The number of decimals (1 to 4) of such a value, or 0 when it is not one.
std::size_t shortDecimals(double value) {
    for (std::size_t k = 1; k < kPowersOfTen.size(); ++k) {
        const double scaled = value * kPowersOfTen[k];
        if (std::fabs(scaled) < 1e15 && scaled == std::trunc(scaled) && scaled / kPowersOfTen[k] == value) return k;
    }
    return 0;
}

// Written in a buffer of its own and copied once: a table prints hundreds of
// thousands of these.
std::optional<std::string> shortDecimalText(double value) {
    const std::size_t k = shortDecimals(value);
    if (k == 0) return std::nullopt;
    const auto scaled = static_cast<long long>(std::fabs(value * kPowersOfTen[k]));
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, scaled).ptr;
    const std::string_view all(digits, static_cast<std::size_t>(end - digits));
    // At least one digit before the point: 0.25 is "0.25".
    const std::string_view whole = all.size() > k ? all.substr(0, all.size() - k) : std::string_view("0");
    const std::string_view fraction = all.size() > k ? all.substr(all.size() - k) : all;
    char text[48];
    char* out = text;
    if (value < 0) *out++ = '-';
    out = std::copy(whole.begin(), whole.end(), out);
    *out++ = '.';
    out = std::fill_n(out, all.size() < k ? k - all.size() : 0, '0');
    out = std::copy(fraction.begin(), fraction.end(), out);
    while (out[-1] == '0') --out;
    return std::string(text, out);
}

}  // namespace

std::optional<double> parseNumber(std::string_view text) {
    text = trimmed(text);
    if (auto quick = parseShortDecimal(text)) return quick;
    if (!hasNumberShape(text)) return std::nullopt;
    if (text.front() == '+') text.remove_prefix(1);
    double value = 0;
    auto res = std::from_chars(text.data(), text.data() + text.size(), value);
    if (res.ec != std::errc() || res.ptr != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> parseNumber(const QString& text) {
    // Only ASCII can form a number; anything else fails the shape check.
    return parseNumber(std::string_view(text.toLatin1().toStdString()));
}

std::string generalText(double value) {
    if (!std::isfinite(value)) return "0";
    if (value == 0) return "0";
    if (isGeneralWhole(value)) return std::to_string(static_cast<long long>(value));
    if (auto quick = shortDecimalText(value)) return std::move(*quick);
    const Digits d = significantDigits(value, 15);
    if (d.exponent >= 15 || d.exponent < -5) return scientificText(value < 0, d);
    const std::string digits = stripTrailingZeros(d.digits);
    const int decimals = std::max(0, static_cast<int>(digits.size()) - 1 - d.exponent);
    return fixedText(value < 0, Digits{digits, d.exponent}, decimals);
}

QString generalQText(double value) {
    return QString::fromStdString(generalText(value));
}

double shownValue(double value) {
    if (!std::isfinite(value) || value == std::trunc(value)) return value;
    if (shortDecimals(value) > 0) return value;  // already a short decimal
    return parseNumber(generalText(value)).value_or(value);
}

namespace {

// Rounded half away from zero to `significant` digits and at most two
// decimals, whichever is coarser, as digits of the 15 a person would see (so
// 87.455 rounds up as written rather than down as its binary approximation
// would); nothing for 0.
std::optional<Digits> roundedForTwoDecimals(double value, int significant) {
    if (!std::isfinite(value) || value == 0) return std::nullopt;
    const Digits d = significantDigits(value, 15);
    const int intDigits = d.exponent + 1;
    const int decimals = std::min(2, significant - std::max(intDigits, 1));
    return roundDigits(d, d.exponent + 1 + decimals);
}

}  // namespace

QString averageText(double percent) {
    const std::optional<Digits> d = roundedForTwoDecimals(percent, 4);
    if (!d) return QStringLiteral("0.00%");
    if (d->exponent >= 4) {
        return QString::fromStdString(scientificText(percent < 0, roundDigits(*d, 4))) + QLatin1Char('%');
    }
    return QString::fromStdString(fixedText(percent < 0, *d, 2)) + QLatin1Char('%');
}

QString threeDigitText(double value) {
    const std::optional<Digits> d = roundedForTwoDecimals(value, 3);
    if (!d) return QStringLiteral("0.00");
    return QString::fromStdString(fixedText(value < 0, *d, 2));
}

QString roundedText(double value, int maxDecimals) {
    if (!std::isfinite(value) || value == 0) return QStringLiteral("0");
    const Digits d = significantDigits(value, 15);
    if (d.exponent >= 15) return generalQText(value);
    const Digits rounded = roundDigits(d, d.exponent + 1 + maxDecimals);
    const std::string digits = stripTrailingZeros(rounded.digits);
    const int decimals = std::clamp(static_cast<int>(digits.size()) - 1 - rounded.exponent, 0, maxDecimals);
    return QString::fromStdString(fixedText(value < 0, Digits{digits, rounded.exponent}, decimals));
}

std::string shortestText(double value) {
    if (!std::isfinite(value)) return "0";
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, res.ptr);
}

bool isPlainDecimal(const QString& text) {
    int digits = 0;
    int points = 0;
    for (const QChar ch : text) {
        if (ch >= QLatin1Char('0') && ch <= QLatin1Char('9')) ++digits;
        else if (ch == QLatin1Char('.')) ++points;
        else return false;
    }
    return digits > 0 && points <= 1;
}

namespace {

bool isDigit(QChar ch) {
    return ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
}

// Sign, digits with at most one ".", an exponent and a closing "%", as the
// tables write numbers; the position of its "." (-1 for none), or nothing
// when the text is not such a number.
std::optional<qsizetype> tableNumberPoint(const QString& text) {
    qsizetype i = 0;
    const qsizetype end = text.endsWith(QLatin1Char('%')) ? text.size() - 1 : text.size();
    if (i < end && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) ++i;
    qsizetype point = -1;
    int digits = 0;
    for (; i < end; ++i) {
        if (isDigit(text.at(i))) ++digits;
        else if (text.at(i) == QLatin1Char('.') && point < 0) point = i;
        else break;
    }
    if (digits == 0) return std::nullopt;
    if (i < end && (text.at(i) == QLatin1Char('E') || text.at(i) == QLatin1Char('e'))) {
        ++i;
        if (i < end && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) ++i;
        const qsizetype exponent = i;
        while (i < end && isDigit(text.at(i))) ++i;
        if (i == exponent) return std::nullopt;
    }
    if (i != end) return std::nullopt;
    return point;
}

}  // namespace

QString numberWithPoint(const QString& text, QChar point) {
    if (point == QLatin1Char('.')) return text;
    const std::optional<qsizetype> at = tableNumberPoint(text);
    if (!at || *at < 0) return text;
    QString shown = text;
    shown[*at] = point;
    return shown;
}

QString numbersInTextWithPoint(const QString& text, QChar point) {
    if (point == QLatin1Char('.')) return text;
    QString shown = text;
    for (qsizetype i = 1; i + 1 < shown.size(); ++i) {
        if (shown.at(i) == QLatin1Char('.') && isDigit(shown.at(i - 1)) && isDigit(shown.at(i + 1))) shown[i] = point;
    }
    return shown;
}

QString typedWithPoint(const QString& typed, QChar point) {
    if (point == QLatin1Char('.') || typed.contains(QLatin1Char('.')) || typed.count(point) != 1) return typed;
    return QString(typed).replace(point, QLatin1Char('.'));
}

}  // namespace markwell
