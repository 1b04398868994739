// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/main/MainActions.h"

#include "gui/shared/Icons.h"
#include "gui/shared/PageKeys.h"
#include "gui/shared/TableActions.h"

#include <QAction>

namespace markwell {
namespace {

QAction* make(QObject* owner, const QString& text, const QKeySequence& key = {}) {
    auto* action = new QAction(text, owner);
    if (!key.isEmpty()) action->setShortcut(key);
    return action;
}

}  // namespace

MainActions MainActions::create(QObject* owner) {
    MainActions a;
    a.newClass = makeToolAction(owner, tr("&New"), ToolIcon::New, tr("New"), QKeySequence::New);
    a.newClassFrom = make(owner, tr("New &from Class..."));
    a.openClass = makeToolAction(owner, tr("&Open..."), ToolIcon::Open, tr("Open"), QKeySequence::Open);
    a.saveClass = makeToolAction(owner, tr("&Save"), ToolIcon::Save, tr("Save"), QKeySequence::Save);
    a.saveClassAs = make(owner, tr("Save &As..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    a.earlierVersions = make(owner, tr("Ear&lier Versions..."));
    a.gradeHistory = make(owner, tr("&History..."));
    a.importScores = make(owner, tr("&Import Scores..."));
    a.exportForCanvas = make(owner, tr("For &Canvas..."));
    a.printPage = makeToolAction(owner, tr("&Print"), ToolIcon::Print, tr("Print"), QKeySequence::Print);
    a.printWithNames = make(owner, tr("w/Student &Names"));
    a.printWithIds = make(owner, tr("w/Student &ID's"));
    a.printAttendance = make(owner, tr("&Attendance"));
    a.printSeating = make(owner, tr("&Seating"));
    a.printPreview = make(owner, tr("Print Pre&view..."));
    a.classReports = make(owner, tr("&Class Reports..."));
    a.merge = makeToolAction(owner, tr("&Merge..."), ToolIcon::Merge, tr("Merge"));
    a.sendMail = makeToolAction(owner, tr("&E-mail..."), ToolIcon::Mail, tr("Send e-mail"));
    a.exit = make(owner, tr("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_Q));
    a.exit->setMenuRole(QAction::QuitRole);

    a.undo = makeToolAction(owner, tr("&Undo"), ToolIcon::Undo, tr("Undo"), QKeySequence::Undo);
    a.redo = makeToolAction(owner, tr("&Redo"), ToolIcon::Redo, tr("Redo"), QKeySequence::Redo);
    // Copy, Grid Lines, Font and the sorts.
    static_cast<TableActions&>(a) = TableActions::create(owner);
    a.addSeat = makeToolAction(owner, tr("&Add..."), ToolIcon::AddSeat, tr("Add Seat"));
    a.editSeat = makeToolAction(owner, tr("&Edit..."), ToolIcon::EditSeat, tr("Edit Seat"));
    a.deleteSeat = makeToolAction(owner, tr("&Delete"), ToolIcon::DeleteSeat, tr("Delete Seat"));
    a.attendanceAnalysis =
        makeToolAction(owner, tr("Attendance A&nalysis..."), ToolIcon::AttendanceAnalysis, tr("Attendance Analysis"));
    a.options = make(owner, tr("&Options..."));
    a.options->setMenuRole(QAction::PreferencesRole);

    a.individualReport = make(owner, tr("&Individual Students"));
    a.gradeInformation = make(owner, tr("&Grade Information"));
    a.graph = makeToolAction(owner, tr("G&raph"), ToolIcon::Graph, tr("Graph"));
    a.myClasses = make(owner, tr("&My Classes..."));

    a.studentList = makeToolAction(owner, tr("&Students..."), ToolIcon::StudentList, tr("Student List"));
    a.assignmentList = makeToolAction(owner, tr("&Assignments..."), ToolIcon::AssignmentList, tr("Assignment List"));

    a.editGrades = makeToolAction(owner, tr("&Edit..."), ToolIcon::EditGrades, tr("Edit Grades"));
    a.gradeScale = makeToolAction(owner, tr("&Scale..."), ToolIcon::GradeScale, tr("Grade Scale"));
    a.weightedGrades = make(owner, tr("&Weighted..."));
    a.dropLowest = make(owner, tr("&Drop Lowest..."));
    a.curve = make(owner, tr("&Curve..."));

    a.help = make(owner, tr("Markwell &Help"), QKeySequence::HelpContents);
    a.about = make(owner, tr("&About"));
    a.about->setMenuRole(QAction::AboutRole);

    a.nextPage = make(owner, tr("Next Page"));
    a.nextPage->setShortcuts(nextPageKeys());
    a.previousPage = make(owner, tr("Previous Page"));
    a.previousPage->setShortcuts(previousPageKeys());
    return a;
}

}  // namespace markwell
