// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/editing/Curve.h"

#include "core/common/Cp1252.h"
#include "core/common/NumberText.h"
#include "core/data/PointEntry.h"
#include "core/grading/EntryIndex.h"
#include "core/grading/MarkStatistics.h"

#include <QCoreApplication>

#include <cmath>
#include <functional>
#include <optional>
#include <utility>

namespace markwell {
namespace {

struct Curving {
    Q_DECLARE_TR_FUNCTIONS(Curving)
};

// The entry of each student in the point list, in class order; none for a
// student whose list (from a damaged file) has no entry.
std::vector<std::optional<std::size_t>> studentEntries(const ClassRecord& cls, const AssignmentInfo& assignment) {
    std::vector<std::optional<std::size_t>> entries;
    entries.reserve(cls.students.size());
    for (std::size_t i = 0; i < cls.students.size(); ++i) {
        entries.push_back(findStudentEntry(assignment.namegrade, i, cls.students[i].name));
    }
    return entries;
}

// The counted scores of the students, each entry once (two students of one
// name in a damaged list may find the same entry).
std::vector<double> studentScores(const AssignmentInfo& assignment,
                                  const std::vector<std::optional<std::size_t>>& entries) {
    std::vector<bool> seen(assignment.namegrade.size(), false);
    std::vector<double> scores;
    for (const std::optional<std::size_t>& entry : entries) {
        if (!entry || seen[*entry]) continue;
        seen[*entry] = true;
        const Points points = readPoints(splitPointEntry(assignment.namegrade[*entry]).points);
        if (points.kind == PointsKind::Number) scores.push_back(points.value);
    }
    return scores;
}

using ScoreCurve = std::function<double(double)>;

Result<ScoreCurve> factorTo(double target, double from, const QString& title) {
    if (!(target > 0)) {
        return fail(Curving::tr("\"%1\" is worth no points: enter its possible points first.").arg(title));
    }
    // Multiplied before dividing: the highest score then becomes the possible points exactly.
    return ScoreCurve([target, from](double score) { return score * target / from; });
}

// The curve itself, before the floor at 0, the rounding and the cap.
Result<ScoreCurve> curveOf(const CurveRule& rule, const AssignmentInfo& assignment, const std::vector<double>& scores) {
    const QString title = cp1252::toUnicode(assignment.title);
    switch (rule.kind) {
    case CurveKind::Add: return ScoreCurve([added = rule.points](double score) { return score + added; });
    case CurveKind::Top: {
        const MarkStatistics s = markStatisticsOf(scores);
        if (scores.empty() || !(s.maximum > 0)) {
            return fail(Curving::tr("The highest score of \"%1\" is 0: there is nothing to scale.").arg(title));
        }
        return factorTo(assignment.total, s.maximum, title);
    }
    case CurveKind::Mean: {
        const MarkStatistics s = markStatisticsOf(scores);
        if (scores.empty()) return fail(Curving::tr("\"%1\" has no score that counts: it has no mean.").arg(title));
        if (!(s.mean > 0)) return fail(Curving::tr("The mean of \"%1\" is 0: it cannot be moved.").arg(title));
        return factorTo(rule.meanPercent / 100 * assignment.total, s.mean, title);
    }
    case CurveKind::Map:
        if (rule.low == rule.high) {
            return fail(Curving::tr("The two scores to map are the same: give two different scores."));
        }
        return ScoreCurve([rule](double score) {
            return rule.newLow + (score - rule.low) * (rule.newHigh - rule.newLow) / (rule.high - rule.low);
        });
    }
    return fail(Curving::tr("Unknown curve."));
}

// A curved score as the class keeps it: never below 0, rounded, capped.
double finishedScore(double curved, const CurveRule& rule, double possible) {
    double score = curved > 0 ? curved : 0;
    if (rule.step > 0) {
        // At 6 decimals first, so that 2.2499999999 from the arithmetic rounds as the 2.25 it stands for.
        const double sixDecimals = std::round(score * 1e6) / 1e6;
        score = std::floor(sixDecimals / rule.step + 0.5) * rule.step;
    }
    if (rule.cap && score > possible) score = possible;
    return score;
}

}  // namespace

Result<CurvedColumn> curveAssignment(const ClassRecord& cls, std::size_t assignment, const CurveRule& rule) {
    if (assignment >= cls.assignments.size()) {
        return fail(Curving::tr("There is no assignment %1 to curve.").arg(QString::number(assignment + 1)));
    }
    const AssignmentInfo& chosen = cls.assignments[assignment];
    const std::vector<std::optional<std::size_t>> entries = studentEntries(cls, chosen);
    const Result<ScoreCurve> curve = curveOf(rule, chosen, studentScores(chosen, entries));
    if (!curve) return curve.error();

    CurvedColumn column{chosen.namegrade, {}, 0};
    std::vector<bool> done(chosen.namegrade.size(), false);
    for (std::size_t i = 0; i < cls.students.size(); ++i) {
        const std::optional<std::size_t> entry = entries[i];
        const QString before = entry ? cp1252::toUnicode(splitPointEntry(chosen.namegrade[*entry]).points) : QString();
        column.scores.push_back({cp1252::toUnicode(cls.students[i].name), before, before});
        if (!entry) continue;
        const PointEntry parts = splitPointEntry(chosen.namegrade[*entry]);
        const Points points = readPoints(parts.points);
        if (points.kind != PointsKind::Number) continue;
        const double score = finishedScore((*curve)(points.value), rule, chosen.total);
        if (!std::isfinite(score)) return fail(Curving::tr("The curve gives a score too large to keep."));
        if (score == points.value) continue;
        column.scores.back().after = QString::fromStdString(generalText(score));
        if (done[*entry]) continue;
        done[*entry] = true;
        column.namegrade[*entry] = makePointEntry(parts.name, generalText(score));
        ++column.changed;
    }
    return column;
}

namespace {

// Undo and redo of a curve swap one assignment's point list.
class PointListSwap final : public ChangeStep {
public:
    PointListSwap(std::size_t assignment, std::vector<std::string> other)
        : assignment_(assignment), other_(std::move(other)) {}
    void undo(Document& document) override { swap(document); }
    void redo(Document& document) override { swap(document); }
    std::size_t heldBytes() const override {
        std::size_t bytes = sizeof(*this);
        for (const std::string& entry : other_) bytes += sizeof(std::string) + entry.capacity();
        return bytes;
    }

private:
    void swap(Document& document) { std::swap(document.classRecord.assignments[assignment_].namegrade, other_); }

    std::size_t assignment_;
    std::vector<std::string> other_;
};

}  // namespace

Change curveChange(const ClassRecord& cls, std::size_t assignment, const CurveRule& rule) {
    const QString title =
        assignment < cls.assignments.size() ? cp1252::toUnicode(cls.assignments[assignment].title) : QString();
    return Change(Curving::tr("Curve %1").arg(title), [assignment, rule](Document& document) -> Result<ChangeMade> {
        Result<CurvedColumn> curved = curveAssignment(document.classRecord, assignment, rule);
        if (!curved) return curved.error();
        if (curved->changed == 0) return ChangeMade{nullptr};
        std::vector<std::string>& list = document.classRecord.assignments[assignment].namegrade;
        std::swap(list, curved->namegrade);
        return ChangeMade{std::make_unique<PointListSwap>(assignment, std::move(curved->namegrade))};
    });
}

}  // namespace markwell
