// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/editing/ClassChanges.h"

#include "core/editing/GradingRules.h"
#include "core/grading/GradesTable.h"
#include "core/grading/SortClass.h"

#include <QCoreApplication>

namespace markwell {
namespace {

struct ClassChanges {
    Q_DECLARE_TR_FUNCTIONS(ClassChanges)
};

}  // namespace

Change sortChange(int column, const QString& heading, bool descending) {
    return classChange(ClassChanges::tr("Sort by %1").arg(heading),
                       [column, descending](ClassRecord& cls) -> Result<void> {
                           GradesTable table = buildGradesTable(cls);
                           if (!sortClass(cls, table, column, descending)) {
                               return fail(ClassChanges::tr("There are no students to sort."));
                           }
                           return {};
                       });
}

Change weightsChange(const WeightedGrades& weights) {
    return classChange(ClassChanges::tr("Weighted Grades"),
                       [weights](ClassRecord& cls) { return setWeights(cls, weights); });
}

Change dropRuleChange(const DropLowScoreInfo& rule) {
    return classChange(ClassChanges::tr("Drop Lowest Score"),
                       [rule](ClassRecord& cls) { return setDropRule(cls, rule); });
}

Change gradeScaleChange(const StoredScale& scale) {
    return classChange(ClassChanges::tr("Grade Scale"),
                       [scale](ClassRecord& cls) { return useGradeScale(cls, scale); });
}

Change gridLinesChange(bool shown) {
    return classChange(ClassChanges::tr("Grid Lines"), [shown](ClassRecord& cls) -> Result<void> {
        cls.gridProps.grid_lines = shown;
        return {};
    });
}

Change editedClassChange(QString name, ClassRecord edited, std::vector<StudentRename> renames) {
    const Change replace = classAndAttendanceChange(
        name, [edited = std::move(edited), renames](ClassRecord& cls, AttendanceBook& attendance) -> Result<void> {
            for (const StudentRename& rename : renames) attendance.renameStudent(rename.from, rename.to);
            cls = edited;
            return {};
        });
    return Change(std::move(name), [replace, renames = std::move(renames)](Document& document) -> Result<ChangeMade> {
        Result<ChangeMade> made = replace.applyTo(document);
        if (made && made->step) made->renames = renames;
        return made;
    });
}

}  // namespace markwell
