// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The main window's menus, tool bars and the rules that enable them.

#include "gui/main/MainWindow.h"

#include "gui/document/ClassHistory.h"
#include "gui/main/AttendanceCommands.h"
#include "gui/main/EditingCommands.h"
#include "gui/main/GradingRulesCommands.h"
#include "gui/main/ReportCommands.h"
#include "gui/main/ScoreCommands.h"
#include "gui/main/SeatingCommands.h"
#include "gui/main/TableCommands.h"
#include "gui/pages/GradesPage.h"
#include "gui/shared/UserDialogs.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>

namespace markwell {

void MainWindow::connectActions() {
    const MainActions& a = actions_;
    const auto run = [this](QAction* action, void (MainWindow::*command)()) {
        context_->onTriggered(action, this, [this, command] { (this->*command)(); });
    };
    run(a.newClass, &MainWindow::newClass);
    run(a.newClassFrom, &MainWindow::newClassFrom);
    run(a.openClass, &MainWindow::openClass);
    run(a.saveClass, &MainWindow::saveClass);
    run(a.saveClassAs, &MainWindow::saveClassAs);
    run(a.earlierVersions, &MainWindow::showEarlierVersions);
    run(a.gradeHistory, &MainWindow::showGradeHistory);
    run(a.printPage, &MainWindow::printPage);
    run(a.printAttendance, &MainWindow::printAttendance);
    run(a.printPreview, &MainWindow::previewPrint);
    connect(a.exit, &QAction::triggered, this, &QWidget::close);
    context_->onTriggered(a.undo, this, [this] { history().undo(); });
    context_->onTriggered(a.redo, this, [this] { history().redo(); });
    run(a.help, &MainWindow::showHelp);
    run(a.about, &MainWindow::showAbout);
    run(a.nextPage, &MainWindow::showNextPage);
    run(a.previousPage, &MainWindow::showPreviousPage);
    addActions({a.nextPage, a.previousPage});
    // F1 opens the page of whatever window it is pressed in; the menu shows the key.
    a.help->setShortcutContext(Qt::WidgetShortcut);
}

void MainWindow::createCommands() {
    commands_ = std::make_unique<DocumentCommands>(*context_);
    context_->documents = commands_.get();
    table_ = std::make_unique<TableCommands>(*context_);
    editing_ = std::make_unique<EditingCommands>(*context_);
    rules_ = std::make_unique<GradingRulesCommands>(*context_);
    reports_ = std::make_unique<ReportCommands>(*context_);
    seatingCommands_ = std::make_unique<SeatingCommands>(*context_);
    attendanceCommands_ = std::make_unique<AttendanceCommands>(*context_);
    scoreCommands_ = std::make_unique<ScoreCommands>(*context_);
}

void MainWindow::followHistory() {
    history().bindActions(actions_.undo, actions_.redo);
    connect(open_.get(), &OpenClass::changed, this, &MainWindow::showChange);
    connect(&history(), &ClassHistory::modifiedChanged, this, &QWidget::setWindowModified);
}

void MainWindow::createMenus() {
    const MainActions& a = actions_;
    const auto menu = [this](QMenu* parent, const QString& title, const char* name) {
        QMenu* m = parent ? parent->addMenu(title) : menuBar()->addMenu(title);
        m->setObjectName(QLatin1String(name));
        // Every menu shows the current rules when it opens.
        connect(m, &QMenu::aboutToShow, this, &MainWindow::applyCommandStates);
        return m;
    };

    QMenu* file = menu(nullptr, tr("&File"), "fileMenu");
    file->addActions({a.newClass, a.newClassFrom, a.openClass});
    addRecentFilesMenu(file);
    file->addActions({a.saveClass, a.saveClassAs, a.earlierVersions, a.gradeHistory});
    file->addSeparator();
    file->addAction(a.importScores);
    menu(file, tr("Expor&t"), "exportMenu")->addAction(a.exportForCanvas);
    file->addSeparator();
    QMenu* print = menu(file, tr("&Print..."), "printMenu");
    print->addActions({a.printWithNames, a.printWithIds, a.printAttendance, a.printSeating});
    file->addAction(a.printPreview);
    file->addSeparator();
    file->addActions({a.classReports, a.merge, a.sendMail});
    file->addSeparator();
    file->addAction(a.exit);

    QMenu* edit = menu(nullptr, tr("&Edit"), "editMenu");
    edit->addActions({a.undo, a.redo});
    edit->addSeparator();
    edit->addActions({a.copy, a.gridLines, a.font});
    sortMenu_ = menu(edit, tr("&Sort"), "sortMenu");
    sortMenu_->addActions({a.sortAscending, a.sortDescending});
    edit->addSeparator();
    seatingChartMenu_ = menu(edit, tr("Seating C&hart"), "seatingChartMenu");
    seatingChartMenu_->addActions({a.addSeat, a.editSeat, a.deleteSeat});
    edit->addAction(a.attendanceAnalysis);
    edit->addSeparator();
    edit->addAction(a.options);

    viewMenu_ = menu(nullptr, tr("&View"), "viewMenu");
    viewMenu_->addActions({a.individualReport, a.gradeInformation, a.graph});
    viewMenu_->addSeparator();
    viewMenu_->addAction(a.myClasses);
    listsMenu_ = menu(nullptr, tr("&Lists"), "listsMenu");
    listsMenu_->addActions({a.studentList, a.assignmentList});
    gradesMenu_ = menu(nullptr, tr("&Grades"), "gradesMenu");
    gradesMenu_->addActions({a.editGrades, a.gradeScale, a.weightedGrades, a.dropLowest});
    gradesMenu_->addSeparator();
    gradesMenu_->addAction(a.curve);
    QMenu* help = menu(nullptr, tr("&Help"), "helpMenu");
    help->addActions({a.about, a.help});
}

QToolBar* MainWindow::addToolGroup(const QString& title, const QString& name, const QList<QAction*>& actions) {
    QToolBar* tools = addToolBar(title);
    tools->setObjectName(name);
    tools->setMovable(false);
    tools->setFloatable(false);
    tools->setIconSize(QSize(24, 24));
    tools->addActions(actions);
    return tools;
}

void MainWindow::createToolBars() {
    const MainActions& a = actions_;
    // Four groups; each but the first is shown on its pages only.
    addToolGroup(
        tr("File"), QStringLiteral("fileTools"),
        {a.newClass, a.openClass, a.saveClass, a.undo, a.redo, a.printPage, a.merge, a.sendMail, a.attendanceAnalysis});
    listsTools_ = addToolGroup(tr("Lists"), QStringLiteral("listsTools"),
                               {a.studentList, a.assignmentList, a.editGrades, a.gradeScale});
    tableTools_ = addToolGroup(tr("Table"), QStringLiteral("tableTools"),
                               {a.copy, a.gridLines, a.font, a.sortAscending, a.sortDescending, a.graph});
    seatTools_ = addToolGroup(tr("Seats"), QStringLiteral("seatTools"), {a.addSeat, a.editSeat, a.deleteSeat});
}

QMenu* MainWindow::createPopupMenu() {
    // The tool bars follow the page; they are not the user's to hide.
    return nullptr;
}

void MainWindow::createGradesContextMenu() {
    SheetView* view = gradesPage_->view();
    auto* popup = new QMenu(this);
    popup->setObjectName(QStringLiteral("gradesContextMenu"));
    popup->addAction(actions_.copy);
    popup->addSeparator();
    popup->addActions({actions_.sortAscending, actions_.sortDescending});
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view, &QWidget::customContextMenuRequested, this, [this, view, popup](const QPoint& pos) {
        const QModelIndex index = view->indexAt(pos);
        const Sheet* sheet = view->sheet();
        if (!index.isValid() || !sheet) return;
        // The commands work on the selection: a click outside it selects the cell first.
        if (!sheet->resolve(sheet->selection()).contains(index.row() + 1, index.column() + 1)) {
            view->selectRange(CellRange::cell(index.row() + 1, index.column() + 1));
        }
        applyCommandStates();
        popup->popup(view->viewport()->mapToGlobal(pos));
    });
}

