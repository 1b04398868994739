// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/main/EditingCommands.h"

#include "core/editing/ClassChanges.h"
#include "core/editing/Curve.h"
#include "core/grading/GradesLayout.h"
#include "gui/document/ClassHistory.h"
#include "gui/editors/AssignmentListDialog.h"
#include "gui/editors/CurveDialog.h"
#include "gui/editors/EditGradesDialog.h"
#include "gui/editors/StudentListDialog.h"
#include "gui/main/MainActions.h"
#include "gui/main/MainWindow.h"
#include "gui/shared/UserDialogs.h"

namespace markwell {

EditingCommands::EditingCommands(MainWindow& window, ClassHistory& history, UserDialogs& dialogs,
                                 const MainActions& actions)
    : window_(window), history_(history), dialogs_(dialogs) {
    window_.connectCommand(actions.studentList, [this] { editStudentList(); });
    window_.connectCommand(actions.assignmentList, [this] { editAssignmentList(); });
    window_.connectCommand(actions.editGrades, [this] { editGrades(); });
    window_.connectCommand(actions.curve, [this] { curveAssignment(); });
}

void EditingCommands::applyChange(const Change& change) {
    if (Result<void> applied = history_.apply(change); !applied) dialogs_.warn(&window_, applied.message());
}

void EditingCommands::editStudentList() {
    const Document& document = window_.document();
    StudentListDialog dialog(document.classRecord, dialogs_, document.markwellFile, &window_);
    if (dialog.exec() != QDialog::Accepted) return;
    // A renamed student's attendance, every month of it, takes the new name.
    applyChange(editedClassChange(tr("Edit Students"), dialog.classRecord(), dialog.renames()));
}

void EditingCommands::editAssignmentList() {
    const Document& document = window_.document();
    AssignmentListDialog dialog(document.classRecord, dialogs_, document.markwellFile, &window_);
    if (dialog.exec() != QDialog::Accepted) return;
    applyChange(editedClassChange(tr("Edit Assignments"), dialog.classRecord()));
}

void EditingCommands::editGrades() {
    EditGradesDialog dialog(window_.document().classRecord, dialogs_, &window_);
    if (dialog.exec() != QDialog::Accepted) return;
    applyChange(editedClassChange(tr("Edit Grades"), dialog.classRecord()));
}

void EditingCommands::curveAssignment() {
    const ClassRecord& cls = window_.document().classRecord;
    if (cls.assignments.empty()) return;
    const Sheet& table = window_.gradesTable().sheet;
    const int col = table.resolve(table.selection()).c1;
    const GradesLayout layout = GradesLayout::of(table);
    const auto assignment = static_cast<std::size_t>(layout.isAssignmentCol(col) ? layout.assignmentIndexOf(col) : 0);
    CurveDialog dialog(cls, assignment, &window_);
    if (dialog.exec() != QDialog::Accepted) return;
    applyChange(curveChange(cls, dialog.assignment(), dialog.rule()));
}

}  // namespace markwell
