// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The Grades page in the main window: what is enabled when, typed points,
// sorting, font and grid lines. File > Class Reports... over the small class:
// the choices remembered from one opening to the next, the preview of the
// first report and its note's misspelt placeholder, the students selected on
// the Grades page, printing through the print dialog, and a Cancel half-way
// that leaves no file.

#include "core/data/PointEntry.h"
#include "core/files/GradeFile.h"
#include "core/grading/GradesLayout.h"
#include "gui/pages/GradesPage.h"
#include "gui/reports/ClassReportsWindow.h"
#include "tests/gui/support/ClassFixtures.h"
#include "tests/gui/support/GuiTestMain.h"
#include "tests/gui/support/ShownText.h"
#include "tests/support/PdfText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>

#include <algorithm>

using namespace markwell;
using namespace markwell::testing;
using Kind = ScriptedDialogs::Kind;

namespace {

// Whether the command's tool button is shown: its group of buttons is.
bool onToolBar(const MainWindow& w, const QAction* action) {
    for (const QToolBar* bar : w.findChildren<QToolBar*>()) {
        if (bar->actions().contains(action) && bar->isVisibleTo(&w)) return true;
    }
    return false;
}

bool menuEnabled(const MainWindow& w, const char* name) {
    return w.menuBar()->findChild<QMenu*>(QLatin1String(name))->menuAction()->isEnabled();
}

bool allEnabled(std::initializer_list<const QAction*> actions, bool on) {
    return std::all_of(actions.begin(), actions.end(), [on](const QAction* a) { return a->isEnabled() == on; });
}

std::string pointsOf(const ClassRecord& cls, int assignment, const char* name) {
    for (const std::string& entry : cls.assignments[static_cast<std::size_t>(assignment)].namegrade) {
        const PointEntry e = splitPointEntry(entry);
        if (e.name == name) return std::string(e.points);
    }
    return "?";
}

ClassReportsWindow* openReports(WindowHarness& h) {
    return openedBy<ClassReportsWindow>(*h.window, h.window->actions().classReports);
}

template <class T>
T* child(ClassReportsWindow* window, const char* name) {
    return window->findChild<T*>(QLatin1String(name));
}

void closeAndWait(ClassReportsWindow* window) {
    QPointer<ClassReportsWindow> guard(window);
    window->reject();
    QTRY_VERIFY_WITH_TIMEOUT(guard.isNull(), kWaitLimitMs);
}

}  // namespace

class GradesPageTest : public QObject {
    Q_OBJECT
private slots:
    void buttonsAndMenusFollowTheClass() {
        WindowHarness h;
        MainWindow& w = *h.window;
        const MainActions& a = w.actions();
        // A new class: only the student list and the document commands.
        QVERIFY(a.studentList->isEnabled() && a.newClass->isEnabled() && a.saveClass->isEnabled());
        QVERIFY(
            allEnabled({a.assignmentList, a.font, a.sortAscending, a.sortDescending, a.gradeScale, a.graph, a.sendMail,
                        a.editGrades, a.individualReport, a.gradeInformation, a.weightedGrades, a.dropLowest},
                       false));
        QVERIFY(!menuEnabled(w, "sortMenu"));
        QCOMPARE(w.gradesTable().sheet.maxRow(), 1);  // no navy heading row without students
        // Without students the table shows the class's own headings, not the grid's letters and row numbers.
        const QAbstractItemModel* model = w.gradesPage()->view()->model();
        const auto headings = [&] {
            QStringList texts;
            for (int col = 0; col < model->columnCount(); ++col)
                texts << model->headerData(col, Qt::Horizontal).toString();
            return texts;
        };
        QCOMPARE(headings(), QStringList{QStringLiteral("Names")});
        QVERIFY(w.gradesPage()->view()->verticalHeader()->isHidden());
        ClassRecord noStudents = smallClass();
        noStudents.students.clear();
        changeClassTo(w, noStudents);
        QCOMPARE(headings(),
                 (QStringList{QStringLiteral("Names"), QStringLiteral("Quiz 1"), QStringLiteral("Test 1"),
                              QStringLiteral("Total"), QStringLiteral("Average"), QStringLiteral("Grade")}));
        QVERIFY(w.gradesPage()->view()->verticalHeader()->isHidden());

        // Students without assignments: all but Edit Grades and the two reports.
        ClassRecord noWork = smallClass();
        noWork.assignments.clear();
        changeClassTo(w, noWork);
        QVERIFY(allEnabled({a.assignmentList, a.font, a.sortAscending, a.gradeScale, a.graph, a.sendMail,
                            a.weightedGrades, a.dropLowest},
                           true));
        QVERIFY(allEnabled({a.editGrades, a.individualReport, a.gradeInformation}, false));

        changeClassTo(w, smallClass());
        QVERIFY(allEnabled({a.editGrades, a.individualReport, a.gradeInformation}, true));
    }

