// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/scores/ScorePlan.h"

#include "core/common/Cp1252.h"
#include "core/common/NumberText.h"
#include "core/data/PointEntry.h"
#include "core/editing/AssignmentEditing.h"
#include "core/editing/StudentEditing.h"
#include "core/editing/Validators.h"
#include "core/scores/ScoreValues.h"

#include <QCoreApplication>
#include <QSet>

#include <algorithm>

namespace markwell {
namespace {

struct ScorePlanText {
    Q_DECLARE_TR_FUNCTIONS(ScorePlan)
};

using Status = PlannedRow::Status;

// The first column of each of the student's details.
struct IdentityColumns {
    std::optional<qsizetype> name, first, last, id, email, login;

    explicit IdentityColumns(const std::vector<ColumnUse>& uses) {
        for (std::size_t c = 0; c < uses.size(); ++c) {
            std::optional<qsizetype>* slot = nullptr;
            switch (uses[c].role) {
            case ColumnRole::Name: slot = &name; break;
            case ColumnRole::FirstName: slot = &first; break;
            case ColumnRole::LastName: slot = &last; break;
            case ColumnRole::StudentId: slot = &id; break;
            case ColumnRole::Email: slot = &email; break;
            case ColumnRole::Login: slot = &login; break;
            case ColumnRole::Score:
            case ColumnRole::Ignored: break;
            }
            if (slot && !*slot) *slot = static_cast<qsizetype>(c);
        }
    }
    bool any() const { return name || first || last || id || email || login; }

    static QString cell(const ScoreRow& row, std::optional<qsizetype> column) {
        return column ? trimmedText(row.cells.value(*column)) : QString();
    }

    RowIdentity of(const ScoreRow& row) const {
        RowIdentity who;
        who.name = cell(row, name);
        if (who.name.isEmpty()) who.name = (cell(row, first) + QLatin1Char(' ') + cell(row, last)).trimmed();
        who.id = cell(row, id);
        who.email = cell(row, email);
        // Canvas's login is the student's address at many schools.
        if (who.email.isEmpty() && cell(row, login).contains(QLatin1Char('@'))) who.email = cell(row, login);
        return who;
    }
};

// A new student's name as the class writes names: "First Last".
QString classStyleName(const QString& name) {
    const qsizetype comma = name.indexOf(QLatin1Char(','));
    if (comma < 0) return name;
    return (name.mid(comma + 1).trimmed() + QLatin1Char(' ') + name.left(comma).trimmed()).trimmed();
}

QString shownName(const RowIdentity& who) {
    if (!who.name.isEmpty()) return who.name;
    return who.id.isEmpty() ? who.email : who.id;
}

class Planner {
public:
    Planner(const ClassRecord& cls, const ScoreTable& table, const ScoreMapping& mapping)
        : cls_(cls), table_(table), mapping_(mapping), uses_(mapping.columns), identity_(uses_),
          classStudents_(cls.students.size()), classAssignments_(cls.assignments.size()) {
        uses_.resize(table.columns.size());
    }

    ScorePlan run() {
        planColumns();
        planRows();
        planCells();
        finish();
        return std::move(plan_);
    }

private:
    QString columnReason(std::size_t c, const QString& what) const {
        return ScorePlanText::tr("column %1 (%2): %3")
            .arg(QString::number(c + 1), table_.columns[c].heading.simplified(), what);
    }
    void problem(int line, const QString& reason) { plan_.problems.push_back({line, reason}); }

    void planColumns() {
        if (!identity_.any()) {
            problem(table_.headerLine, ScorePlanText::tr("no column names the students: choose the column of their "
                                                         "names, IDs or e-mail addresses"));
        }
        targets_.assign(uses_.size(), std::nullopt);
        std::vector<std::optional<std::size_t>> columnOf(classAssignments_);
        for (std::size_t c = 0; c < uses_.size(); ++c) {
            const ColumnUse& use = uses_[c];
            if (use.role != ColumnRole::Score) continue;
            if (!use.assignment) {
                addNewAssignment(c, use);
                continue;
            }
            const std::size_t a = *use.assignment;
            if (a >= classAssignments_) {
                problem(table_.headerLine, columnReason(c, ScorePlanText::tr("there is no such assignment")));
            } else if (columnOf[a]) {
                problem(table_.headerLine,
                        columnReason(c, ScorePlanText::tr("its scores go to \"%1\", as those of column %2 do: "
                                                          "ignore one of them")
                                            .arg(cp1252::toUnicode(cls_.assignments[a].title),
                                                 QString::number(*columnOf[a] + 1))));
            } else {
                columnOf[a] = c;
                targets_[c] = a;
            }
        }
    }

