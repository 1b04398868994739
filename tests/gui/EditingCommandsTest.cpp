// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The Lists and Grades commands of the main window open their dialogs and
// take the class back on OK; and a class entered through the dialogs is the
// class markwell-cli builds from the same data.

#include "gui/editors/AssignmentListDialog.h"
#include "gui/editors/EditGradesDialog.h"
#include "gui/editors/RecordListPanel.h"
#include "gui/editors/StudentListDialog.h"
#include "gui/pages/GradesPage.h"
#include "gui/rules/DropRuleDialog.h"
#include "gui/rules/WeightsDialog.h"
#include "tests/core/cli/CliRunner.h"
#include "tests/gui/support/ClassFixtures.h"
#include "tests/gui/support/GuiTestMain.h"
#include "tests/gui/support/ModalDialogs.h"
#include "tests/gui/support/PassFailScale.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>

using namespace markwell;
using namespace markwell::testing;

namespace {

// Types the points of the grid's rows, from the first, each ended by Enter.
void typePoints(EditGradesDialog& dialog, const QStringList& points) {
    SheetView* grid = dialog.grid();
    grid->setFocus();
    grid->setActiveCell(1, 2);
    for (const QString& value : points) {
        QTest::keyClick(grid, Qt::Key_Return);  // opens the cell
        QWidget* editor = QApplication::focusWidget();
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(editor, value);
        QTest::keyClick(editor, Qt::Key_Return);  // stores it and goes down
        QCoreApplication::processEvents();
    }
}

// One step of building a class two ways: the markwell-cli command (the
// class's file is put in where the arguments say FILE) and what the teacher
// does in the main window for the same result.
struct Step {
    QStringList cli;
    std::function<void(MainWindow&)> byWindow;
};

const QString kFile = QStringLiteral("FILE");

QString showOf(const QString& path) {
    const test::CliRun shown = test::runCli({QStringLiteral("show"), path});
    return shown.exitCode == 0 ? shown.out : QStringLiteral("show failed: ") + shown.err;
}

}  // namespace

class EditingCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void cancelLeavesTheClassEqual() {
        WindowHarness h(smallClass());
        const ClassRecord before = h.cls();
        whenShown<StudentListDialog>([](StudentListDialog& d) {
            typeInto(d.box(StudentField::Name), QStringLiteral("Dee Ross"));
            d.storeRecord();
            d.reject();
        });
        h.dialogs.choose(0);  // Discard
        h.window->actions().studentList->trigger();
        whenShown<AssignmentListDialog>([](AssignmentListDialog& d) {
            d.clearAssignments();
            d.reject();
        });
        h.dialogs.answer(UserDialogs::Answer::Yes);
        h.dialogs.choose(0);  // Discard
        h.window->actions().assignmentList->trigger();
        whenShown<EditGradesDialog>([](EditGradesDialog& d) {
            d.clearAssignment();
            d.reject();
        });
        h.dialogs.choose(0);  // Clear
        h.dialogs.choose(0);  // Discard
        h.window->actions().editGrades->trigger();
        QCOMPARE(h.dialogs.count(ScriptedDialogs::Kind::Choice), 4);
        QCOMPARE(h.dialogs.unanswered, 0);
        QCOMPARE(h.cls(), before);
        QVERIFY(!h.window->document().modified);

