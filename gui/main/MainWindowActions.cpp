// The main window's menus, tool bar and the rules that enable them.

#include "main/MainWindow.h"

#include "dialogs/UserDialogs.h"

#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>

namespace markwell {

QAction* MainWindow::addAction(const QString& name, const QString& text, const std::function<void()>& run,
                               const QKeySequence& shortcut) {
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    // A value still being typed is part of the class every command works on.
    connect(action, &QAction::triggered, this, [this, run] {
        finishTyping();
        run();
    });
    actions_.insert(name, action);
    runs_.insert(name, run);
    return action;
}

QAction* MainWindow::addToolButton(const QString& name, const QString& hint, ToolIcon icon,
                                   const std::function<void()>& run) {
    QAction* action = addAction(name, hint, run);
    action->setIcon(toolIcon(icon));
    action->setToolTip(hint);
    action->setStatusTip(hint);
    return action;
}

std::function<void()> MainWindow::notAvailableYet(const QString& what) {
    return [this, what] {
        dialogs_.inform(this, QStringLiteral("%1 is not available yet in this version of Markwell.").arg(what));
    };
}

void MainWindow::createActions() {
    // File
    addAction(QStringLiteral("MNU_New"), QStringLiteral("&New"), [this] { MNU_NewClick(); }, QKeySequence::New);
    addAction(QStringLiteral("MNU_Open"), QStringLiteral("&Open..."), [this] { MNU_OpenClick(); }, QKeySequence::Open);
    addAction(QStringLiteral("MNU_Save"), QStringLiteral("&Save"), [this] { MNU_SaveClick(); }, QKeySequence::Save);
    addAction(QStringLiteral("MNU_SaveAs"), QStringLiteral("Save &As..."), [this] { MNU_SaveAsClick(); },
              QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    // Ctrl+P is given to the print item of the page shown (applyCommandStates).
    addAction(QStringLiteral("MNU_PrintNames"), QStringLiteral("w/Student Names"), [this] { MNU_PrintNamesClick(); });
    addAction(QStringLiteral("MNU_PrintID"), QStringLiteral("w/Student ID's"), [this] { MNU_PrintIDClick(); });
    addAction(QStringLiteral("MNU_PrintAttendance"), QStringLiteral("Attendance"), [this] { MNU_PrintAttendanceClick(); });
    addAction(QStringLiteral("MNU_PrintSeating"), QStringLiteral("Seating"), notAvailableYet(QStringLiteral("Printing the seating chart")));
    addAction(QStringLiteral("MNU_PrintPreview"), QStringLiteral("Print Pre&view..."), [this] { MNU_PrintPreviewClick(); });
    addAction(QStringLiteral("MNU_Merge"), QStringLiteral("&Merge..."), notAvailableYet(QStringLiteral("Merging two classes")));
    addAction(QStringLiteral("MNU_Email"), QStringLiteral("E-mail..."), notAvailableYet(QStringLiteral("Sending e-mail")));
    addAction(QStringLiteral("MNU_Exit"), QStringLiteral("E&xit"), [this] { MNU_ExitClick(); }, QKeySequence::Quit);

    // Edit
    addAction(QStringLiteral("MNU_Copy"), QStringLiteral("&Copy"), [this] { MNU_CopyClick(); }, QKeySequence::Copy);
    QAction* gridLines = addAction(QStringLiteral("MNU_GridLines"), QStringLiteral("Grid Lines"), [this] { MNU_GridLinesClick(); });
    gridLines->setCheckable(true);
    addAction(QStringLiteral("MNU_Font"), QStringLiteral("&Font..."), [this] { MNU_FontClick(); });
    addAction(QStringLiteral("MNU_SortAsc"), QStringLiteral("&Ascending"), [this] { MNU_SortAscClick(); });
    addAction(QStringLiteral("MNU_SortDesc"), QStringLiteral("&Descending"), [this] { MNU_SortDescClick(); });
    addAction(QStringLiteral("MNU_AddSeat"), QStringLiteral("Add..."), notAvailableYet(QStringLiteral("Adding seats")));
    addAction(QStringLiteral("MNU_EditSeat"), QStringLiteral("Edit..."), notAvailableYet(QStringLiteral("Changing seats")));
    addAction(QStringLiteral("MNU_DeleteSeat"), QStringLiteral("Delete"), notAvailableYet(QStringLiteral("Deleting seats")));
    addAction(QStringLiteral("MNU_AttendAnalysis"), QStringLiteral("Attendance Analysis..."),
              notAvailableYet(QStringLiteral("The attendance analysis")));
    addAction(QStringLiteral("MNU_Options"), QStringLiteral("&Options..."), notAvailableYet(QStringLiteral("The options")));

    // View, Lists, Grades
    addAction(QStringLiteral("MNU_IndivStudents"), QStringLiteral("&Individual Students"),
              notAvailableYet(QStringLiteral("The individual student report")));
    addAction(QStringLiteral("MNU_GradeInformation"), QStringLiteral("&Grade Information"),
              notAvailableYet(QStringLiteral("The grade information")));
    addAction(QStringLiteral("MNU_Graph"), QStringLiteral("G&raph"), notAvailableYet(QStringLiteral("The graph")));
    addAction(QStringLiteral("MNU_StudentList"), QStringLiteral("&Students..."), notAvailableYet(QStringLiteral("The student list")));
    addAction(QStringLiteral("MNU_AssignmentList"), QStringLiteral("&Assignments..."),
              notAvailableYet(QStringLiteral("The assignment list")));
    addAction(QStringLiteral("MNU_EditGrades"), QStringLiteral("&Edit..."), notAvailableYet(QStringLiteral("Grade entry")));
    addAction(QStringLiteral("MNU_GradeScale"), QStringLiteral("&Scale..."), notAvailableYet(QStringLiteral("The grade scale")));
    addAction(QStringLiteral("MNU_WeightedGrades"), QStringLiteral("&Weighted..."), notAvailableYet(QStringLiteral("Weighted grades")));
    addAction(QStringLiteral("MNU_DropLowestGrade"), QStringLiteral("&Drop Lowest..."),
              notAvailableYet(QStringLiteral("Dropping lowest scores")));

    // Help
    addAction(QStringLiteral("MNU_About"), QStringLiteral("&About"), [this] { MNU_AboutClick(); });
    addAction(QStringLiteral("MNU_MarkwellHelp"), QStringLiteral("Markwell Help"), [this] { MNU_MarkwellHelpClick(); },
              QKeySequence::HelpContents);
    // F1 opens the page of whatever window it is pressed in; the menu shows the key.
    actions_.value(QStringLiteral("MNU_MarkwellHelp"))->setShortcutContext(Qt::WidgetShortcut);
}

void MainWindow::createMenus() {
    const auto menu = [this](const char* name, const QString& title) {
        QMenu* m = menuBar()->addMenu(title);
        m->setObjectName(QLatin1String(name));
        menus_.insert(QLatin1String(name), m);
        // Every menu shows the current rules when it opens.
        connect(m, &QMenu::aboutToShow, this, &MainWindow::applyCommandStates);
        return m;
    };
    const auto a = [this](const char* name) { return actions_.value(QLatin1String(name)); };

    QMenu* file = menu("MNU_File", QStringLiteral("&File"));
    file->addActions({a("MNU_New"), a("MNU_Open"), a("MNU_Save"), a("MNU_SaveAs")});
    file->addSeparator();
    QMenu* print = file->addMenu(QStringLiteral("&Print..."));
    print->setObjectName(QStringLiteral("MNU_Print"));
    menus_.insert(QStringLiteral("MNU_Print"), print);
    connect(print, &QMenu::aboutToShow, this, &MainWindow::applyCommandStates);
    print->addActions({a("MNU_PrintNames"), a("MNU_PrintID"), a("MNU_PrintAttendance"), a("MNU_PrintSeating")});
    file->addAction(a("MNU_PrintPreview"));
    file->addSeparator();
    file->addActions({a("MNU_Merge"), a("MNU_Email")});
    file->addSeparator();
    file->addAction(a("MNU_Exit"));

    QMenu* edit = menu("MNU_Edit", QStringLiteral("&Edit"));
    edit->addActions({a("MNU_Copy"), a("MNU_GridLines"), a("MNU_Font")});
    QMenu* sort = edit->addMenu(QStringLiteral("&Sort"));
    sort->setObjectName(QStringLiteral("MNU_Sort"));
    menus_.insert(QStringLiteral("MNU_Sort"), sort);
    sort->addActions({a("MNU_SortAsc"), a("MNU_SortDesc")});
    QAction* n7 = edit->addSeparator();
    n7->setObjectName(QStringLiteral("N7"));
    actions_.insert(QStringLiteral("N7"), n7);
    QMenu* seating = edit->addMenu(QStringLiteral("&Seating Chart"));
    seating->setObjectName(QStringLiteral("MNU_SeatingChart"));
    menus_.insert(QStringLiteral("MNU_SeatingChart"), seating);
    seating->addActions({a("MNU_AddSeat"), a("MNU_EditSeat"), a("MNU_DeleteSeat")});
    edit->addAction(a("MNU_AttendAnalysis"));
    edit->addSeparator();
    edit->addAction(a("MNU_Options"));

    QMenu* view = menu("MNU_View", QStringLiteral("&View"));
    view->addActions({a("MNU_IndivStudents"), a("MNU_GradeInformation"), a("MNU_Graph")});
    QMenu* lists = menu("MNU_Lists", QStringLiteral("&Lists"));
    lists->addActions({a("MNU_StudentList"), a("MNU_AssignmentList")});
    QMenu* grades = menu("MNU_Grades", QStringLiteral("&Grades"));
    grades->addActions({a("MNU_EditGrades"), a("MNU_GradeScale"), a("MNU_WeightedGrades"), a("MNU_DropLowestGrade")});
    QMenu* help = menu("MNU_Help", QStringLiteral("&Help"));
    help->addActions({a("MNU_About"), a("MNU_MarkwellHelp")});
}

void MainWindow::createToolBar() {
    toolBar_ = addToolBar(QStringLiteral("Tools"));
    toolBar_->setObjectName(QStringLiteral("ControlBar1"));
    toolBar_->setMovable(false);
    toolBar_->setIconSize(QSize(24, 24));
    struct Button {
        const char* name;
        const char* hint;
        ToolIcon icon;
        std::function<void()> run;
    };
    // The groups of buttons; each but the first is shown on its pages only.
    const auto group = [this](std::vector<QAction*>* members, std::initializer_list<Button> buttons) {
        if (members) members->push_back(toolBar_->addSeparator());
        for (const Button& b : buttons) {
            QAction* action = addToolButton(QLatin1String(b.name), QLatin1String(b.hint), b.icon, b.run);
            toolBar_->addAction(action);
            if (members) members->push_back(action);
        }
    };
    // A button runs its menu item's command, whatever the menu item's own state.
    const auto trigger = [this](const char* name) { return runs_.value(QLatin1String(name)); };
    group(nullptr, {
        {"TLB_New", "New", ToolIcon::New, [this] { MNU_NewClick(); }},
        {"TLB_Open", "Open", ToolIcon::Open, [this] { MNU_OpenClick(); }},
        {"TLB_Save", "Save", ToolIcon::Save, [this] { MNU_SaveClick(); }},
        {"TLB_Print", "Print", ToolIcon::Print, [this] { MNU_PrintNamesClick(); }},
        {"TLB_Merge", "Merge", ToolIcon::Merge, trigger("MNU_Merge")},
        {"TLB_Mail", "Send e-mail", ToolIcon::Mail, trigger("MNU_Email")},
        {"TLB_AttendAnalysis", "Attendance Analysis", ToolIcon::AttendanceAnalysis, trigger("MNU_AttendAnalysis")},
    });
    group(&listsGroup_, {
        {"TLB_StudentList", "Student List", ToolIcon::StudentList, trigger("MNU_StudentList")},
        {"TLB_AssignmentList", "Assignment List", ToolIcon::AssignmentList, trigger("MNU_AssignmentList")},
        {"TLB_EditGrades", "Edit Grades", ToolIcon::EditGrades, trigger("MNU_EditGrades")},
        {"TLB_GradeScale", "Grade Scale", ToolIcon::GradeScale, trigger("MNU_GradeScale")},
    });
    group(&tableGroup_, {
        {"TLB_Copy", "Copy", ToolIcon::Copy, [this] { MNU_CopyClick(); }},
        {"TLB_GridLines", "Toggle Grid Lines", ToolIcon::GridLines, [this] { MNU_GridLinesClick(); }},
        {"TLB_Font", "Font", ToolIcon::Font, [this] { MNU_FontClick(); }},
        {"TLB_SortAsc", "Sort Ascending", ToolIcon::SortAscending, [this] { MNU_SortAscClick(); }},
        {"TLB_SortDesc", "Sort Descending", ToolIcon::SortDescending, [this] { MNU_SortDescClick(); }},
        {"TLB_Graph", "Graph", ToolIcon::Graph, trigger("MNU_Graph")},
    });
    group(&seatsGroup_, {
        {"TLB_AddSeat", "Add Seat", ToolIcon::AddSeat, trigger("MNU_AddSeat")},
        {"TLD_EditSeat", "Edit Seat", ToolIcon::EditSeat, trigger("MNU_EditSeat")},
        {"TLB_DeleteSeat", "Delete Seat", ToolIcon::DeleteSeat, trigger("MNU_DeleteSeat")},
    });
}

void MainWindow::applyCommandStates() {
    const ClassRecord& cls = document_.classRecord;
    const CommandStates s = commandStates({page_, static_cast<int>(cls.students.size()),
                                           static_cast<int>(cls.assignments.size()), document_.isTitled()});
    const auto enable = [this](const char* name, bool on) {
        if (QAction* action = actions_.value(QLatin1String(name))) action->setEnabled(on);
    };
    const auto show = [this](const char* name, bool on) {
        if (QAction* action = actions_.value(QLatin1String(name))) action->setVisible(on);
    };
    for (QAction* action : listsGroup_) action->setVisible(s.listsGroupVisible);
    for (QAction* action : tableGroup_) action->setVisible(s.tableGroupVisible);
    for (QAction* action : seatsGroup_) action->setVisible(s.seatsGroupVisible);

    enable("TLB_AssignmentList", s.assignmentList);
    enable("TLB_Font", s.font);
    enable("TLB_SortAsc", s.sort);
    enable("TLB_SortDesc", s.sort);
    enable("TLB_GradeScale", s.gradeScale);
    enable("TLB_Graph", s.graph);
    enable("TLB_Mail", s.mail);
    enable("TLB_EditGrades", s.editGrades);
    enable("TLB_Merge", s.merge);
    enable("TLB_AttendAnalysis", s.attendanceAnalysis);

    enable("MNU_Merge", s.merge);
    enable("MNU_Email", s.mail);
    enable("MNU_Copy", s.copy);
    enable("MNU_PrintPreview", s.printPreview);
    enable("MNU_GridLines", s.menuGridLines);
    enable("MNU_Font", s.menuFont);
    enable("MNU_SortAsc", s.menuSort);
    enable("MNU_SortDesc", s.menuSort);
    menus_.value(QStringLiteral("MNU_Sort"))->setEnabled(s.menuSort);
    show("N7", s.seatingChartVisible);
    menus_.value(QStringLiteral("MNU_SeatingChart"))->menuAction()->setVisible(s.seatingChartVisible);
    show("MNU_AttendAnalysis", s.attendanceAnalysisVisible);
    enable("MNU_IndivStudents", s.individualStudents);
    enable("MNU_GradeInformation", s.gradeInformation);
    enable("MNU_Graph", s.graph);
    enable("MNU_AssignmentList", s.assignmentList);
    enable("MNU_EditGrades", s.editGrades);
    enable("MNU_GradeScale", s.gradeScale);
    enable("MNU_WeightedGrades", s.gradeScale);
    enable("MNU_DropLowestGrade", s.gradeScale);
    menus_.value(QStringLiteral("MNU_Grades"))->menuAction()->setEnabled(s.gradesMenu);
    menus_.value(QStringLiteral("MNU_Lists"))->menuAction()->setEnabled(s.listsMenu);
    menus_.value(QStringLiteral("MNU_View"))->menuAction()->setEnabled(s.viewMenu);
    show("MNU_PrintNames", s.printNamesVisible);
    show("MNU_PrintID", s.printIdsVisible);
    show("MNU_PrintAttendance", s.printAttendanceVisible);
    // A hidden item's shortcut does nothing: Ctrl+P goes with the item that
    // prints the page shown, so that it works on every page.
    const auto printKey = [this](const char* name, bool on) {
        actions_.value(QLatin1String(name))->setShortcut(on ? QKeySequence(QKeySequence::Print) : QKeySequence());
    };
    printKey("MNU_PrintNames", page_ == Page::Grades);
    printKey("MNU_PrintAttendance", page_ == Page::Attendance);
    printKey("MNU_PrintSeating", page_ == Page::Seating);
    actions_.value(QStringLiteral("MNU_GridLines"))->setChecked(document_.classRecord.gridProps.grid_lines);

    pages_->setTabEnabled(static_cast<int>(Page::Attendance), s.otherPagesOpen || page_ == Page::Attendance);
    pages_->setTabEnabled(static_cast<int>(Page::Seating), s.otherPagesOpen || page_ == Page::Seating);
    const QString closed = s.otherPagesOpen ? QString() : QStringLiteral("Save the class and add students to open this page.");
    pages_->tabBar()->setTabToolTip(static_cast<int>(Page::Attendance), closed);
    pages_->tabBar()->setTabToolTip(static_cast<int>(Page::Seating), closed);
}

}  // namespace markwell
