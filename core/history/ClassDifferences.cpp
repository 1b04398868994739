// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/history/ClassDifferences.h"

#include "core/common/Cp1252.h"
#include "core/common/NumberText.h"
#include "core/data/Tables.h"

#include <QCoreApplication>

#include <algorithm>
#include <map>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace markwell {
namespace {

struct ClassDifferencesText {
    Q_DECLARE_TR_FUNCTIONS(ClassDifferences)
};

using Names = std::vector<std::string_view>;

// For each name of `after`, the index of the same name in `before` (the n-th
// of a name with the n-th), or -1. One hash lookup a name.
std::vector<int> matchByName(const Names& before, const Names& after) {
    std::unordered_map<std::string_view, int> next;  // the first index of a name not yet taken
    std::vector<int> following(before.size(), -1);   // the next index of the same name
    next.reserve(before.size());
    for (int i = static_cast<int>(before.size()) - 1; i >= 0; --i) {
        auto [slot, made] = next.try_emplace(before[static_cast<std::size_t>(i)], i);
        if (!made) {
            following[static_cast<std::size_t>(i)] = slot->second;
            slot->second = i;
        }
    }
    std::vector<int> match(after.size(), -1);
    for (std::size_t i = 0; i < after.size(); ++i) {
        const auto slot = next.find(after[i]);
        if (slot == next.end() || slot->second < 0) continue;
        match[i] = slot->second;
        slot->second = following[static_cast<std::size_t>(slot->second)];
    }
    return match;
}

// Which index of `before` each index of `after` stands for, and the reverse.
struct Pairing {
    std::vector<int> beforeOf;
    std::vector<int> afterOf;
};

Pairing pairingOf(std::vector<int> beforeOf, std::size_t beforeCount) {
    Pairing pairing{std::move(beforeOf), std::vector<int>(beforeCount, -1)};
    for (std::size_t i = 0; i < pairing.beforeOf.size(); ++i) {
        if (pairing.beforeOf[i] >= 0)
            pairing.afterOf[static_cast<std::size_t>(pairing.beforeOf[i])] = static_cast<int>(i);
    }
    return pairing;
}

// The students of `before` under the names the renames gave them.
Names renamedNames(const Names& names, const std::vector<StudentRename>& renames) {
    Names renamed = names;
    for (const StudentRename& rename : renames) {
        for (std::string_view& name : renamed) {
            if (name == rename.from) name = rename.to;
        }
    }
    return renamed;
}

// Assignments by title; one left over at the same place on both sides is
// the same assignment under a new title.
Pairing pairAssignments(const StateSummary& before, const StateSummary& after) {
    Names oldTitles;
    Names newTitles;
    for (const auto& a : before.assignments) oldTitles.push_back(a.title);
    for (const auto& a : after.assignments) newTitles.push_back(a.title);
    Pairing pairing = pairingOf(matchByName(oldTitles, newTitles), oldTitles.size());
    for (std::size_t i = 0; i < newTitles.size() && i < oldTitles.size(); ++i) {
        if (pairing.beforeOf[i] < 0 && pairing.afterOf[i] < 0) {
            pairing.beforeOf[i] = static_cast<int>(i);
            pairing.afterOf[i] = static_cast<int>(i);
        }
    }
    return pairing;
}

std::string bytesOf(const QString& text) {
    return cp1252::fromUnicode(text).value();
}

std::string weightsText(const WeightedGrades& weights) {
    QStringList shares;
    for (int type = 0; type < kAssignmentTypeCount; ++type) {
        shares << QStringLiteral("%1 %2").arg(assignmentTypeName(type)).arg(weights.weight(type));
    }
    return bytesOf(shares.join(QStringLiteral(", ")) +
                   (weights.enabled ? QStringLiteral("; on") : QStringLiteral("; off")));
}

std::string dropRuleText(const DropLowScoreInfo& rule) {
    switch (rule.drop_type) {
    case droprule::kNone: return "none";
    case droprule::kLowestOverall: return "overall";
    case droprule::kLowestPerType: {
        QStringList types;
        for (int type = 0; type < kAssignmentTypeCount; ++type) {
            if (rule.flag(type)) types << assignmentTypeName(type);
        }
        return bytesOf(QStringLiteral("by-type ") + types.join(QLatin1Char(',')));
    }
    default: return std::to_string(rule.drop_type);
    }
}

// A score a new row or column starts with: nothing worth a line.
bool isStartingScore(std::string_view points) {
    return points.empty() || points == "0";
}

class DifferenceFinder {
public:
    DifferenceFinder(const ClassState& before, const ClassState& after, const StateSummary& old,
                     const StateSummary& now, const std::vector<StudentRename>& renames)
        : before_(before), after_(after), old_(old), now_(now), renames_(renames),
          renamed_(renamedNames(old.students, renames)),
          students_(pairingOf(matchByName(renamed_, now.students), old.students.size())),
          assignments_(pairAssignments(old, now)) {}