        // OK without a change is no change either.
        whenShown<StudentListDialog>([](StudentListDialog& d) { d.accept(); });
        h.window->actions().studentList->trigger();
        QVERIFY(!h.window->document().modified);
    }

    void okTakesTheChangedClassAndRebuildsTheTable() {
        WindowHarness h(smallClass());
        whenShown<EditGradesDialog>([](EditGradesDialog& d) {
            typePoints(d, {QStringLiteral("10")});
            d.accept();
        });
        h.window->actions().editGrades->trigger();
        QVERIFY(h.window->document().modified);
        QVERIFY(h.window->isWindowModified());
        const Sheet& table = h.window->gradesTable().sheet;
        QCOMPARE(table.toTsv(CellRange{2, 1, 2, 4}), QStringLiteral("Ann Lee\t10\t90\t100\n"));

        whenShown<StudentListDialog>([](StudentListDialog& d) {
            typeInto(d.box(StudentField::Name), QStringLiteral("Dee Ross"));
            d.accept();  // asks whether to add what was typed: Yes
        });
        h.dialogs.answer(UserDialogs::Answer::Yes);
        h.window->actions().studentList->trigger();
        QCOMPARE(h.cls().students.size(), std::size_t(4));
        QCOMPARE(h.window->gradesTable().sheet.text(5, 1), QStringLiteral("Dee Ross"));
    }

    void theCliAndTheDialogsBuildTheSameClass() {
        WindowHarness h;
        QVERIFY(
            !writeFile(
                 h.path(QStringLiteral("students.csv")),
                 "name,id,comment\nAnn Lee,A-1,\"Front row.\nLikes maps.\"\nZo\xC3\xAB O'Brien,Z-2,\nBo Chen,B-3,\n")
                 .isEmpty());
        QVERIFY(!writeFile(h.path(QStringLiteral("quiz.csv")),
                           "name,points\nAnn Lee,8\nZo\xC3\xAB O'Brien,9.5\nBo Chen,-\n")
                     .isEmpty());
        QVERIFY(
            !writeFile(h.path(QStringLiteral("test.csv")), "name,points\nAnn Lee,41\nZo\xC3\xAB O'Brien,47\nBo Chen,\n")
                 .isEmpty());

        const std::vector<Step> steps = {
            {{QStringLiteral("new"), kFile}, [](MainWindow& w) { w.newClass(); }},
            {{QStringLiteral("import-students"), kFile, h.path(QStringLiteral("students.csv"))},
             [](MainWindow& w) {
                 whenShown<StudentListDialog>([](StudentListDialog& d) {
                     const QStringList names = {QStringLiteral("Ann Lee"), QStringLiteral("Zo\u00eb O'Brien"),
                                                QStringLiteral("Bo Chen")};
                     const QStringList ids = {QStringLiteral("A-1"), QStringLiteral("Z-2"), QStringLiteral("B-3")};
                     for (int i = 0; i < names.size(); ++i) {
                         if (i == 0) typeInto(d.commentBox(), QStringLiteral("Front row.\nLikes maps."));
                         typeInto(d.box(StudentField::Id), ids[i]);
                         typeInto(d.box(StudentField::Name), names[i]);
                         QTest::keyClick(d.box(StudentField::Name), Qt::Key_Return);
                     }
                     d.accept();
                 });
                 w.actions().studentList->trigger();
             }},
            {{QStringLiteral("add-assignment"), kFile, QStringLiteral("--title=Quiz 1"), QStringLiteral("--type=Quiz"),
              QStringLiteral("--total=10")},
             {}},
            {{QStringLiteral("add-assignment"), kFile, QStringLiteral("--title=Test 1"), QStringLiteral("--type=Test"),
              QStringLiteral("--description=Units 1-3")},
             [](MainWindow& w) {
                 whenShown<AssignmentListDialog>([](AssignmentListDialog& d) {
                     typeInto(d.titleBox(), QStringLiteral("Quiz 1"));
                     d.typeBox()->setCurrentIndex(2);
                     QTest::keyClick(d.titleBox(), Qt::Key_Return);
                     typeInto(d.titleBox(), QStringLiteral("Test 1"));
                     d.typeBox()->setCurrentIndex(1);
                     typeInto(d.descriptionBox(), QStringLiteral("Units 1-3"));
                     QTest::keyClick(d.descriptionBox(), Qt::Key_Return);
                     d.accept();
                 });
                 w.actions().assignmentList->trigger();
             }},
            {{QStringLiteral("set-total"), kFile, QStringLiteral("--index=2"), QStringLiteral("50")}, {}},
            {{QStringLiteral("set-points"), kFile, QStringLiteral("--index=1"), h.path(QStringLiteral("quiz.csv"))},
             {}},
            {{QStringLiteral("set-points"), kFile, QStringLiteral("--assignment=Test 1"),
              h.path(QStringLiteral("test.csv"))},
             [](MainWindow& w) {
                 whenShown<EditGradesDialog>([](EditGradesDialog& d) {
                     typeInto(d.totalBox(), QStringLiteral("10"));
                     typePoints(d, {QStringLiteral("8"), QStringLiteral("9.5"), QStringLiteral("-")});
                     d.assignmentChoice()->setCurrentIndex(1);
                     typeInto(d.totalBox(), QStringLiteral("50"));
                     typePoints(d, {QStringLiteral("41"), QStringLiteral("47"), QString()});
                     d.accept();
                 });
                 w.actions().editGrades->trigger();
             }},
            {{QStringLiteral("weights"), kFile, QStringLiteral("0"), QStringLiteral("60"), QStringLiteral("40"),
              QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("--use")},
             [](MainWindow& w) {
                 whenModalShows<WeightsDialog>([](WeightsDialog* d) {
                     d->weightBox(1)->setValue(60);
                     d->weightBox(2)->setValue(40);
                     d->useBox()->setChecked(true);
                     d->accept();
                 });
                 w.actions().weightedGrades->trigger();
             }},
            {{QStringLiteral("drop"), kFile, QStringLiteral("overall")},
             [](MainWindow& w) {
                 whenModalShows<DropRuleDialog>([](DropRuleDialog* d) {
                     d->ruleButton(droprule::kLowestOverall)->click();
                     d->accept();
                 });
                 w.actions().dropLowest->trigger();
             }},
            // The scale is saved to this computer's scales, then given to the class.
            {{QStringLiteral("scale"), QStringLiteral("set"), QStringLiteral("Pass at 72"), QStringLiteral("pass-fail"),
              QStringLiteral("72,100,0,71.9")},
             {}},
            {{QStringLiteral("use-scale"), kFile, QStringLiteral("Pass at 72")},
             [&h](MainWindow& w) { choosePassAt72(h.dialogs, w); }},
        };

        const QString byCli = h.path(QStringLiteral("cli.grs"));
        for (const Step& step : steps) {
            QStringList args = step.cli;
            if (const qsizetype file = args.indexOf(kFile); file >= 0) args.replace(file, byCli);
            const test::CliRun done = test::runCli(args);
            QVERIFY2(done.exitCode == 0, qPrintable(args.join(QLatin1Char(' ')) + QStringLiteral(": ") + done.err));
        }
        for (const Step& step : steps) {
            if (step.byWindow) step.byWindow(*h.window);
        }
        const QString byWindow = h.path(QStringLiteral("window.grs"));
        h.dialogs.saveAs(byWindow);
        h.window->saveClass();
        QVERIFY(!h.window->document().modified);

        // Zoë: Quiz 9.5 of 10 and Test 47 of 50, the lowest (the quiz) dropped;
        // Bo's test is left empty (0 of 50), his only counted score, and dropped:
        // nothing possible is left, so no letter.
        const QString table = showOf(byCli);
        QVERIFY2(table.contains(QStringLiteral("Zo\u00eb O'Brien\t9.5\t47\t56.5\t94.00%\tPass")), qPrintable(table));
        QVERIFY2(table.contains(QStringLiteral("Bo Chen\t-\t0\t0\t0.00%\t-")), qPrintable(table));
        QCOMPARE(showOf(byWindow), table);
        QCOMPARE(h.window->gradesTable().sheet.toTsv(CellRange::all()), table);
    }
};

MARKWELL_GUI_TEST_MAIN(EditingCommandsTest)
#include "EditingCommandsTest.moc"
