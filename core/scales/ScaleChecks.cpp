// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/scales/ScaleChecks.h"

#include "core/common/CommaText.h"
#include "core/common/Cp1252.h"
#include "core/common/NumberText.h"
#include "core/data/Tables.h"

#include <QCoreApplication>
#include <QStringList>

namespace markwell {
namespace {

struct ScaleChecks {
    Q_DECLARE_TR_FUNCTIONS(ScaleChecks)
};

// A bound known to be well formed, as a number.
double boundValue(const QString& text) {
    return parseNumber(text.trimmed()).value_or(0);
}

// The problem of one bound on its own, if any.
std::optional<RangeProblem::Kind> boundProblem(const QString& text) {
    if (text.trimmed().isEmpty()) return RangeProblem::Blank;
    if (!isScaleBound(text.trimmed())) return RangeProblem::NotANumber;
    return std::nullopt;
}

std::optional<RangeProblem> rowBoundsProblem(const std::vector<LetterRange>& ranges, std::size_t row) {
    const LetterRange& range = ranges[row];
    for (int column : {0, 1}) {
        if (const auto kind = boundProblem(column == 0 ? range.low : range.high)) {
            return RangeProblem{*kind, static_cast<int>(row), column};
        }
    }
    return std::nullopt;
}

}  // namespace

bool isScaleBound(const QString& text) {
    return text.size() <= kMaxBoundLength && isPlainDecimal(text);
}

Result<QString> scaleNameFrom(const QString& typed) {
    QString name = typed.trimmed();
    if (const QString problem = ScaleStore::nameProblem(name); !problem.isEmpty()) return fail(problem);
    return name;
}

std::optional<RangeProblem> findRangeProblem(const std::vector<LetterRange>& ranges) {
    for (std::size_t row = 0; row < ranges.size(); ++row) {
        if (auto problem = rowBoundsProblem(ranges, row)) return problem;
        const int r = static_cast<int>(row);
        const double low = boundValue(ranges[row].low);
        if (low > boundValue(ranges[row].high)) return RangeProblem{RangeProblem::LowAboveHigh, r, 0};
        if (row + 1 < ranges.size()) {
            // The next letter's own problems come first: its Max % is compared here.
            if (auto next = rowBoundsProblem(ranges, row + 1)) return next;
            if (low < boundValue(ranges[row + 1].high)) return RangeProblem{RangeProblem::Overlap, r, 0};
        }
    }
    return std::nullopt;
}

QString rangeProblemMessage(RangeProblem::Kind kind) {
    switch (kind) {
    case RangeProblem::Blank: return ScaleChecks::tr("No range fields can be left blank");
    case RangeProblem::NotANumber: return ScaleChecks::tr("Invalid value!");
    case RangeProblem::LowAboveHigh:
        return ScaleChecks::tr("Minimum percentage is greater than maximum percentage for same grade");
    case RangeProblem::Overlap:
        return ScaleChecks::tr("Minimum percentage of higher grade is greater than maximum percentage of lower grade");
    }
    return {};
}

BoundCell comparedBound(const RangeProblem& problem) {
    switch (problem.kind) {
    case RangeProblem::LowAboveHigh: return {problem.row, 1};
    case RangeProblem::Overlap: return {problem.row + 1, 1};
    case RangeProblem::Blank:
    case RangeProblem::NotANumber: break;
    }
    return {problem.row, problem.column};
}

QString describeRangeProblem(const std::vector<LetterRange>& ranges, const RangeProblem& problem) {
    QString message = rangeProblemMessage(problem.kind);
    const auto at = [&ranges](int row) -> const LetterRange& { return ranges[static_cast<std::size_t>(row)]; };
    const LetterRange& range = at(problem.row);
    switch (problem.kind) {
    case RangeProblem::LowAboveHigh:
        return ScaleChecks::tr("%1: \u201c%2\u201d starts at %3 but ends at %4.")
            .arg(message, range.letter.trimmed(), range.low.trimmed(), range.high.trimmed());
    case RangeProblem::Overlap: {
        const LetterRange& next = at(problem.row + 1);
        return ScaleChecks::tr("%1: \u201c%2\u201d starts at %3, below %4 where \u201c%5\u201d ends.")
            .arg(message, range.letter.trimmed(), range.low.trimmed(), next.high.trimmed(), next.letter.trimmed());
    }
    case RangeProblem::Blank:
    case RangeProblem::NotANumber: break;
    }
    return message;
}

bool sameBounds(const StoredScale& a, const StoredScale& b) {
    if (a.kind != b.kind || a.ranges.size() != b.ranges.size()) return false;
    for (std::size_t i = 0; i < a.ranges.size(); ++i) {
        if (a.ranges[i].low.trimmed() != b.ranges[i].low.trimmed() ||
            a.ranges[i].high.trimmed() != b.ranges[i].high.trimmed()) {
            return false;
        }
    }
    return true;
}

Result<CurrentGradeScale> gradeScaleOf(const StoredScale& scale) {
    if (const QString problem = ScaleStore::nameProblem(scale.name); !problem.isEmpty()) return fail(problem);
    if (scale.ranges.size() != scaleLetters(static_cast<std::uint8_t>(scale.kind)).size()) {
        return fail(ScaleChecks::tr("A scale of this kind has %1 letters, not %2.")
                        .arg(scaleLetters(static_cast<std::uint8_t>(scale.kind)).size())
                        .arg(scale.ranges.size()));
    }
    if (const std::optional<RangeProblem> problem = findRangeProblem(scale.ranges)) {
        const LetterRange& range = scale.ranges[static_cast<std::size_t>(problem->row)];
        return fail(ScaleChecks::tr("Letter \u201c%1\u201d, %2: %3")
                        .arg(range.letter, problem->column == 0 ? ScaleChecks::tr("Min %") : ScaleChecks::tr("Max %"),
                             rangeProblemMessage(problem->kind)));
    }
    QStringList bounds;
    for (const LetterRange& range : scale.ranges) bounds << range.low.trimmed() << range.high.trimmed();
    CurrentGradeScale record;
    record.name = cp1252::fromUnicode(scale.name).value();  // checked by nameProblem()
    record.scale_type = static_cast<std::uint8_t>(scale.kind);
    record.num_values = bounds.join(QLatin1Char(',')).toStdString();  // digits and points only
    return record;
}

StoredScale storedScaleOf(const CurrentGradeScale& scale) {
    // Only the three known kinds have letters; anything else reads as standard.
    const auto kind = scale.scale_type <= static_cast<std::uint8_t>(ScaleKind::PassFail)
                          ? static_cast<ScaleKind>(scale.scale_type)
                          : ScaleKind::Standard;
    StoredScale stored{cp1252::toUnicode(scale.name), kind, defaultRanges(kind)};
    const std::vector<std::string> bounds = parseCommaText(scale.num_values);
    const auto bound = [&bounds](std::size_t index) {
        return index < bounds.size() ? cp1252::toUnicode(bounds[index]) : QString();
    };
    for (std::size_t i = 0; i < stored.ranges.size(); ++i) {
        stored.ranges[i].low = bound(2 * i);
        stored.ranges[i].high = bound(2 * i + 1);
    }
    return stored;
}

Result<void> useGradeScale(ClassRecord& cls, const StoredScale& scale) {
    Result<CurrentGradeScale> record = gradeScaleOf(scale);
    if (!record) return record.error();
    cls.gradeScale = std::move(record).value();
    return {};
}

}  // namespace markwell
