// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Edit > Undo and Redo in the main window: every change of the class made
// there is taken back and made again to the byte, the modified mark follows
// the saved state, and the history keeps within its bounds.

#include "core/data/Records.h"
#include "core/editing/ClassChanges.h"
#include "core/grading/GradesTable.h"
#include "gui/editors/AssignmentListDialog.h"
#include "gui/editors/CurveDialog.h"
#include "gui/editors/EditGradesDialog.h"
#include "gui/editors/RecordListPanel.h"
#include "gui/editors/StudentListDialog.h"
#include "gui/pages/AttendancePage.h"
#include "gui/pages/GradesPage.h"
#include "gui/pages/SeatingPage.h"
#include "gui/rules/DropRuleDialog.h"
#include "gui/rules/WeightsDialog.h"
#include "gui/seating/SeatItem.h"
#include "gui/seating/SeatingView.h"
#include "tests/core/cli/CliRunner.h"
#include "tests/gui/support/ClassFixtures.h"
#include "tests/gui/support/GuiTestMain.h"
#include "tests/gui/support/ModalDialogs.h"
#include "tests/gui/support/PassFailScale.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QUndoStack>

using namespace markwell;
using namespace markwell::testing;
using Kind = ScriptedDialogs::Kind;

namespace {

QString shownTable(const MainWindow& w) {
    return w.gradesTable().sheet.toTsv(CellRange::all());
}

QString builtTable(const MainWindow& w) {
    return buildGradesTable(w.document().classRecord).sheet.toTsv(CellRange::all());
}

QString showOf(const QString& path) {
    const test::CliRun shown = test::runCli({QStringLiteral("show"), path});
    return shown.exitCode == 0 ? shown.out : QStringLiteral("show failed: ") + shown.err;
}

int columnHeaded(const MainWindow& w, const QString& heading) {
    const Sheet& sheet = w.gradesTable().sheet;
    for (int col = 1; col <= sheet.maxCol(); ++col) {
        if (sheet.text(1, col) == heading) return col;
    }
    return -1;
}

// A change of the window, as the teacher makes it, and the name its step takes.
struct WindowChange {
    QString name;
    std::function<void(WindowHarness&)> make;
};

std::vector<WindowChange> everyWindowChange() {
    return {
        // A rename carries the student's attendance and seat with it.
        {QStringLiteral("Edit Students"),
         [](WindowHarness& h) {
             whenShown<StudentListDialog>([](StudentListDialog& d) {
                 d.listPanel()->list()->setCurrentRow(0);
                 typeInto(d.box(StudentField::Name), QStringLiteral("Anne Lee"));
                 QTest::keyClick(d.box(StudentField::Name), Qt::Key_Return);
                 d.accept();
             });
             h.window->actions().studentList->trigger();
         }},
        {QStringLiteral("Typed Points"),
         [](WindowHarness& h) { typeIntoGrades(*h.window, 3, 2, QStringLiteral("9.5")); }},
        {QStringLiteral("Sort by Test 1"),
         [](WindowHarness& h) {
             const int test1 = columnHeaded(*h.window, QStringLiteral("Test 1"));
             h.window->gradesPage()->view()->selectRange(CellRange::cell(2, test1));
             h.window->actions().sortAscending->trigger();
         }},
        {QStringLiteral("Sort by Names"),
         [](WindowHarness& h) {
             h.window->gradesPage()->view()->selectRange(CellRange::cell(2, 1));
             h.window->actions().sortDescending->trigger();
         }},
        {QStringLiteral("Font"),
         [](WindowHarness& h) {
             h.dialogs.fonts.push_back(
                 UserDialogs::FontChoice{.family = QStringLiteral("DejaVu Serif"), .pointSize = 12});
             h.window->actions().font->trigger();
         }},
        {QStringLiteral("Grid Lines"), [](WindowHarness& h) { h.window->actions().gridLines->trigger(); }},
        {QStringLiteral("Edit Assignments"),
         [](WindowHarness& h) {
             whenShown<AssignmentListDialog>([](AssignmentListDialog& d) {
                 typeInto(d.titleBox(), QStringLiteral("Lab 1"));
                 d.typeBox()->setCurrentIndex(2);
                 d.addRecord();
                 d.accept();
             });
             h.window->actions().assignmentList->trigger();
         }},
        {QStringLiteral("Edit Grades"),
         [](WindowHarness& h) {
             whenShown<EditGradesDialog>([](EditGradesDialog& d) {
                 typeInto(d.totalBox(), QStringLiteral("20"));
                 d.accept();
             });
             h.window->actions().editGrades->trigger();
         }},
        {QStringLiteral("Curve Quiz 1"),
         [](WindowHarness& h) {
             h.window->gradesPage()->view()->selectRange(CellRange::cell(2, 2));
             answered<CurveDialog>(h.window->actions().curve, [](CurveDialog* d) {
                 d->kindButton(CurveKind::Top)->click();
                 d->roundingChoice()->setCurrentIndex(1);
                 d->accept();
             });
         }},
        {QStringLiteral("Weighted Grades"),
         [](WindowHarness& h) {
             answered<WeightsDialog>(h.window->actions().weightedGrades, [](WeightsDialog* d) {
                 for (int type = 0; type < 6; ++type) d->weightBox(type)->setValue(0);
                 d->weightBox(1)->setValue(70);
                 d->weightBox(2)->setValue(30);
                 d->useBox()->setChecked(true);
                 d->accept();
             });
         }},
        {QStringLiteral("Drop Lowest Score"),
         [](WindowHarness& h) {
             answered<DropRuleDialog>(h.window->actions().dropLowest, [](DropRuleDialog* d) {
                 d->ruleButton(droprule::kLowestOverall)->click();
                 d->accept();
             });
         }},
        {QStringLiteral("Grade Scale"), [](WindowHarness& h) { choosePassAt72(h.dialogs, *h.window); }},
    };
}

// A step of known size that sets the grid's font size; steps of the same
// seat (not -1) absorb one another, as nudges of one seat do.
class SizeStep final : public ChangeStep {
public:
    SizeStep(int before, int after, std::size_t bytes, int seat)
        : before_(before), after_(after), bytes_(bytes), seat_(seat) {}
    void undo(Document& document) override { document.classRecord.gridProps.font_size = before_; }
    void redo(Document& document) override { document.classRecord.gridProps.font_size = after_; }
    std::size_t heldBytes() const override { return bytes_; }
    bool absorb(const ChangeStep& later) override {
        const auto* next = dynamic_cast<const SizeStep*>(&later);
        if (seat_ < 0 || !next || next->seat_ != seat_) return false;
        after_ = next->after_;
        return true;
    }

private:
    int before_;
    int after_;
    std::size_t bytes_;
    int seat_;
};

Change sizeChange(int size, std::size_t bytes = 100, int seat = -1) {
    return Change(QStringLiteral("Size"), [=](Document& document) -> Result<ChangeMade> {
        const int before = document.classRecord.gridProps.font_size;
        document.classRecord.gridProps.font_size = size;
        return ChangeMade{std::make_unique<SizeStep>(before, size, bytes, seat)};
    });
}

int sizeOf(const Document& document) {
    return document.classRecord.gridProps.font_size;
}

}  // namespace