    void buttonsAndMenusFollowThePage() {
        WindowHarness h(smallClass());
        MainWindow& w = *h.window;
        const MainActions& a = w.actions();
        QVERIFY(onToolBar(w, a.copy) && onToolBar(w, a.studentList) && onToolBar(w, a.printPage));
        QVERIFY(!onToolBar(w, a.addSeat));
        QVERIFY(onToolBar(w, a.attendanceAnalysis) && !a.attendanceAnalysis->isEnabled());
        QVERIFY(a.printWithNames->isVisible() && a.printWithIds->isVisible() && !a.printAttendance->isVisible());

        QVERIFY(w.showPage(Page::Attendance));
        QVERIFY(!onToolBar(w, a.copy) && !onToolBar(w, a.studentList) && !onToolBar(w, a.addSeat));
        QVERIFY(a.attendanceAnalysis->isEnabled());
        QVERIFY(allEnabled({a.merge, a.sendMail, a.font, a.gridLines, a.sortAscending}, false));
        QVERIFY(!menuEnabled(w, "gradesMenu") && !menuEnabled(w, "viewMenu") && !menuEnabled(w, "listsMenu"));
        QVERIFY(!a.printWithNames->isVisible() && !a.printWithIds->isVisible() && a.printAttendance->isVisible());
        QVERIFY(a.printSeating->isVisible());

        QVERIFY(w.showPage(Page::Seating));
        QVERIFY(onToolBar(w, a.addSeat) && onToolBar(w, a.editSeat) && onToolBar(w, a.deleteSeat));
        QVERIFY(!a.attendanceAnalysis->isEnabled() && !a.copy->isEnabled());
        QVERIFY(w.menuBar()->findChild<QMenu*>(QStringLiteral("seatingChartMenu"))->menuAction()->isVisible());

        QVERIFY(w.showPage(Page::Grades));
        QVERIFY(onToolBar(w, a.copy) && !onToolBar(w, a.addSeat) && a.merge->isEnabled());
        QVERIFY(!w.menuBar()->findChild<QMenu*>(QStringLiteral("seatingChartMenu"))->menuAction()->isVisible());

        // A class without students keeps the other pages closed even when saved.
        ClassRecord empty = smallClass();
        empty.students.clear();
        changeClassTo(w, empty);
        QVERIFY(!w.showPage(Page::Attendance));
        QVERIFY(!w.pages()->isTabEnabled(1));
    }