    std::vector<Difference> find(bool withRules) {
        if (withRules) addRules();
        addAssignments();
        addStudents();
        addScores();
        addAttendance();
        addSeats();
        return std::move(lines_);
    }

private:
    void add(DifferenceKind what, std::string_view student, std::string_view assignment, std::string oldValue = {},
             std::string newValue = {}) {
        lines_.push_back(
            {what, std::string(student), std::string(assignment), std::move(oldValue), std::move(newValue)});
    }

    void addRules() {
        if (old_.scaleName != now_.scaleName || old_.scaleType != now_.scaleType ||
            old_.scaleValues != now_.scaleValues) {
            add(DifferenceKind::Scale, {}, {}, std::string(old_.scaleName), std::string(now_.scaleName));
        }
        if (!(old_.weights == now_.weights))
            add(DifferenceKind::Weights, {}, {}, weightsText(old_.weights), weightsText(now_.weights));
        if (!(old_.dropRule == now_.dropRule))
            add(DifferenceKind::DropRule, {}, {}, dropRuleText(old_.dropRule), dropRuleText(now_.dropRule));
    }

    void addAssignments() {
        for (std::size_t i = 0; i < old_.assignments.size(); ++i) {
            if (assignments_.afterOf[i] < 0) add(DifferenceKind::AssignmentRemoved, {}, old_.assignments[i].title);
        }
        for (std::size_t i = 0; i < now_.assignments.size(); ++i) {
            const StateSummary::Assignment& now = now_.assignments[i];
            const int j = assignments_.beforeOf[i];
            if (j < 0) {
                add(DifferenceKind::AssignmentAdded, {}, now.title);
                continue;
            }
            const StateSummary::Assignment& old = old_.assignments[static_cast<std::size_t>(j)];
            if (old.title != now.title)
                add(DifferenceKind::Title, {}, now.title, std::string(old.title), std::string(now.title));
            if (old.type != now.type)
                add(DifferenceKind::Type, {}, now.title, std::string(old.type), std::string(now.type));
            // Compared as stored: the same number is no change, whatever its bits.
            if (old.total != now.total && !(old.total != old.total && now.total != now.total)) {
                add(DifferenceKind::PossiblePoints, {}, now.title, generalText(old.total), generalText(now.total));
            }
        }
    }

    void addStudents() {
        for (std::size_t i = 0; i < old_.students.size(); ++i) {
            if (students_.afterOf[i] < 0) add(DifferenceKind::StudentRemoved, old_.students[i], {});
        }
        for (std::size_t i = 0; i < now_.students.size(); ++i) {
            const int j = students_.beforeOf[i];
            if (j < 0) {
                add(DifferenceKind::StudentAdded, now_.students[i], {});
                continue;
            }
            const auto old = static_cast<std::size_t>(j);
            if (old_.students[old] != now_.students[i]) {
                add(DifferenceKind::StudentRenamed, now_.students[i], {}, std::string(old_.students[old]),
                    std::string(now_.students[i]));
            }
            if (old_.comments[old] != now_.comments[i]) add(DifferenceKind::Comment, now_.students[i], {});
        }
    }

    bool studentsInPlace() const {
        if (old_.students.size() != now_.students.size()) return false;
        for (std::size_t i = 0; i < now_.students.size(); ++i) {
            if (students_.beforeOf[i] != static_cast<int>(i)) return false;
        }
        return true;
    }

    // One column to look at: its scores now and, when it was there, before.
    struct Column {
        std::size_t assignment = 0;
        std::vector<std::string_view> now;
        std::vector<std::string_view> old;  // empty for an added assignment
        bool added = false;
    };