class UndoRedoTest : public QObject {
    Q_OBJECT
private slots:
    void typedPointsAndASortUndoneSaveTheClassAsItWas() {
        WindowHarness h;
        MainWindow& w = *h.window;
        QVERIFY(showExposed(w));
        const QString path = h.write(QStringLiteral("period1.grs"));
        h.open(path);
        const QString before = showOf(path);
        QCOMPARE(shownTable(w), before);
        QAction* undo = w.actions().undo;
        QAction* redo = w.actions().redo;
        QCOMPARE(undo->shortcut(), QKeySequence(QKeySequence::Undo));
        QCOMPARE(redo->shortcut(), QKeySequence(QKeySequence::Redo));
        QVERIFY(!undo->isEnabled());
        QVERIFY(!redo->isEnabled());
        typeIntoGrades(w, 2, 2, QStringLiteral("3"));
        typeIntoGrades(w, 3, 3, QStringLiteral("99"));
        typeIntoGrades(w, 4, 2, QStringLiteral("10"));
        QCOMPARE(w.history().stack().count(), 3);
        QCOMPARE(undo->text(), QStringLiteral("&Undo Typed Points"));

        // Bob now leads on Average: the sort moves him up.
        w.gradesPage()->view()->selectRange(CellRange::cell(2, columnHeaded(w, QStringLiteral("Average"))));
        w.actions().sortDescending->trigger();
        QCOMPARE(w.gradesTable().sheet.text(2, 1), QStringLiteral("Bob Stone"));
        QCOMPARE(undo->text(), QStringLiteral("&Undo Sort by Average"));
        QVERIFY(undo->isEnabled());
        QVERIFY(!redo->isEnabled());
        QVERIFY(w.isWindowModified());
        for (int i = 0; i < 4; ++i) undo->trigger();
        QVERIFY(!undo->isEnabled());
        QCOMPARE(redo->text(), QStringLiteral("&Redo Typed Points"));

        // Back at the state saved: no mark, and the table shows the class as it was.
        QVERIFY(!w.isWindowModified());
        QVERIFY(!w.document().modified);
        QCOMPARE(shownTable(w), before);
        redo->trigger();
        QVERIFY(w.isWindowModified());
        QCOMPARE(w.gradesTable().sheet.text(2, 2), QStringLiteral("3"));
        undo->trigger();
        QVERIFY(!w.isWindowModified());
        w.saveClass();
        QCOMPARE(showOf(path), before);
    }

