// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/scores/ScoreValues.h"

#include "core/common/NumberText.h"
#include "core/data/PointEntry.h"
#include "core/editing/Validators.h"

#include <QCoreApplication>

namespace markwell {
namespace {

struct ScoreValues {
    Q_DECLARE_TR_FUNCTIONS(ScoreValues)
};

bool isWord(const QString& text, std::initializer_list<const char*> words) {
    for (const char* word : words) {
        if (text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0) return true;
    }
    return false;
}

}  // namespace

ScoreValue readScoreValue(const QString& cell, bool decimalComma) {
    using Kind = ScoreValue::Kind;
    QString text = trimmedText(cell);
    if (text.isEmpty() || text == QLatin1String("-")) return {Kind::Blank, {}, {}};
    if (isWord(text, {"EX", "Excused"})) return {Kind::Excused, std::string(kNotCounted), {}};
    if (isWord(text, {"Missing"})) return {Kind::Missing, {}, {}};
    if (isWord(text, {"N/A"})) return {Kind::NotAssigned, {}, {}};
    if (decimalComma && text.count(QLatin1Char(',')) == 1 && !text.contains(QLatin1Char('.'))) {
        text.replace(QLatin1Char(','), QLatin1Char('.'));
    }
    if (!isPlainDecimal(text)) {
        return {Kind::Refused, {}, ScoreValues::tr("\"%1\" is not a score").arg(text)};
    }
    if (text.size() > kPointsTextLength) {
        return {Kind::Refused,
                {},
                ScoreValues::tr("\"%1\" is longer than the %2 characters a score may have")
                    .arg(text, QString::number(kPointsTextLength))};
    }
    return {Kind::Points, text.toStdString(), {}};
}

bool sameScore(const std::string& a, const std::string& b) {
    if (a == b) return true;
    const bool aMark = a == kNotCounted;
    const bool bMark = b == kNotCounted;
    if (aMark || bMark) return false;
    // An entry without points is 0 points.
    const std::optional<double> x = a.empty() ? std::optional<double>(0.0) : parseNumber(a);
    const std::optional<double> y = b.empty() ? std::optional<double>(0.0) : parseNumber(b);
    return x && y && *x == *y;
}

}  // namespace markwell