    std::vector<std::string_view> scoresOf(const ClassState& state, std::size_t assignment, std::size_t students) {
        auto scores = readStateScores(state.parts[ClassState::kFirstAssignment + assignment], students);
        return scores ? std::move(*scores) : std::vector<std::string_view>(students);
    }

    // The columns whose scores may differ: added ones, and the others whose
    // stored scores are not the same bytes in the same student order. With a
    // student added, every column (the new row's scores are in all of them).
    std::vector<Column> columnsToCompare() {
        const bool inPlace = studentsInPlace();
        bool anyAdded = false;
        for (const int j : students_.beforeOf) anyAdded = anyAdded || j < 0;
        std::vector<Column> columns;
        for (std::size_t i = 0; i < now_.assignments.size(); ++i) {
            const int j = assignments_.beforeOf[i];
            const bool same = j >= 0 && inPlace &&
                              before_.parts[ClassState::kFirstAssignment + static_cast<std::size_t>(j)] ==
                                  after_.parts[ClassState::kFirstAssignment + i];
            if (same && !anyAdded) continue;
            Column column{i, scoresOf(after_, i, now_.students.size()), {}, j < 0};
            if (j >= 0 && !same) column.old = scoresOf(before_, static_cast<std::size_t>(j), old_.students.size());
            columns.push_back(std::move(column));
        }
        return columns;
    }

    // Row by row, as the grades table reads.
    void addScores() {
        const std::vector<Column> columns = columnsToCompare();
        for (std::size_t s = 0; s < now_.students.size(); ++s) {
            const int j = students_.beforeOf[s];
            for (const Column& column : columns) {
                const std::string_view now = column.now[s];
                const std::string_view title = now_.assignments[column.assignment].title;
                if (j < 0 || column.added) {
                    if (!isStartingScore(now))
                        add(DifferenceKind::Score, now_.students[s], title, {}, std::string(now));
                } else if (!column.old.empty()) {
                    const std::string_view old = column.old[static_cast<std::size_t>(j)];
                    if (old != now)
                        add(DifferenceKind::Score, now_.students[s], title, std::string(old), std::string(now));
                }
            }
        }
    }

    // Attendance records by student, year and month; a renamed student's
    // records follow the new name (letter case ignored, as attendance
    // matches names).
    std::string marksKey(std::string_view name, const StateMarks& marks) const {
        QString folded = cp1252::toUnicode(name).toCaseFolded();
        return folded.toStdString() + '\0' + std::to_string(marks.year) + '-' + std::to_string(marks.month);
    }

    std::string_view renamedMarksName(std::string_view name) const {
        for (const StudentRename& rename : renames_) {
            if (cp1252::toUnicode(name).compare(cp1252::toUnicode(rename.from), Qt::CaseInsensitive) == 0)
                name = rename.to;
        }
        return name;
    }

    static int markCount(std::string_view days) {
        return static_cast<int>(std::count_if(days.begin(), days.end(), [](char c) { return c != ' '; }));
    }

    void addAttendance() {
        if (before_.parts[ClassState::kAttendance] == after_.parts[ClassState::kAttendance] && renames_.empty()) return;
        const auto old = readStateAttendance(before_.parts[ClassState::kAttendance]);
        const auto now = readStateAttendance(after_.parts[ClassState::kAttendance]);
        if (!old || !now) return;
        std::unordered_map<std::string, std::vector<std::size_t>> oldByKey;
        for (std::size_t i = old->size(); i-- > 0;) {
            oldByKey[marksKey(renamedMarksName((*old)[i].name), (*old)[i])].push_back(i);
        }
        std::map<std::pair<int, int>, int> changedByMonth;
        const auto count = [&changedByMonth](const StateMarks& marks, int changed) {
            if (changed > 0) changedByMonth[{marks.year, marks.month}] += changed;
        };
        for (const StateMarks& marks : *now) {
            auto slot = oldByKey.find(marksKey(marks.name, marks));
            if (slot == oldByKey.end() || slot->second.empty()) {
                count(marks, markCount(marks.days));
                continue;
            }
            const StateMarks& was = (*old)[slot->second.back()];
            slot->second.pop_back();
            int changed = 0;
            for (std::size_t d = 0; d < marks.days.size() && d < was.days.size(); ++d)
                changed += marks.days[d] != was.days[d];
            count(marks, changed);
        }
        for (const auto& [key, left] : oldByKey) {
            for (const std::size_t i : left) count((*old)[i], markCount((*old)[i].days));
        }
        if (changedByMonth.empty()) return;
        QStringList months;
        int total = 0;
        for (const auto& [month, changed] : changedByMonth) {
            months << QStringLiteral("%1-%2")
                          .arg(month.first, 4, 10, QLatin1Char('0'))
                          .arg(month.second, 2, 10, QLatin1Char('0'));
            total += changed;
        }
        add(DifferenceKind::Attendance, {}, {}, bytesOf(months.join(QStringLiteral(", "))), std::to_string(total));
    }

