#include "main/MainActions.h"

#include "icons/Icons.h"

#include <QAction>

namespace markwell {
namespace {

QAction* make(QObject* owner, const QString& text, const QKeySequence& key = {}) {
    auto* action = new QAction(text, owner);
    if (!key.isEmpty()) action->setShortcut(key);
    return action;
}

// A command with a tool button: its picture and the hint the button shows.
QAction* makeTool(QObject* owner, const QString& text, ToolIcon icon, const QString& hint, const QKeySequence& key = {}) {
    QAction* action = make(owner, text, key);
    action->setIcon(toolIcon(icon));
    action->setToolTip(key.isEmpty() ? hint
                                     : QStringLiteral("%1 (%2)").arg(hint, key.toString(QKeySequence::NativeText)));
    action->setStatusTip(hint);
    return action;
}

}  // namespace

MainActions MainActions::create(QObject* owner) {
    MainActions a;
    a.newClass = makeTool(owner, tr("&New"), ToolIcon::New, tr("New"), QKeySequence::New);
    a.openClass = makeTool(owner, tr("&Open..."), ToolIcon::Open, tr("Open"), QKeySequence::Open);
    a.saveClass = makeTool(owner, tr("&Save"), ToolIcon::Save, tr("Save"), QKeySequence::Save);
    a.saveClassAs = make(owner, tr("Save &As..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    a.printPage = makeTool(owner, tr("&Print"), ToolIcon::Print, tr("Print"), QKeySequence::Print);
    a.printWithNames = make(owner, tr("w/Student &Names"));
    a.printWithIds = make(owner, tr("w/Student &ID's"));
    a.printAttendance = make(owner, tr("&Attendance"));
    a.printSeating = make(owner, tr("&Seating"));
    a.printPreview = make(owner, tr("Print Pre&view..."));
    a.merge = makeTool(owner, tr("&Merge..."), ToolIcon::Merge, tr("Merge"));
    a.sendMail = makeTool(owner, tr("&E-mail..."), ToolIcon::Mail, tr("Send e-mail"));
    a.exit = make(owner, tr("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_Q));
    a.exit->setMenuRole(QAction::QuitRole);

    a.copy = makeTool(owner, tr("&Copy"), ToolIcon::Copy, tr("Copy"), QKeySequence::Copy);
    a.gridLines = makeTool(owner, tr("&Grid Lines"), ToolIcon::GridLines, tr("Toggle Grid Lines"));
    a.gridLines->setCheckable(true);
    a.font = makeTool(owner, tr("&Font..."), ToolIcon::Font, tr("Font"));
    a.sortAscending = makeTool(owner, tr("&Ascending"), ToolIcon::SortAscending, tr("Sort Ascending"));
    a.sortDescending = makeTool(owner, tr("&Descending"), ToolIcon::SortDescending, tr("Sort Descending"));
    a.addSeat = makeTool(owner, tr("&Add..."), ToolIcon::AddSeat, tr("Add Seat"));
    a.editSeat = makeTool(owner, tr("&Edit..."), ToolIcon::EditSeat, tr("Edit Seat"));
    a.deleteSeat = makeTool(owner, tr("&Delete"), ToolIcon::DeleteSeat, tr("Delete Seat"));
    a.attendanceAnalysis =
        makeTool(owner, tr("Attendance A&nalysis..."), ToolIcon::AttendanceAnalysis, tr("Attendance Analysis"));
    a.options = make(owner, tr("&Options..."));
    a.options->setMenuRole(QAction::PreferencesRole);

    a.individualReport = make(owner, tr("&Individual Students"));
    a.gradeInformation = make(owner, tr("&Grade Information"));
    a.graph = makeTool(owner, tr("G&raph"), ToolIcon::Graph, tr("Graph"));

    a.studentList = makeTool(owner, tr("&Students..."), ToolIcon::StudentList, tr("Student List"));
    a.assignmentList = makeTool(owner, tr("&Assignments..."), ToolIcon::AssignmentList, tr("Assignment List"));

    a.editGrades = makeTool(owner, tr("&Edit..."), ToolIcon::EditGrades, tr("Edit Grades"));
    a.gradeScale = makeTool(owner, tr("&Scale..."), ToolIcon::GradeScale, tr("Grade Scale"));
    a.weightedGrades = make(owner, tr("&Weighted..."));
    a.dropLowest = make(owner, tr("&Drop Lowest..."));

    a.help = make(owner, tr("Markwell &Help"), QKeySequence::HelpContents);
    a.about = make(owner, tr("&About"));
    a.about->setMenuRole(QAction::AboutRole);

    a.nextPage = make(owner, tr("Next Page"));
    a.nextPage->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)});
    a.previousPage = make(owner, tr("Previous Page"));
    a.previousPage->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), QKeySequence(Qt::CTRL | Qt::Key_PageUp)});
    return a;
}

QList<QAction*> MainActions::all() const {
    return {newClass,      openClass,       saveClass,      saveClassAs,      printPage,    printWithNames,
            printWithIds,  printAttendance, printSeating,   printPreview,     merge,        sendMail,
            exit,          copy,            gridLines,      font,             sortAscending, sortDescending,
            addSeat,       editSeat,        deleteSeat,     attendanceAnalysis, options,    individualReport,
            gradeInformation, graph,        studentList,    assignmentList,   editGrades,   gradeScale,
            weightedGrades, dropLowest,     help,           about,            nextPage,     previousPage};
}

}  // namespace markwell
