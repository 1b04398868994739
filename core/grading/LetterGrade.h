// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/Records.h"

#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace markwell {

// Looks letters up in a grade scale. The scale's `num_values` holds a low and
// a high bound per letter of its letter table; a letter is earned from its
// low bound up, so walking the letters in table order the first whose low
// bound is at most the average wins, and the high bounds are never read.
//
// A student without possible points (grand total exactly 0) gets "-". When no
// letter matches (an average below every low bound, fewer bounds than
// letters, a bound that is not a number) the result is the table's last
// letter. An unknown `scale_type` is read as a standard scale.
class LetterGrader {
public:
    explicit LetterGrader(const CurrentGradeScale& scale);

    QString letter(double grandTotal, double average) const;
    // The low and high bounds the scale gives `letter`, as stored ("80",
    // "89.9"); none for a letter the scale does not have or has no bounds for.
    std::optional<std::pair<QString, QString>> boundsOf(const QString& letter) const;

private:
    std::vector<QString> letters_;
    std::vector<std::optional<double>> lowBounds_;  // by letter; none when missing or unreadable
    std::vector<QString> boundTexts_;               // low, high, low, high, … as stored
};

// The letters of the class's scale in table order, as the Grade column shows
// them: the order the Grade column sorts in.
std::vector<QString> scaleLetterTexts(const CurrentGradeScale& scale);

// The place in `letters` (scaleLetterTexts) of the letter a teacher typed,
// compared without regard to case and surrounding blanks; none when the
// scale has no such letter.
std::optional<std::size_t> findScaleLetter(const std::vector<QString>& letters, const QString& typed);

}  // namespace markwell