    void everyWindowChangeIsUndoneAndRedoneToTheByteAndTheTableRebuiltOnlyForItsOwn() {
        WindowHarness h;
        MainWindow& w = *h.window;
        QVERIFY(showExposed(w));
        h.open(h.write(QStringLiteral("period1.grs"), smallClass(),
                       {attendanceRecord("Ann Lee", 9, 2026, "T  U"), attendanceRecord("Bob Stone", 9, 2026, " E")}));
        for (const WindowChange& change : everyWindowChange()) {
            const QByteArray before = documentFiles(w.document());
            change.make(h);
            const QByteArray after = documentFiles(w.document());
            QVERIFY2(after != before, qPrintable(change.name + h.dialogs.messages().join(QLatin1Char('|'))));
            QCOMPARE(w.actions().undo->text(), QStringLiteral("&Undo ") + change.name);
            const int steps = w.history().stack().index();
            w.actions().undo->trigger();
            QVERIFY2(documentFiles(w.document()) == before, qPrintable(change.name));
            QCOMPARE(shownTable(w), builtTable(w));
            w.actions().redo->trigger();
            QVERIFY2(documentFiles(w.document()) == after, qPrintable(change.name));
            QCOMPARE(shownTable(w), builtTable(w));
            QCOMPARE(w.history().stack().index(), steps);
        }
        QCOMPARE(h.dialogs.count(Kind::Warn), 0);

        // The rename took the attendance along, and Undo brings it back.
        QCOMPARE(w.document().attendance.records()[0].name, std::string("Anne Lee"));

        // A mark or a seat undone and redone leaves the grades table alone.
        QSignalSpy rebuilds(w.gradesPage()->view()->model(), &QAbstractItemModel::modelReset);
        const auto undoAndRedo = [&w] {
            w.actions().undo->trigger();
            w.actions().redo->trigger();
        };
        QVERIFY(w.showPage(Page::Attendance));
        w.attendancePage()->view()->selectRange(CellRange::cell(2, 2));
        QTest::keyClick(w.attendancePage()->view(), 'u');
        QCOMPARE(w.history().stack().undoText(), QStringLiteral("Mark Attendance"));
        undoAndRedo();
        QVERIFY(w.showPage(Page::Seating));
        SeatingView* chart = w.seatingPage()->view();
        const QPoint seat = chart->mapFromScene(chart->itemOf(SeatId::student(0))->shownRect().center());
        QTest::mousePress(chart->viewport(), Qt::LeftButton, {}, seat);
        QTest::mouseRelease(chart->viewport(), Qt::LeftButton, {}, seat);
        QTest::keyClick(chart, Qt::Key_Right);
        QCOMPARE(w.history().stack().undoText(), QStringLiteral("Move Seat"));
        undoAndRedo();
        QCOMPARE(rebuilds.count(), 0);

        // A step the grades show is shown anew, undone and redone alike.
        QVERIFY(w.showPage(Page::Grades));
        w.actions().gridLines->trigger();
        undoAndRedo();
        QCOMPARE(rebuilds.count(), 3);
        QCOMPARE(shownTable(w), builtTable(w));
    }