    // The teacher's seat is the first of each side; the students' seats are
    // matched by name.
    void addSeats() {
        if (before_.parts[ClassState::kSeats] == after_.parts[ClassState::kSeats]) return;
        const auto old = readStateSeats(before_.parts[ClassState::kSeats]);
        const auto now = readStateSeats(after_.parts[ClassState::kSeats]);
        if (!old || !now) return;
        int changed = (old->front().look != now->front().look || old->front().name != now->front().name) ? 1 : 0;
        Names oldNames;
        Names newNames;
        for (std::size_t i = 1; i < old->size(); ++i) oldNames.push_back((*old)[i].name);
        for (std::size_t i = 1; i < now->size(); ++i) newNames.push_back((*now)[i].name);
        const Pairing seats = pairingOf(matchByName(renamedNames(oldNames, renames_), newNames), oldNames.size());
        for (const int j : seats.afterOf) changed += j < 0;
        for (std::size_t i = 0; i < newNames.size(); ++i) {
            const int j = seats.beforeOf[i];
            changed += j < 0 || (*old)[static_cast<std::size_t>(j) + 1].look != (*now)[i + 1].look;
        }
        if (changed > 0) add(DifferenceKind::Seats, {}, {}, {}, std::to_string(changed));
    }

    const ClassState& before_;
    const ClassState& after_;
    const StateSummary& old_;
    const StateSummary& now_;
    const std::vector<StudentRename>& renames_;
    Names renamed_;
    Pairing students_;
    Pairing assignments_;
    std::vector<Difference> lines_;
};

}  // namespace

std::vector<Difference> classDifferences(const ClassState& before, const ClassState& after,
                                         const std::vector<StudentRename>& renames) {
    const bool fromNothing = before.empty();
    const ClassState nothing = fromNothing ? classStateOf(Document{}) : ClassState{};
    const ClassState& base = fromNothing ? nothing : before;
    if (!isReadableState(base) || !isReadableState(after)) return {};
    const std::optional<StateSummary> old = readStateSummary(base.parts[ClassState::kSummary]);
    const std::optional<StateSummary> now = readStateSummary(after.parts[ClassState::kSummary]);
    return DifferenceFinder(base, after, *old, *now, renames).find(!fromNothing);
}

QString differenceWord(DifferenceKind what) {
    switch (what) {
    case DifferenceKind::Score: return ClassDifferencesText::tr("score");
    case DifferenceKind::PossiblePoints: return ClassDifferencesText::tr("possible points");
    case DifferenceKind::Title: return ClassDifferencesText::tr("title");
    case DifferenceKind::Type: return ClassDifferencesText::tr("type");
    case DifferenceKind::StudentAdded: return ClassDifferencesText::tr("student added");
    case DifferenceKind::StudentRemoved: return ClassDifferencesText::tr("student removed");
    case DifferenceKind::StudentRenamed: return ClassDifferencesText::tr("student renamed");
    case DifferenceKind::AssignmentAdded: return ClassDifferencesText::tr("assignment added");
    case DifferenceKind::AssignmentRemoved: return ClassDifferencesText::tr("assignment removed");
    case DifferenceKind::Scale: return ClassDifferencesText::tr("scale");
    case DifferenceKind::Weights: return ClassDifferencesText::tr("weights");
    case DifferenceKind::DropRule: return ClassDifferencesText::tr("drop rule");
    case DifferenceKind::Comment: return ClassDifferencesText::tr("comment");
    case DifferenceKind::Attendance: return ClassDifferencesText::tr("attendance");
    case DifferenceKind::Seats: return ClassDifferencesText::tr("seats");
    }
    return {};
}

}  // namespace markwell