    void typedPointsAreStoredRepaintTheirRowAndOtherInputIsRefused() {
        WindowHarness h(smallClass());
        MainWindow& w = *h.window;
        QVERIFY(showExposed(w));
        QVERIFY(!w.document().modified);

        // Bob Stone (row 3), Quiz 1 (column 2): 6 becomes 9.5; his total 76 becomes 79.5.
        typeIntoGrades(w, 3, 2, QStringLiteral("9.5"));
        QCOMPARE(pointsOf(h.cls(), 0, "Bob Stone"), std::string("9.5"));
        QVERIFY(w.document().modified);
        const Sheet& table = w.gradesTable().sheet;
        QCOMPARE(table.text(3, 2), QStringLiteral("9.5"));
        QCOMPARE(table.number(3, 4), 79.5);
        QVERIFY(h.dialogs.messages().isEmpty());
        // Enter moved on to the next student.
        QCOMPARE(std::pair(table.activeRow(), table.activeCol()), std::pair(4, 2));

        // "-" takes the quiz out of Ann's total: 90 instead of 98.
        typeIntoGrades(w, 2, 2, QStringLiteral("-"));
        QCOMPARE(pointsOf(h.cls(), 0, "Ann Lee"), std::string("-"));
        QCOMPARE(w.gradesTable().sheet.number(2, 4), 90.0);

        // A number that is not points is refused with a message; the cell keeps its value.
        typeIntoGrades(w, 4, 3, QStringLiteral("8.0.1"));
        QVERIFY(h.dialogs.onlyText(Kind::Warn).contains(QStringLiteral("8.0.1")));
        QCOMPARE(pointsOf(h.cls(), 1, "Cleo Park"), std::string("80"));
        QCOMPARE(w.gradesTable().sheet.text(4, 3), QStringLiteral("80"));

        // Enter on a points cell opens it for typing; what is typed then replaces nothing until Enter again.
        SheetView* view = w.gradesPage()->view();
        view->selectRange(CellRange::cell(4, 3));
        view->setFocus();
        QTest::keyClick(view, Qt::Key_Return);
        QVERIFY(view->isEditing());
        view->endEdit();
        QCOMPARE(pointsOf(h.cls(), 1, "Cleo Park"), std::string("80"));

        // Bob's quiz gets far more points than anyone: his row is redone in
        // place (the same table, not a new one), its Total, Average and Grade
        // repainted, and the quiz column widens for the long number.
        const Sheet* shown = view->sheet();
        const int quizWidth = view->columnWidth(1);
        QSignalSpy repainted(view->model(), &QAbstractItemModel::dataChanged);
        typeIntoGrades(w, 3, 2, QStringLiteral("123456.25"));
        QCOMPARE(view->sheet(), shown);
        QCOMPARE(view->model()->data(view->model()->index(2, 1)).toString(), QStringLiteral("123456.25"));
        QVERIFY(view->columnWidth(1) > quizWidth);
        const GradesLayout layout = GradesLayout::of(*shown);
        bool gradeRepainted = false;
        for (const QList<QVariant>& signal : repainted) {
            const auto from = signal.at(0).value<QModelIndex>();
            const auto to = signal.at(1).value<QModelIndex>();
            if (from.row() <= 2 && to.row() >= 2 && from.column() <= 1 && to.column() >= layout.gradeCol() - 1) {
                gradeRepainted = true;
            }
        }
        QVERIFY(gradeRepainted);
        QCOMPARE(shown->text(3, layout.gradeCol()), QStringLiteral("A"));
    }

    void typingWhereNoTypingIsTakenSaysWhereInstead() {
        WindowHarness h(smallClass());
        MainWindow& w = *h.window;
        QVERIFY(showExposed(w));
        SheetView* view = w.gradesPage()->view();
        QSignalSpy hints(w.gradesPage(), &GradesPage::typingRefused);
        // Types at a cell and says what the status line shows; the cell keeps its value.
        const auto typeAt = [&](int row, int col, const char* keys) {
            const QString before = w.gradesTable().sheet.text(row, col);
            view->selectRange(CellRange::cell(row, col));
            view->setFocus();
            QTest::keyClicks(view, QLatin1String(keys));
            if (w.gradesTable().sheet.text(row, col) != before || view->isEditing()) return QStringLiteral("changed");
            return w.statusBar()->currentMessage();
        };

        // "85" into a student's Total: one hint for the two keys.
        QCOMPARE(typeAt(3, 4, "85"), QStringLiteral("The Total column adds up the points of the assignments."));
        QCOMPARE(hints.count(), 1);
        // The Total row's points, a name, an assignment's title.
        QCOMPARE(typeAt(6, 2, "20"), QStringLiteral("Totals are set in Grades > Edit…"));
        QCOMPARE(typeAt(3, 1, "Bo"), QStringLiteral("Names are changed in Lists > Students…"));
        QCOMPARE(typeAt(1, 3, "Exam"), QStringLiteral("Assignment titles are changed in Lists > Assignments…"));
        QVERIFY(typeAt(2, 5, "9").contains(QStringLiteral("Grades > Weighted…")));
        QVERIFY(typeAt(4, 6, "A").contains(QStringLiteral("Grades > Scale…")));
        QCOMPARE(hints.count(), 6);
        // Never a message box, and a points cell still takes typing as before.
        QVERIFY(h.dialogs.messages().isEmpty());
        typeIntoGrades(w, 3, 2, QStringLiteral("7"));
        QCOMPARE(pointsOf(h.cls(), 0, "Bob Stone"), std::string("7"));
        QCOMPARE(hints.count(), 6);
    }