    void addNewAssignment(std::size_t c, const ColumnUse& use) {
        Result<AssignmentInfo> checked = checkAssignmentForm({use.newTitle, use.newType, QString()});
        const Result<double> total = totalValue(use.newPossible);
        if (!checked || !total) {
            problem(table_.headerLine, columnReason(c, !checked ? checked.message() : total.message()));
            return;
        }
        checked->total = *total;
        targets_[c] = classAssignments_ + plan_.newAssignments.size();
        plan_.newAssignments.push_back(std::move(*checked));
    }

    void planRows() {
        const StudentIndex index(cls_);
        classNames_ = foldedStudentNames(cls_);
        rowsOf_.assign(classStudents_, {});
        plan_.rows.reserve(table_.rows.size());
        for (std::size_t r = 0; r < table_.rows.size(); ++r) {
            const RowIdentity who = identity_.of(table_.rows[r]);
            PlannedRow row;
            row.name = shownName(who);
            if (const auto chosen = mapping_.rows.find(r); chosen != mapping_.rows.end()) {
                takeChoice(row, who, chosen->second, r);
            } else if (row.name.isEmpty()) {
                row.status = Status::NoName;
                row.note = ScorePlanText::tr("no name, ID or e-mail address: left out");
            } else {
                takeMatch(row, who, index.match(who, mapping_.matchBy), r);
            }
            plan_.rows.push_back(std::move(row));
        }
        markDuplicates();
    }

    void takeChoice(PlannedRow& row, const RowIdentity& who, const RowChoice& choice, std::size_t r) {
        switch (choice.kind) {
        case RowChoice::Kind::Skip:
            row.status = Status::Skipped;
            row.note = ScorePlanText::tr("left out");
            return;
        case RowChoice::Kind::NewStudent: addNewStudent(row, who, r); return;
        case RowChoice::Kind::Student: break;
        }
        if (choice.student >= classStudents_) {
            row.status = Status::Unmatched;
            problem(table_.rows[r].line, ScorePlanText::tr("there is no such student"));
            return;
        }
        matched(row, choice.student, MatchBy::Auto, r);
        row.note = ScorePlanText::tr("chosen");
    }

    void takeMatch(PlannedRow& row, const RowIdentity& who, const RowMatch& match, std::size_t r) {
        const int line = table_.rows[r].line;
        if (match.kind == RowMatch::Kind::Student) {
            matched(row, match.students.front(), match.by, r);
            return;
        }
        if (match.kind == RowMatch::Kind::Ambiguous) {
            QStringList names;
            for (std::size_t s : match.students) names << cp1252::toUnicode(cls_.students[s].name);
            row.status = Status::Ambiguous;
            row.note = ScorePlanText::tr("matches %1 students: choose one").arg(match.students.size());
            problem(line, ScorePlanText::tr("\"%1\" matches %2 students of the class (%3): choose one")
                              .arg(row.name, QString::number(match.students.size()), names.join(QStringLiteral(", "))));
        } else if (mapping_.addStudents) {
            addNewStudent(row, who, r);
        } else if (mapping_.skipUnmatched) {
            row.status = Status::Skipped;
            row.note = ScorePlanText::tr("matches no student of the class: left out");
        } else {
            row.status = Status::Unmatched;
            row.note = ScorePlanText::tr("matches no student of the class");
            problem(line, ScorePlanText::tr("no student of the class matches \"%1\"").arg(row.name));
        }
    }