    void backAtTheSavedStateNothingIsAsked() {
        const std::vector<std::pair<const char*, std::function<void(WindowHarness&)>>> ways = {
            {"New", [](WindowHarness& h) { h.window->newClass(); }},
            {"Open", [](WindowHarness& h) { h.open(h.write(QStringLiteral("b.grs"))); }},
            {"Exit", [](WindowHarness& h) { QVERIFY(h.window->close()); }},
        };
        for (const auto& [way, setAside] : ways) {
            WindowHarness h;
            QVERIFY(showExposed(*h.window));
            h.open(h.write(QStringLiteral("a.grs")));
            makeUnsavedChange(*h.window);
            typeIntoGrades(*h.window, 2, 2, QStringLiteral("1"));
            QCOMPARE(h.window->history().stack().count(), 2);
            h.window->actions().undo->trigger();
            h.window->actions().undo->trigger();
            h.dialogs.clearRecord();
            setAside(h);
            QVERIFY2(h.dialogs.count(Kind::YesNoCancel) == 0, way);
            QVERIFY2(h.dialogs.unanswered == 0, way);
        }
    }

    void anExportLeavesTheHistoryAsItWasAndAnotherClassStartsAnother() {
        WindowHarness h;
        MainWindow& w = *h.window;
        const QUndoStack& stack = w.history().stack();
        const QString path = h.write(QStringLiteral("period1.grs"));
        h.open(path);
        makeUnsavedChange(w);
        h.dialogs.saveAs(h.path(QStringLiteral("grades.csv")), QStringLiteral("CSV File (*.csv)"));
        w.saveClassAs();
        QVERIFY(QFile::exists(h.path(QStringLiteral("grades.csv"))));
        QCOMPARE(stack.count(), 1);
        QVERIFY(!stack.isClean());
        QVERIFY(w.isWindowModified());

        // Undo still finds the state saved before the export.
        w.actions().undo->trigger();
        QVERIFY(!w.isWindowModified());

        // Exported from the save question of an untitled class: the class keeps its history.
        w.newClass();
        changeClassTo(w, smallClass());
        h.dialogs.answer(UserDialogs::Answer::Yes);
        h.dialogs.saveAs(h.path(QStringLiteral("more.csv")), QStringLiteral("CSV File (*.csv)"));
        w.newClass();
        QVERIFY(QFile::exists(h.path(QStringLiteral("more.csv"))));
        QCOMPARE(h.cls().students.size(), std::size_t(3));
        QCOMPARE(stack.count(), 1);
        QVERIFY(w.document().modified);
        QVERIFY(w.actions().undo->isEnabled());

        // Another class starts another history.
        h.dialogs.answer(UserDialogs::Answer::No);
        h.open(h.write(QStringLiteral("b.grs")));
        QCOMPARE(w.history().stack().count(), 0);
        QVERIFY(!w.actions().undo->isEnabled());
        QVERIFY(!w.isWindowModified());

        // A recovered class has changes no save holds: modified, with nothing to undo.
        makeUnsavedChange(w);
        Document recovered = w.document();
        recovered.modified = true;
        h.dialogs.answer(UserDialogs::Answer::No);
        QVERIFY(w.documentCommands().maySetAside());
        w.documentCommands().takeRecoveredClass(std::move(recovered));
        QCOMPARE(w.history().stack().count(), 0);
        QVERIFY(!w.actions().undo->isEnabled());
        QVERIFY(w.document().modified);
        QVERIFY(w.isWindowModified());

        // Nor does a step and its undo make it look saved.
        makeUnsavedChange(w);
        w.actions().undo->trigger();
        QVERIFY(w.document().modified);
        QVERIFY(w.isWindowModified());
    }