    void onlyPointsCellsTakeTypingAndTheKeyEndingItSaysWhereToGoNext() {
        WindowHarness h(smallClass());
        MainWindow& w = *h.window;
        QVERIFY(showExposed(w));
        SheetView* view = w.gradesPage()->view();
        const auto editable = [&](int row, int col) {
            view->selectRange(CellRange::cell(row, col));
            return view->model()->flags(view->model()->index(row - 1, col - 1)).testFlag(Qt::ItemIsEditable);
        };
        // Layout: rows 2-4 students, 5 separator, 6 Total; columns 2-3 assignments.
        // (Headings, names and totals refuse it with a hint instead.)
        QVERIFY(editable(2, 2));
        QVERIFY(editable(4, 3));
        QVERIFY(!editable(5, 2));  // separator
        // A selection reaching into the Total column switches typing off altogether.
        view->selectRange(CellRange{2, 2, 3, 4});
        QVERIFY(!view->inCellEditing());
        view->selectRange(CellRange{2, 2, 3, 3});
        QVERIFY(view->inCellEditing());

        const auto active = [&] {
            return std::pair(w.gradesTable().sheet.activeRow(), w.gradesTable().sheet.activeCol());
        };

        // Tab stores Bob's quiz and goes right to his test, with the keyboard still in the table.
        typeIntoGrades(w, 3, 2, QStringLiteral("7"), Qt::Key_Tab);
        QCOMPARE(pointsOf(h.cls(), 0, "Bob Stone"), std::string("7"));
        QCOMPARE(active(), std::pair(3, 3));
        QVERIFY(!view->isEditing());
        QCOMPARE(QApplication::focusWidget(), view);
        QTest::keyClick(view, Qt::Key_Down);
        QCOMPARE(active(), std::pair(4, 3));

        // Shift+Tab goes left.
        typeIntoGrades(w, 2, 3, QStringLiteral("95"), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(pointsOf(h.cls(), 1, "Ann Lee"), std::string("95"));
        QCOMPARE(active(), std::pair(2, 2));

        // Neither key leaves the points: Enter on the last student and Tab on the
        // last assignment stay where they are.
        typeIntoGrades(w, 4, 3, QStringLiteral("81"));
        QCOMPARE(active(), std::pair(4, 3));
        typeIntoGrades(w, 2, 3, QStringLiteral("96"), Qt::Key_Tab);
        QCOMPARE(active(), std::pair(2, 3));

        // A refused value keeps the cursor on its cell, to be typed again.
        typeIntoGrades(w, 3, 2, QStringLiteral("1..5"), Qt::Key_Tab);
        QCOMPARE(h.dialogs.count(Kind::Warn), 1);
        QCOMPARE(active(), std::pair(3, 2));
        QCOMPARE(QApplication::focusWidget(), view);
    }

    void aValueStillBeingTypedIsKeptBySaveAndExit() {
        WindowHarness h;
        MainWindow& w = *h.window;
        QVERIFY(showExposed(w));
        const QString path = h.write(QStringLiteral("unfinished.grs"));
        h.open(path);
        SheetView* view = w.gradesPage()->view();
        // Starts typing into a cell and leaves the editor open.
        const auto startTyping = [&](int row, int col, char digit) {
            view->selectRange(CellRange::cell(row, col));
            view->setFocus();
            QTest::keyClick(view, digit);
            return view->isEditing();
        };

        // Save (Ctrl+S in the middle of typing) saves the value being typed.
        QVERIFY(startTyping(3, 2, '3'));
        w.actions().saveClass->trigger();
        QVERIFY(!view->isEditing());
        QCOMPARE(pointsOf(h.cls(), 0, "Bob Stone"), std::string("3"));
        Result<ClassRecord> saved = readGradeFile(path);
        QVERIFY(saved.ok());
        QCOMPARE(pointsOf(*saved, 0, "Bob Stone"), std::string("3"));
        QVERIFY(!w.document().modified);

        // Exit in the middle of typing asks about the value rather than dropping it.
        QVERIFY(startTyping(4, 3, '7'));
        h.dialogs.answer(UserDialogs::Answer::Cancel);
        w.actions().exit->trigger();
        QCOMPARE(h.dialogs.count(Kind::YesNoCancel), 1);
        QVERIFY(w.isVisible());
        QCOMPARE(pointsOf(h.cls(), 1, "Cleo Park"), std::string("7"));
        QVERIFY(w.document().modified);

        // A window that goes away in the middle of typing takes the value with it, quietly.
        QVERIFY(startTyping(2, 2, '1'));
        h.window.reset();
        QCOMPARE(h.dialogs.count(Kind::Warn), 0);
    }

    void sortingReordersTheClassByTheSelectedColumn() {
        WindowHarness h(smallClass());
        MainWindow& w = *h.window;
        SheetView* view = w.gradesPage()->view();

        // Descending on Test 1 (90, 70, 80): Ann, Cleo, Bob.
        view->selectRange(CellRange{3, 3, 4, 5});  // the left column is the key
        w.tableCommands().sortDescending();
        QVERIFY(w.document().modified);
        QCOMPARE(studentNames(h.cls()), (std::vector<std::string>{"Ann Lee", "Cleo Park", "Bob Stone"}));
        QCOMPARE(w.gradesTable().sheet.text(3, 1), QStringLiteral("Cleo Park"));

        // Ascending on the names.
        view->selectRange(CellRange::cell(2, 1));
        w.tableCommands().sortAscending();
        QCOMPARE(studentNames(h.cls()), (std::vector<std::string>{"Ann Lee", "Bob Stone", "Cleo Park"}));
    }

    void fontRecoloursTheBodyAndGridLinesAreKeptWithTheClass() {
        WindowHarness h(smallClass());
        MainWindow& w = *h.window;

        // Cancelled: nothing changes.
        h.dialogs.fonts.push_back(std::nullopt);
        w.tableCommands().chooseFont();
        QVERIFY(!w.document().modified);
        QCOMPARE(h.dialogs.fontRequests.front().family, QStringLiteral("MS Sans Serif"));
        QCOMPARE(h.dialogs.fontRequests.front().pointSize, 8);

        UserDialogs::FontChoice green;
        green.family = QStringLiteral("DejaVu Serif");
        green.pointSize = 11;
        green.colour = QColor(0, 128, 0);
        green.italic = true;
        h.dialogs.fonts.push_back(green);
        w.tableCommands().chooseFont();
        QVERIFY(w.document().modified);
        const GridProperties& props = h.cls().gridProps;
        QCOMPARE(props.font_name, std::string("DejaVu Serif"));
        QCOMPARE(props.font_size, 11);
        QCOMPARE(props.font_color, PlatformColour{0x008000});  // green in either byte order
        QCOMPARE(props.font_style, std::uint8_t{fontstyle::kItalic});
        QCOMPARE(w.gradesTable().sheet.format(3, 2).font.size, 11.0);  // the table is formatted anew

        // A face that cannot be kept in the class file is refused.
        UserDialogs::FontChoice foreign = green;
        foreign.family = QStringLiteral("Noto Sans \u0915");
        h.dialogs.fonts.push_back(foreign);
        w.tableCommands().chooseFont();
        QCOMPARE(h.dialogs.count(Kind::Warn), 1);
        QCOMPARE(h.cls().gridProps.font_name, std::string("DejaVu Serif"));

        // Grid lines follow their check mark and are kept in the grade file.
        QAction* check = w.actions().gridLines;
        QVERIFY(!check->isChecked());
        w.tableCommands().toggleGridLines();
        QVERIFY(check->isChecked());
        QVERIFY(w.gradesTable().sheet.showGridLines());
        QVERIFY(w.gradesPage()->view()->showGrid());
        w.saveClass();
        h.open(w.document().markwellFile);
        QVERIFY(h.cls().gridProps.grid_lines);
        w.tableCommands().toggleGridLines();
        QVERIFY(!check->isChecked());
        QVERIFY(!w.gradesPage()->view()->showGrid());
    }

    void aLongNameIsCutInTheNamesColumnAndWholeInItsToolTip() {
        WindowHarness h;
        h.window->resize(1000, 700);
        QVERIFY(showExposed(*h.window));
        ClassRecord cls = smallClass();
        const std::string longName(99, 'W');
        cls.students[1].name = longName;
        for (AssignmentInfo& a : cls.assignments) a.namegrade[1] = makePointEntry(longName, "5");
        cls.comments[1].name = longName;
        changeClassTo(*h.window, cls);

        // The names stay in view without taking the table's room.
        SheetView* view = h.window->gradesPage()->view();
        QVERIFY2(view->columnWidth(0) < view->width() / 3, qPrintable(QString::number(view->columnWidth(0))));
        const QModelIndex name = view->model()->index(2, 0);
        QCOMPARE(name.data().toString(), QString::fromStdString(longName));
        QCOMPARE(name.data(Qt::ToolTipRole).toString(), QString::fromStdString(longName));
        // A name that fits needs no tip.
        QVERIFY(view->model()->index(1, 0).data(Qt::ToolTipRole).toString().isEmpty());
    }

    void choicesAreRememberedAndThePreviewFollowsThem() {
        WindowHarness h(smallClass());
        QVERIFY(h.window->actions().classReports->isEnabled());
        ClassReportsWindow* window = openReports(h);
        QVERIFY(window);
        window->refreshPreview();
        QVERIFY2(window->previewCaption().contains(QStringLiteral("Ann Lee")), qPrintable(window->previewCaption()));
        QVERIFY(!window->previewPicture()->pixmap().isNull());

        child<QCheckBox>(window, "byTypeBox")->setChecked(true);
        child<QCheckBox>(window, "whyBox")->setChecked(false);
        child<QRadioButton>(window, "gradedStudents")->setChecked(true);
        child<QComboBox>(window, "gradeLetter")->setCurrentText(QStringLiteral("C"));
        child<QRadioButton>(window, "onePdfDestination")->setChecked(true);
        child<QPlainTextEdit>(window, "note")->setPlainText(QStringLiteral("Dear {name}: {grade}. {nmae}"));
        QVERIFY2(window->noteWarning().contains(QStringLiteral("{nmae}")), qPrintable(window->noteWarning()));
        // Bob (69.09%, D) is the one whose grade is C or worse.
        window->refreshPreview();
        QVERIFY2(window->previewCaption().contains(QStringLiteral("Bob Stone")), qPrintable(window->previewCaption()));
        QCOMPARE(window->contents().note, QStringLiteral("Dear {name}: {grade}. {nmae}"));
        closeAndWait(window);

        window = openReports(h);
        QVERIFY(window);
        const ReportContents kept = window->contents();
        QVERIFY(kept.overall && kept.byType && !kept.why && !kept.attendance && !kept.comment);
        QCOMPARE(kept.note, QStringLiteral("Dear {name}: {grade}. {nmae}"));
        QCOMPARE(window->studentChoice().kind, StudentChoice::Kind::GradeAtMost);
        QCOMPARE(window->studentChoice().letter, QStringLiteral("C"));
        QCOMPARE(window->destination(), ClassReportsWindow::Destination::OnePdf);
        QVERIFY(!window->noteWarning().isEmpty());

        // The print preview shows the first chosen student's report alone.
        h.dialogs.previewPdf = h.path(QStringLiteral("preview.pdf"));
        window->previewFirstReport();
        QCOMPARE(h.dialogs.count(Kind::Preview), 1);
        if (havePdfToText()) {
            const QString text = pdfText(h.dialogs.previewPdf);
            QVERIFY(text.contains(QStringLiteral("Dear Bob Stone: D. {nmae}")));
            QVERIFY(!text.contains(QStringLiteral("Cleo Park")));
        }
        closeAndWait(window);
        QCOMPARE(h.dialogs.unanswered, 0);
    }

    void theGradesPagesSelectionOrTicksChooseTheStudentsAndCancelLeavesNoFile() {
        WindowHarness h(smallClass());
        h.window->gradesPage()->view()->selectRange({3, 1, 4, 2});  // Bob and Cleo
        ClassReportsWindow* window = openReports(h);
        QVERIFY(window);
        auto* selected = child<QRadioButton>(window, "selectedStudents");
        QVERIFY(selected->isEnabled());
        QVERIFY2(selected->text().contains(QStringLiteral("(2)")), qPrintable(selected->text()));
        selected->setChecked(true);
        const Result<std::vector<int>> students = window->chosenStudents();
        QVERIFY(students.ok());
        QCOMPARE(*students, (std::vector<int>{1, 2}));

        // Ticked by hand: those students alone.
        child<QRadioButton>(window, "tickedChoice")->setChecked(true);
        QVERIFY(window->chosenStudents()->empty());
        child<QListWidget>(window, "tickedStudents")->item(2)->setCheckState(Qt::Checked);
        QCOMPARE(*window->chosenStudents(), std::vector<int>{2});
        window->refreshPreview();
        QVERIFY2(window->previewCaption().contains(QStringLiteral("Cleo Park")), qPrintable(window->previewCaption()));

        // Cancel half-way leaves no file.
        child<QRadioButton>(window, "allStudents")->setChecked(true);
        h.dialogs.cancelAtPage = 2;

        child<QRadioButton>(window, "onePdfDestination")->setChecked(true);
        const QString pdf = h.path(QStringLiteral("term reports.pdf"));
        h.dialogs.saveAs(pdf);
        window->makeReports();
        QVERIFY(!h.dialogs.progressPages.empty());
        QVERIFY(!QFileInfo::exists(pdf));
        QVERIFY2(window->doneText().startsWith(QStringLiteral("Cancelled")), qPrintable(window->doneText()));

        child<QRadioButton>(window, "folderDestination")->setChecked(true);
        const QString folder = h.path(QStringLiteral("reports"));
        QVERIFY(QDir().mkpath(folder));
        h.dialogs.chooseFolderAt(folder);
        window->makeReports();
        QVERIFY(QDir(folder).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
        QVERIFY(window->doneText().startsWith(QStringLiteral("Cancelled")));

        // Let through, the folder gets every report.
        h.dialogs.cancelAtPage.reset();
        h.dialogs.chooseFolderAt(folder);
        window->makeReports();
        QCOMPARE(QDir(folder).entryList(QDir::Files), (QStringList{"Ann Lee.pdf", "Bob Stone.pdf", "Cleo Park.pdf"}));
        QCOMPARE(h.dialogs.count(Kind::Warn), 0);
        QCOMPARE(h.dialogs.unanswered, 0);
        closeAndWait(window);
    }

    void printsEveryReportInOneJob() {
        WindowHarness h;
        const QString grs = h.write(QStringLiteral("term.grs"));
        h.open(grs);
        ClassReportsWindow* window = openReports(h);
        QVERIFY(window);
        child<QRadioButton>(window, "allStudents")->setChecked(true);
        child<QRadioButton>(window, "printDestination")->setChecked(true);
        const QString pdf = h.path(QStringLiteral("printed.pdf"));
        h.dialogs.printToPdf(pdf);
        window->makeReports();
        QCOMPARE(h.dialogs.texts(Kind::Printer), QStringList{QStringLiteral("term.grs")});
        QVERIFY(QFileInfo::exists(pdf));
        QVERIFY2(window->doneText().contains(QStringLiteral("3 students")), qPrintable(window->doneText()));
        if (havePdfToText()) {
            const QStringList pages = pdfText(pdf).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
            QCOMPARE(pages.size(), 3);
            const QStringList names{"Ann Lee", "Bob Stone", "Cleo Park"};
            for (int i = 0; i < 3; ++i) {
                QVERIFY(pages[i].section(QLatin1Char('\n'), 0, 0).contains(names[i]));
                QVERIFY(pages[i].contains(QStringLiteral("Page 1 of 1")));
                QVERIFY(pages[i].contains(grs));
            }
        }
        closeAndWait(window);
        QVERIFY(!h.window->document().modified);
    }
};

MARKWELL_GUI_TEST_MAIN(GradesPageTest)
#include "GradesPageTest.moc"