    void matched(PlannedRow& row, std::size_t student, MatchBy by, std::size_t r) {
        row.status = Status::Matched;
        row.student = student;
        row.by = by;
        switch (by) {
        case MatchBy::Id: row.note = ScorePlanText::tr("by ID"); break;
        case MatchBy::Email: row.note = ScorePlanText::tr("by e-mail address"); break;
        case MatchBy::Name: row.note = ScorePlanText::tr("by name"); break;
        case MatchBy::Auto: break;
        }
        rowsOf_[student].push_back(r);
    }

    void addNewStudent(PlannedRow& row, const RowIdentity& who, std::size_t r) {
        const int line = table_.rows[r].line;
        StudentForm form;
        form[StudentField::Name] = classStyleName(who.name);
        form[StudentField::Id] = who.id;
        form[StudentField::StudentEmail] = who.email;
        Result<StudentEntry> entry = checkStudentForm(form);
        row.status = Status::Unmatched;
        if (!entry) {
            problem(line, entry.message());
            return;
        }
        const QString key = foldedStudentName(entry->student.name);
        const QString name = cp1252::toUnicode(entry->student.name);
        if (classNames_.contains(key)) {
            problem(line, ScorePlanText::tr("\"%1\" is already in the class: choose that student or leave the row out")
                              .arg(name));
        } else if (newLines_.contains(key)) {
            problem(line, ScorePlanText::tr("\"%1\" is also on line %2").arg(name).arg(newLines_.value(key)));
        } else {
            newLines_.insert(key, line);
            row.status = Status::NewStudent;
            row.student = classStudents_ + plan_.newStudents.size();
            row.note = ScorePlanText::tr("joins the class");
            plan_.newStudents.push_back(std::move(*entry));
        }
    }

    // Rows that match one student: none is taken until the teacher settles them.
    void markDuplicates() {
        for (const std::vector<std::size_t>& rows : rowsOf_) {
            if (rows.size() < 2) continue;
            QStringList lines;
            for (std::size_t r : rows) lines << QString::number(table_.rows[r].line);
            for (std::size_t r : rows) {
                PlannedRow& row = plan_.rows[r];
                const QString name = cp1252::toUnicode(cls_.students[*row.student].name);
                row.status = Status::Duplicate;
                row.note = ScorePlanText::tr("%1 is on lines %2").arg(name, lines.join(QStringLiteral(", ")));
                problem(table_.rows[r].line, ScorePlanText::tr("%1 is on lines %2: leave one out or choose another "
                                                               "student")
                                                 .arg(name, lines.join(QStringLiteral(", "))));
            }
        }
    }

    // The score kept for a student of the class in an assignment of it.
    std::string keptScore(std::size_t assignment, std::size_t student) const {
        const std::vector<std::string>& list = cls_.assignments[assignment].namegrade;
        const std::optional<std::size_t> entry = findStudentEntry(list, student, cls_.students[student].name);
        return entry ? std::string(splitPointEntry(list[*entry]).points) : std::string();
    }

    double possibleOf(std::size_t assignment) const {
        return assignment < classAssignments_ ? cls_.assignments[assignment].total
                                              : plan_.newAssignments[assignment - classAssignments_].total;
    }

    void planCells() {
        const auto targeted = static_cast<std::size_t>(
            std::count_if(targets_.cbegin(), targets_.cend(), [](const auto& t) { return t.has_value(); }));
        plan_.changes.reserve(targeted * plan_.rows.size());
        for (std::size_t r = 0; r < plan_.rows.size(); ++r) {
            const Status status = plan_.rows[r].status;
            if (status != Status::Matched && status != Status::NewStudent) continue;
            for (std::size_t c = 0; c < targets_.size(); ++c) {
                if (targets_[c]) planCell(r, c, *plan_.rows[r].student, *targets_[c]);
            }
        }
    }

