// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "core/data/ClassRecord.h"
#include "core/scales/ScaleStore.h"

#include <QString>

#include <optional>

namespace markwell {

// The checks a grade scale passes before it is saved or given to a class,
// shared by the scale editor and markwell-cli.

// The longest bound: "100.00". Twelve letters of such bounds still fit the
// class file's `num_values` field.
inline constexpr int kMaxBoundLength = 6;

// Whether a bound is a plain non-negative decimal: digits with at most one
// ".", at least one digit, at most kMaxBoundLength characters. A sign, an
// exponent, a comma or a quote is not a bound: the bounds travel joined by
// commas, and such a character would shift every bound after it.
bool isScaleBound(const QString& text);

// A typed scale name made ready for the store: blanks around it removed, and
// refused (with the reason) when empty, holding "\" or "/", not Windows-1252
// or longer than the class file keeps (255 bytes).
Result<QString> scaleNameFrom(const QString& typed);

// Why a scale's bounds cannot be saved, and which cell shows it.
struct RangeProblem {
    enum Kind {
        Blank,         // a bound left empty
        NotANumber,    // a bound that is not a plain non-negative decimal
        LowAboveHigh,  // Min % above Max % of the same letter
        Overlap,       // Min % below the next letter's Max %
    };
    Kind kind;
    int row;     // the letter, from 0
    int column;  // 0 = Min %, 1 = Max %
};

// The first problem, row by row from the top: a blank or unreadable bound,
// a letter whose Min % is above its Max %, or a letter whose Min % is below
// the Max % of the letter after it (equal values pass). Blanks around a bound
// do not count.
std::optional<RangeProblem> findRangeProblem(const std::vector<LetterRange>& ranges);

// The message of a problem, as the scale editor shows it.
QString rangeProblemMessage(RangeProblem::Kind kind);

// A cell of the scale editor: a letter's row and its column (0 = Min %).
struct BoundCell {
    int row;
    int column;
    bool operator==(const BoundCell&) const = default;
};

// The other bound a comparison looked at: the letter's own Max % when its
// Min % is above it, the next letter's Max % for an overlap; the problem's
// own cell for a blank or unreadable bound.
BoundCell comparedBound(const RangeProblem& problem);

// The message of a problem with what it compares: the letters (without the
// blanks they are stored with) and their bounds, so that the teacher sees
// which two are meant.
QString describeRangeProblem(const std::vector<LetterRange>& ranges, const RangeProblem& problem);

// Whether two scales have the same kind and bounds; names are not compared,
// nor blanks around a bound.
bool sameBounds(const StoredScale& a, const StoredScale& b);

// The scale a class records for a stored scale: its name, its kind and the
// bounds joined with "," letter by letter, Min % then Max % ("75,100,0,74"),
// blanks around each bound removed. Refused when the bounds do not pass
// findRangeProblem (the message names the letter) or the name cannot be kept.
Result<CurrentGradeScale> gradeScaleOf(const StoredScale& scale);

// The scale a class carries, laid out as the scale editor shows it: the
// letters of its kind with the bounds of `num_values` (a missing bound is
// empty). For a class whose scale this computer's store lacks.
StoredScale storedScaleOf(const CurrentGradeScale& scale);

// Makes the scale the class's own, as OK in the scale editor does; the class
// is unchanged when the scale is refused. Letters follow at the next rebuild.
Result<void> useGradeScale(ClassRecord& cls, const StoredScale& scale);

}  // namespace markwell