void MainWindow::applyCommandStates() {
    const ClassRecord& cls = document().classRecord;
    const CommandStates s = commandStatesOn(page_);
    const MainActions& a = actions_;
    listsTools_->setVisible(s.listsToolsVisible);
    tableTools_->setVisible(s.tableToolsVisible);
    seatTools_->setVisible(s.seatToolsVisible);

    gradesMenu_->menuAction()->setEnabled(s.gradesMenu);
    listsMenu_->menuAction()->setEnabled(s.listsMenu);
    viewMenu_->menuAction()->setEnabled(s.viewMenu);
    sortMenu_->menuAction()->setEnabled(s.sort);
    seatingChartMenu_->menuAction()->setVisible(s.seatingChartMenuVisible);
    a.printWithNames->setVisible(s.printWithNamesVisible);
    a.printWithIds->setVisible(s.printWithIdsVisible);
    a.printAttendance->setVisible(s.printAttendanceVisible);
    a.printSeating->setEnabled(s.printSeating);

    a.assignmentList->setEnabled(s.assignmentList);
    a.editGrades->setEnabled(s.editGrades);
    a.curve->setEnabled(s.curve);
    a.gradeScale->setEnabled(s.gradeScale);
    a.weightedGrades->setEnabled(s.gradeScale);
    a.dropLowest->setEnabled(s.gradeScale);
    a.gridLines->setEnabled(s.gridLines);
    a.font->setEnabled(s.font);
    a.sortAscending->setEnabled(s.sort);
    a.sortDescending->setEnabled(s.sort);
    a.copy->setEnabled(s.copy);
    a.graph->setEnabled(s.graph);
    a.sendMail->setEnabled(s.mail);
    a.merge->setEnabled(s.merge);
    a.classReports->setEnabled(s.classReports);
    a.attendanceAnalysis->setEnabled(s.attendanceAnalysis);
    a.individualReport->setEnabled(s.individualReport);
    a.gradeInformation->setEnabled(s.gradeInformation);
    a.earlierVersions->setEnabled(s.earlierVersions);
    a.gradeHistory->setEnabled(s.gradeHistory);
    a.gridLines->setChecked(cls.gridProps.grid_lines);
    seatingCommands_->applySeatStates();

    pages_->setTabEnabled(static_cast<int>(Page::Attendance), s.otherPagesOpen || page_ == Page::Attendance);
    pages_->setTabEnabled(static_cast<int>(Page::Seating), s.otherPagesOpen || page_ == Page::Seating);
    const QString closed = s.otherPagesOpen ? QString() : tr("Save the class and add students to open this page.");
    pages_->tabBar()->setTabToolTip(static_cast<int>(Page::Attendance), closed);
    pages_->tabBar()->setTabToolTip(static_cast<int>(Page::Seating), closed);
}

}  // namespace markwell
