// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/main/EditingCommands.h"

#include "core/editing/ClassChanges.h"
#include "core/editing/Curve.h"
#include "core/grading/GradesLayout.h"
#include "gui/document/OpenClass.h"
#include "gui/editors/AssignmentListDialog.h"
#include "gui/editors/CurveDialog.h"
#include "gui/editors/EditGradesDialog.h"
#include "gui/editors/StudentListDialog.h"
#include "gui/main/CommandContext.h"
#include "gui/main/MainActions.h"
#include "gui/shared/UserDialogs.h"

namespace markwell {

EditingCommands::EditingCommands(const CommandContext& context) : context_(context) {
    const MainActions& actions = context_.actions;
    context_.onTriggered(actions.studentList, this, [this] { editStudentList(); });
    context_.onTriggered(actions.assignmentList, this, [this] { editAssignmentList(); });
    context_.onTriggered(actions.editGrades, this, [this] { editGrades(); });
    context_.onTriggered(actions.curve, this, [this] { curveAssignment(); });
}

void EditingCommands::editStudentList() {
    const Document& document = context_.open.document();
    StudentListDialog dialog(document.classRecord, context_.dialogs, document.markwellFile, context_.window);
    if (dialog.exec() != QDialog::Accepted) return;
    // A renamed student's attendance, every month of it, takes the new name.
    (void)context_.apply(editedClassChange(tr("Edit Students"), dialog.classRecord(), dialog.renames()));
}

void EditingCommands::editAssignmentList() {
    const Document& document = context_.open.document();
    AssignmentListDialog dialog(document.classRecord, context_.dialogs, document.markwellFile, context_.window);
    if (dialog.exec() != QDialog::Accepted) return;
    (void)context_.apply(editedClassChange(tr("Edit Assignments"), dialog.classRecord()));
}

void EditingCommands::editGrades() {
    EditGradesDialog dialog(context_.open.document().classRecord, context_.dialogs, context_.window);
    if (dialog.exec() != QDialog::Accepted) return;
    (void)context_.apply(editedClassChange(tr("Edit Grades"), dialog.classRecord()));
}

void EditingCommands::curveAssignment() {
    const ClassRecord& cls = context_.open.document().classRecord;
    if (cls.assignments.empty()) return;
    const Sheet& table = context_.open.grades().sheet;
    const int col = table.resolve(table.selection()).c1;
    const GradesLayout layout = GradesLayout::of(table);
    const auto assignment = static_cast<std::size_t>(layout.isAssignmentCol(col) ? layout.assignmentIndexOf(col) : 0);
    CurveDialog dialog(cls, assignment, context_.window);
    if (dialog.exec() != QDialog::Accepted) return;
    (void)context_.apply(curveChange(cls, dialog.assignment(), dialog.rule()));
}

}  // namespace markwell