    void theOldestStepsGoBeyondTheMemoryAndCountBounds() {
        Document document;
        ClassHistory history(document);
        const QUndoStack& stack = history.stack();
        history.setLimits(1000, 100);
        for (int size = 1; size <= 2; ++size) QVERIFY(history.apply(sizeChange(size, 300)).ok());
        history.markSaved();

        // The window hears of each change once the modified flag is right.
        std::vector<bool> modifiedWhenTold;
        connect(&history, &ClassHistory::documentChanged, &history,
                [&] { modifiedWhenTold.push_back(document.modified); });
        for (int size = 3; size <= 4; ++size) QVERIFY(history.apply(sizeChange(size, 300)).ok());

        // Four steps of 300 bytes hold more than 1000: the oldest went.
        QCOMPARE(stack.count(), 3);
        QCOMPARE(history.heldBytes(), std::size_t(900));
        QCOMPARE(stack.index(), 3);
        QCOMPARE(sizeOf(document), 4);
        history.undo();
        history.undo();
        QCOMPARE(sizeOf(document), 2);
        QVERIFY(!history.isModified());  // the saved state survived the trim
        QVERIFY(!document.modified);
        QCOMPARE(modifiedWhenTold, (std::vector<bool>{true, true, true, false}));
        history.undo();
        QCOMPARE(sizeOf(document), 1);
        QVERIFY(!stack.canUndo());
        history.redo();
        history.redo();
        history.redo();
        QCOMPARE(sizeOf(document), 4);

        // Once the saved state itself is dropped, no state is the saved one.
        for (int size = 5; size <= 7; ++size) QVERIFY(history.apply(sizeChange(size, 300)).ok());
        while (stack.canUndo()) history.undo();
        QCOMPARE(sizeOf(document), 4);
        QVERIFY(history.isModified());

        // By count, and a step larger than the bound is still kept alone.
        history.setLimits(1000, 2);
        QCOMPARE(stack.count(), 2);
        QCOMPARE(stack.index(), 0);
        QVERIFY(history.apply(sizeChange(40, 5000)).ok());
        QCOMPARE(stack.count(), 1);
        history.undo();
        QCOMPARE(sizeOf(document), 4);
    }

    void stepsThatSayTheyAreOneChangeMerge() {
        Document document;
        ClassHistory history(document);
        const int original = sizeOf(document);
        QVERIFY(history.apply(sizeChange(10, 100, 7)).ok());
        QVERIFY(history.apply(sizeChange(11, 100, 7)).ok());
        QVERIFY(history.apply(sizeChange(12, 100, 8)).ok());
        QCOMPARE(history.stack().count(), 2);
        history.undo();
        QCOMPARE(sizeOf(document), 11);
        history.undo();
        QCOMPARE(sizeOf(document), original);

        // Never across the saved state: Undo must still find it.
        history.redo();
        history.markSaved();
        QVERIFY(history.apply(sizeChange(13, 100, 7)).ok());
        QCOMPARE(history.stack().count(), 2);
        history.undo();
        QVERIFY(!history.isModified());
    }
};

MARKWELL_GUI_TEST_MAIN(UndoRedoTest)
#include "UndoRedoTest.moc"
