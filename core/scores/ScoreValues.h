// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QString>

#include <string>

namespace markwell {

// What a cell of a score column says about a student's score.
struct ScoreValue {
    enum class Kind {
        Blank,        // nothing, or "-" (not graded): never overwrites a score
        Points,       // a number, as a score is stored ("7.5")
        Excused,      // "EX", "Excused": the does-not-count mark
        Missing,      // "Missing": kept, or 0 when missing counts as 0
        NotAssigned,  // "N/A": as Missing
        Refused,      // anything else: a letter, a word, a negative number
    };
    Kind kind = Kind::Blank;
    std::string points;  // Points: as stored
    QString refusal;     // Refused: why, for a person
};

// Reads a cell; `decimalComma` takes "7,5" as 7.5. A number longer than a
// score may be (15 characters) is refused.
ScoreValue readScoreValue(const QString& cell, bool decimalComma);

// Whether two stored scores are the same: "85.00" and "85", "" and "0",
// "-" and "-".
bool sameScore(const std::string& a, const std::string& b);

}  // namespace markwell
