// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/grading/LetterGrade.h"

#include "core/common/NumberText.h"
#include "core/data/Tables.h"

#include <string_view>

namespace markwell {

std::vector<QString> scaleLetterTexts(const CurrentGradeScale& scale) {
    std::vector<QString> letters;
    for (std::string_view letter : scaleLetters(scale.scale_type)) {
        letters.push_back(QString::fromLatin1(letter.data(), static_cast<qsizetype>(letter.size())));
    }
    return letters;
}

std::optional<std::size_t> findScaleLetter(const std::vector<QString>& letters, const QString& typed) {
    for (std::size_t i = 0; i < letters.size(); ++i) {
        if (letters[i].trimmed().compare(typed.trimmed(), Qt::CaseInsensitive) == 0) return i;
    }
    return std::nullopt;
}

LetterGrader::LetterGrader(const CurrentGradeScale& scale) : letters_(scaleLetterTexts(scale)) {
    std::vector<std::string_view> numbers;
    std::string_view rest = scale.num_values;
    for (;;) {
        const std::size_t comma = rest.find(',');
        numbers.push_back(rest.substr(0, comma));
        boundTexts_.push_back(
            QString::fromLatin1(numbers.back().data(), static_cast<qsizetype>(numbers.back().size())));
        if (comma == std::string_view::npos) break;
        rest.remove_prefix(comma + 1);
    }
    for (std::size_t i = 0; i < letters_.size(); ++i) {
        const std::size_t low = 2 * i;
        lowBounds_.push_back(low < numbers.size() ? parseNumber(numbers[low]) : std::nullopt);
    }
}

QString LetterGrader::letter(double grandTotal, double average) const {
    if (grandTotal == 0) return QStringLiteral("-");
    for (std::size_t i = 0; i < letters_.size(); ++i) {
        if (lowBounds_[i] && *lowBounds_[i] <= average) return letters_[i];
    }
    return letters_.back();
}

std::optional<std::pair<QString, QString>> LetterGrader::boundsOf(const QString& letter) const {
    for (std::size_t i = 0; i < letters_.size(); ++i) {
        if (letters_[i] != letter) continue;
        const std::size_t low = 2 * i;
        if (low + 1 >= boundTexts_.size()) return std::nullopt;
        return std::pair{boundTexts_[low].trimmed(), boundTexts_[low + 1].trimmed()};
    }
    return std::nullopt;
}

}  // namespace markwell
