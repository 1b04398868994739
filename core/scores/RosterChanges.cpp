// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/scores/RosterChanges.h"

#include "core/editing/CsvImport.h"
#include "core/editing/GradeEntry.h"
#include "core/scores/ScorePlan.h"

#include <QCoreApplication>

#include <utility>

namespace markwell {
namespace {

struct RosterChanges {
    Q_DECLARE_TR_FUNCTIONS(RosterChanges)
};

// Refused rows as one message: a line for each, then how many.
Result<void> takenRows(const QString& csvPath, const std::vector<RowProblem>& problems) {
    if (!problems.empty()) return fail(rowProblemLines(csvPath, problems).join(QLatin1Char('\n')));
    return {};
}

}  // namespace

Change studentImportChange(CsvTable table, QString csvPath) {
    return classChange(RosterChanges::tr("Import Students"),
                       [table = std::move(table), csvPath = std::move(csvPath)](ClassRecord& cls) {
                           return takenRows(csvPath, importStudentRows(cls, table));
                       });
}

Change newAssignmentChange(AssignmentForm form, QString total) {
    return classChange(RosterChanges::tr("Add Assignment"),
                       [form = std::move(form), total = std::move(total)](ClassRecord& cls) -> Result<void> {
                           const Result<std::size_t> added = addAssignment(cls, form);
                           if (!added) return added.error();
                           if (Result<void> set = setTotal(cls.assignments[*added], total); !set) return set.error();
                           return {};
                       });
}

Change pointsImportChange(AssignmentChoice choice, CsvTable table, QString csvPath) {
    return classChange(RosterChanges::tr("Import Points"),
                       [choice = std::move(choice), table = std::move(table),
                        csvPath = std::move(csvPath)](ClassRecord& cls) -> Result<void> {
                           const Result<std::size_t> index = chosenAssignment(cls, choice);
                           if (!index) return index.error();
                           return takenRows(csvPath, setPointRows(cls, *index, table));
                       });
}

Change totalChange(AssignmentChoice choice, QString total) {
    return classChange(RosterChanges::tr("Possible Points"),
                       [choice = std::move(choice), total = std::move(total)](ClassRecord& cls) -> Result<void> {
                           const Result<std::size_t> index = chosenAssignment(cls, choice);
                           if (!index) return index.error();
                           if (Result<void> set = setTotal(cls.assignments[*index], total); !set) return set.error();
                           return {};
                       });
}

Change scoreImportChange(ScoreTable table, ScoreMapping mapping, QString sourcePath) {
    return classChange(RosterChanges::tr("Import Scores"),
                       [table = std::move(table), mapping = std::move(mapping),
                        sourcePath = std::move(sourcePath)](ClassRecord& cls) -> Result<void> {
                           const ScorePlan plan = planScoreImport(cls, table, mapping);
                           if (plan.blocked()) return fail(scoreProblemLines(sourcePath, plan).join(QLatin1Char('\n')));
                           applyScorePlan(cls, plan);
                           return {};
                       });
}

}  // namespace markwell