    void planCell(std::size_t r, std::size_t c, std::size_t student, std::size_t assignment) {
        using Kind = ScoreValue::Kind;
        const ScoreValue value =
            readScoreValue(table_.rows[r].cells.value(static_cast<qsizetype>(c)), table_.decimalComma);
        std::string points = value.points;
        switch (value.kind) {
        case Kind::Blank: return;
        case Kind::Refused:
            ++plan_.counts.refusedCells;
            problem(table_.rows[r].line, columnReason(c, value.refusal));
            return;
        case Kind::Missing:
        case Kind::NotAssigned:
            if (!mapping_.missingAsZero) {
                ++plan_.counts.unchanged;
                return;
            }
            points.assign(1, '0');  // as `= "0"`, which GCC 12 warns of wrongly
            break;
        case Kind::Points:
        case Kind::Excused: break;
        }
        ScoreChange change{r, c, student, assignment, {}, std::move(points), false, false, possibleOf(assignment)};
        change.isNew = student >= classStudents_ || assignment >= classAssignments_;
        if (!change.isNew) {
            change.old = keptScore(assignment, student);
            if (sameScore(change.old, change.points)) {
                ++plan_.counts.unchanged;
                return;
            }
        }
        const std::optional<double> earned = value.kind == Kind::Points ? parseNumber(change.points) : std::nullopt;
        change.aboveTotal = change.possible > 0 && earned && *earned > change.possible;
        plan_.changes.push_back(std::move(change));
    }

    void finish() {
        for (std::size_t s = 0; s < classStudents_; ++s) {
            if (rowsOf_[s].empty()) plan_.notInFile.push_back(s);
        }
        for (const StudentInfo& s : cls_.students) plan_.studentNames.push_back(cp1252::toUnicode(s.name));
        for (const StudentEntry& e : plan_.newStudents) plan_.studentNames.push_back(cp1252::toUnicode(e.student.name));
        for (const AssignmentInfo& a : cls_.assignments) plan_.assignmentTitles.push_back(cp1252::toUnicode(a.title));
        for (const AssignmentInfo& a : plan_.newAssignments) {
            plan_.assignmentTitles.push_back(cp1252::toUnicode(a.title));
        }
        plan_.counts.changed = static_cast<int>(plan_.changes.size());
        plan_.counts.newAssignments = static_cast<int>(plan_.newAssignments.size());
        plan_.counts.newStudents = static_cast<int>(plan_.newStudents.size());
        std::stable_sort(plan_.problems.begin(), plan_.problems.end(),
                         [](const RowProblem& a, const RowProblem& b) { return a.line < b.line; });
    }

    const ClassRecord& cls_;
    const ScoreTable& table_;
    const ScoreMapping& mapping_;
    std::vector<ColumnUse> uses_;
    IdentityColumns identity_;
    const std::size_t classStudents_;
    const std::size_t classAssignments_;
    std::vector<std::optional<std::size_t>> targets_;  // each column's assignment in the class as changed
    std::vector<std::vector<std::size_t>> rowsOf_;     // each student's rows
    QSet<QString> classNames_;
    QHash<QString, int> newLines_;  // new students' names, folded, with their lines
    ScorePlan plan_;
};

}  // namespace

ScorePlan planScoreImport(const ClassRecord& cls, const ScoreTable& table, const ScoreMapping& mapping) {
    return Planner(cls, table, mapping).run();
}

void applyScorePlan(ClassRecord& cls, const ScorePlan& plan) {
    for (const StudentEntry& entry : plan.newStudents) appendStudent(cls, entry);
    for (const AssignmentInfo& assignment : plan.newAssignments) {
        cls.assignments.push_back(assignment);
        cls.assignments.back().namegrade = zeroPointList(cls);
    }
    for (const ScoreChange& change : plan.changes) {
        std::vector<std::string>& list = cls.assignments[change.assignment].namegrade;
        const std::string& name = cls.students[change.student].name;
        if (const std::optional<std::size_t> entry = findStudentEntry(list, change.student, name)) {
            list[*entry] = makePointEntry(name, change.points);
        } else {
            list.push_back(makePointEntry(name, change.points));
        }
    }
}

QStringList scoreProblemLines(const QString& path, const ScorePlan& plan) {
    return rowProblemLines(path, plan.problems);
}

}  // namespace markwell
