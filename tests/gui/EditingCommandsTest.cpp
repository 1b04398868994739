// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The editing dialogs of the Lists and Grades menus and the commands that
// open them. The Assignment List: title, type and description, Enter, the
// background, import and the printout. Grade entry: one assignment at a
// time, points through the shared rule, the last value typed kept when
// switching and on OK. Import Students: Enter imports what is listed, and a
// student .csv file is taken as markwell-cli import-students takes it. The
// commands take the class back on OK; and a class entered through the
// dialogs is the class markwell-cli builds from the same data. File > Import
// Scores: the preview lists every change and nothing changes before Import;
// one Undo gives the class back to the byte; a refused cell stops Import and
// says where until it is settled; the choices made come back for the next
// file of that layout. File > Export > For Canvas writes the file Canvas takes.

#include "core/data/PointEntry.h"
#include "core/editing/Validators.h"
#include "core/files/GradeFile.h"
#include "gui/editors/AssignmentListDialog.h"
#include "gui/editors/EditGradesDialog.h"
#include "gui/editors/GradeFileChooser.h"
#include "gui/editors/ImportAssignmentsDialog.h"
#include "gui/editors/ImportScoresDialog.h"
#include "gui/editors/ImportStudentsDialog.h"
#include "gui/editors/RecordListPanel.h"
#include "gui/editors/StudentListDialog.h"
#include "gui/pages/GradesPage.h"
#include "gui/rules/DropRuleDialog.h"
#include "gui/rules/WeightsDialog.h"
#include "tests/core/cli/CliRunner.h"
#include "tests/gui/support/AltLetters.h"
#include "tests/gui/support/ClassFixtures.h"
#include "tests/gui/support/GuiTestMain.h"
#include "tests/gui/support/ModalDialogs.h"
#include "tests/gui/support/PassFailScale.h"
#include "tests/gui/support/ShownText.h"
#include "tests/support/PdfText.h"
#include "tests/support/TestFiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTreeWidget>

using namespace markwell;
using namespace markwell::testing;
using Kind = ScriptedDialogs::Kind;

namespace {

using Entries = std::vector<std::string>;

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

// One step of building a class two ways: the markwell-cli command, its
// arguments split at "|" (the class's file is put in where they say FILE), and
// what the teacher does in the main window for the same result.
struct Step {
    QString cli;
    std::function<void(MainWindow&)> byWindow;
};

QString showOf(const QString& path) {
    const test::CliRun shown = test::runCli({QStringLiteral("show"), path});
    return shown.exitCode == 0 ? shown.out : QStringLiteral("show failed: ") + shown.err;
}

struct Editor {
    ScriptedDialogs dialogs;
    AssignmentListDialog dialog;

    explicit Editor(const ClassRecord& cls, const QString& classPath = {}) : dialog(cls, dialogs, classPath) {
        QVERIFY(showExposed(dialog));
    }
    QListWidget* list() const { return dialog.listPanel()->list(); }
    QPushButton* button(const char* objectName) const {
        return dialog.findChild<QPushButton*>(QLatin1String(objectName));
    }
    const ClassRecord& cls() const { return dialog.classRecord(); }
    void choose(int row) {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, list()->visualItemRect(list()->item(row)).center());
    }
    void type(const QString& title, int typeIndex) {
        typeInto(dialog.titleBox(), title);
        dialog.typeBox()->setCurrentIndex(typeIndex);
    }
};

struct Entry {
    ScriptedDialogs dialogs;
    EditGradesDialog dialog;

    explicit Entry(const ClassRecord& cls) : dialog(cls, dialogs) { QVERIFY(showExposed(dialog)); }
    SheetView* grid() const { return dialog.grid(); }
    const ClassRecord& cls() const { return dialog.classRecord(); }
    QPushButton* button(const char* objectName) const {
        return dialog.findChild<QPushButton*>(QLatin1String(objectName));
    }
    // Opens the points cell of `row` and types into it, without ending the edit.
    void typeInto(int row, const QString& text) {
        grid()->setFocus();
        grid()->setActiveCell(row, 2);
        QTest::keyClick(grid(), Qt::Key_Return);  // Enter opens the cell
        QVERIFY(grid()->isEditing());
        QWidget* editor = QApplication::focusWidget();
        QVERIFY(editor && editor != grid());
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(editor, text);
    }
    void enter(int row, const QString& text) {
        typeInto(row, text);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCoreApplication::processEvents();  // the cell's editor ends once the key is through
    }
};

QPushButton* okButton(const QDialog& dialog) {
    return dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
}

QStringList namesOf(const std::vector<StudentInfo>& students) {
    QStringList names;
    for (const StudentInfo& s : students) names << QString::fromStdString(s.name);
    return names;
}

struct Picker {
    ScriptedDialogs dialogs;
    ClassRecord into = smallClass();
    ImportStudentsDialog dialog{dialogs, QString(), into};

    Picker() { QVERIFY(showExposed(dialog)); }
    QPushButton* browse() const { return dialog.fileChooser()->browseButton(); }
    QString pathShown() const { return dialog.fileChooser()->findChild<QLineEdit*>(QStringLiteral("fileBox"))->text(); }
};

// Ann Lee 8 -> 9 on Quiz 1; Bob Stone excused from Quiz 1 and 70 -> 75 on
// Test 1; Cleo Park's 80 unchanged and her blank Quiz 1 kept as "-".
const QByteArray kGradebook = "Student,ID,SIS User ID,SIS Login ID,Section,Quiz 1 (11),Test 1 (12)\r\n"
                              "    Points Possible,,,,,10,100\r\n"
                              "\"Lee, Ann\",901,A-1,,P1,9,\r\n"
                              "\"Stone, Bob\",902,B-2,,P1,EX,75\r\n"
                              "\"Park, Cleo\",903,C-3,,P1,,80\r\n";

// The preview's rows below its heading, as "Student|Assignment|Old|New|Note".
QStringList previewRows(const ImportScoresDialog& dialog) {
    return tableText(*dialog.changesView()->sheet()).mid(1);
}

QStringList problemsShown(const ImportScoresDialog& dialog) {
    QStringList lines;
    for (int i = 0; i < dialog.problemList()->count(); ++i) lines << dialog.problemList()->item(i)->text();
    return lines;
}

// Picks a choice from a cell's list as the teacher does: the list opens in
// the cell and takes the pick at once.
bool pickInCell(QTableWidget* table, int row, int col, int choice) {
    const QModelIndex cell = table->model()->index(row, col);
    table->setCurrentIndex(cell);
    table->edit(cell);
    auto* list = qobject_cast<QComboBox*>(table->indexWidget(cell));
    if (!list || choice >= list->count()) return false;
    list->setCurrentIndex(choice);
    emit list->activated(choice);
    return true;
}

// The small class open as period1.grs, with the gradebook beside it.
struct OpenedClass {
    WindowHarness h;
    QString path = h.write(QStringLiteral("period1.grs"));

    OpenedClass() { h.open(path); }
    // Runs File > Import Scores on `gradebook`, handing the window to `work`.
    bool importScores(const QByteArray& gradebook, std::function<void(ImportScoresDialog&)> work) {
        h.dialogs.openWith(writeFile(h.path(QStringLiteral("gradebook.csv")), gradebook));
        bool handled = false;
        whenModalShows<ImportScoresDialog>([&work](ImportScoresDialog* d) { work(*d); }, &handled);
        h.window->actions().importScores->trigger();
        return handled;
    }
};

}  // namespace

class EditingCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void cancelLeavesTheClassEqualAndOkTakesTheChangedOne() {
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
        QCOMPARE(h.dialogs.count(Kind::Choice), 4);
        QCOMPARE(h.dialogs.unanswered, 0);
        QCOMPARE(h.cls(), before);
        QVERIFY(!h.window->document().modified);

        // OK without a change is no change either.
        whenShown<StudentListDialog>([](StudentListDialog& d) { d.accept(); });
        h.window->actions().studentList->trigger();
        QVERIFY(!h.window->document().modified);

        // OK takes the changed class and rebuilds the table.
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
        const auto csv = [&h](const char* name, const QByteArray& bytes) {
            return writeFile(h.path(QLatin1String(name)), bytes);
        };
        const QString students = csv("students.csv", "name,id,comment\nAnn Lee,A-1,\"Front row.\nLikes maps.\"\n"
                                                     "Zo\xC3\xAB O'Brien,Z-2,\nBo Chen,B-3,\n");
        const QString quiz = csv("quiz.csv", "name,points\nAnn Lee,8\nZo\xC3\xAB O'Brien,9.5\nBo Chen,-\n");
        const QString test = csv("test.csv", "name,points\nAnn Lee,41\nZo\xC3\xAB O'Brien,47\nBo Chen,\n");
        QVERIFY(!students.isEmpty() && !quiz.isEmpty() && !test.isEmpty());

        const std::vector<Step> steps = {
            {QStringLiteral("new|FILE"), [](MainWindow& w) { w.newClass(); }},
            {QStringLiteral("import-students|FILE|") + students,
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
            {QStringLiteral("add-assignment|FILE|--title=Quiz 1|--type=Quiz|--total=10"), {}},
            {QStringLiteral("add-assignment|FILE|--title=Test 1|--type=Test|--description=Units 1-3"),
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
            {QStringLiteral("set-total|FILE|--index=2|50"), {}},
            {QStringLiteral("set-points|FILE|--index=1|") + quiz, {}},
            {QStringLiteral("set-points|FILE|--assignment=Test 1|") + test,
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
            {QStringLiteral("weights|FILE|0|60|40|0|0|0|--use"),
             [](MainWindow& w) {
                 whenModalShows<WeightsDialog>([](WeightsDialog* d) {
                     d->weightBox(1)->setValue(60);
                     d->weightBox(2)->setValue(40);
                     d->useBox()->setChecked(true);
                     d->accept();
                 });
                 w.actions().weightedGrades->trigger();
             }},
            {QStringLiteral("drop|FILE|overall"),
             [](MainWindow& w) {
                 whenModalShows<DropRuleDialog>([](DropRuleDialog* d) {
                     d->ruleButton(droprule::kLowestOverall)->click();
                     d->accept();
                 });
                 w.actions().dropLowest->trigger();
             }},
            // The scale is saved to this computer's scales, then given to the class.
            {QStringLiteral("scale|set|Pass at 72|pass-fail|72,100,0,71.9"), {}},
            {QStringLiteral("use-scale|FILE|Pass at 72"), [&h](MainWindow& w) { choosePassAt72(h.dialogs, w); }},
        };

        const QString byCli = h.path(QStringLiteral("cli.grs"));
        for (const Step& step : steps) {
            QStringList args = step.cli.split(QLatin1Char('|'));
            if (const qsizetype file = args.indexOf(QStringLiteral("FILE")); file >= 0) args.replace(file, byCli);
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

    void enterAddsWithZeroPointsForEveryStudentAndEscapeAsksFirst() {
        Editor e(smallClass());
        QCOMPARE(e.dialog.typeBox()->count(), 6);
        QCOMPARE(e.dialog.typeBox()->currentIndex(), -1);
        QCOMPARE(e.dialog.titleBox()->maxLength(), 255);
        e.type(QStringLiteral("Lab 1"), 4);
        typeInto(e.dialog.descriptionBox(), QStringLiteral("Pendulum"));
        // Enter in the description adds; it never breaks the line.
        QTest::keyClick(e.dialog.descriptionBox(), Qt::Key_Return);
        QVERIFY(e.dialog.isVisible());
        QCOMPARE(e.cls().assignments.size(), std::size_t(3));
        const AssignmentInfo& lab = e.cls().assignments[2];
        QCOMPARE(lab.title, std::string("Lab 1"));
        QCOMPARE(lab.assign_type, std::string("Lab"));
        QCOMPARE(lab.description, std::string("Pendulum"));
        QCOMPARE(lab.total, 0.0);
        QCOMPARE(lab.namegrade, (Entries{"Ann Lee~0", "Bob Stone~0", "Cleo Park~0"}));
        QVERIFY(e.dialog.titleBox()->text().isEmpty());
        QCOMPARE(e.dialog.typeBox()->currentIndex(), -1);
        QVERIFY(e.dialog.descriptionBox()->toPlainText().isEmpty());

        // Escape asks before the added assignment is thrown away.
        QTest::keyClick(e.dialog.titleBox(), Qt::Key_Escape);
        QVERIFY(e.dialog.isVisible());
        QCOMPARE(e.dialogs.texts(Kind::Choice),
                 QStringList{QStringLiteral("Discard what you typed in \"Assignment List\"?")});
        QCOMPARE(e.cls().assignments.size(), std::size_t(3));

        // With nothing typed it closes at once.
        Editor looked(smallClass());
        looked.choose(1);
        QTest::keyClick(looked.dialog.titleBox(), Qt::Key_Escape);
        QVERIFY(!looked.dialog.isVisible());
        QCOMPARE(looked.dialogs.count(Kind::Choice), 0);
    }

    void aTitleAndATypeAreNeeded() {
        Editor e(smallClass());
        e.type(QStringLiteral("Lab 1"), -1);
        QTest::keyClick(e.dialog.titleBox(), Qt::Key_Return);
        QCOMPARE(e.dialogs.texts(Kind::Warn), QStringList{QStringLiteral("Invalid assignment type!")});
        QVERIFY(e.dialog.typeBox()->hasFocus());

        // Update checks the same: a type taken away is refused.
        e.choose(0);
        e.dialog.typeBox()->setCurrentIndex(-1);
        e.button("updateButton")->click();
        QCOMPARE(e.dialogs.texts(Kind::Warn).back(), QStringLiteral("Invalid assignment type!"));
        e.dialog.typeBox()->setCurrentIndex(2);
        e.dialog.titleBox()->clear();
        e.button("updateButton")->click();
        QCOMPARE(e.dialogs.texts(Kind::Warn).back(), QStringLiteral("Invalid assignment title!"));
        QCOMPARE(e.cls(), smallClass());

        // A title the file cannot hold is only looked at once a type is chosen:
        // the box named by the message takes the focus.
        e.dialog.listPanel()->list()->clearSelection();
        e.dialog.titleBox()->setText(QStringLiteral("Lab \u0141"));  // pasted: no key types it
        e.dialog.typeBox()->setCurrentIndex(-1);
        e.dialog.titleBox()->setFocus();
        QTest::keyClick(e.dialog.titleBox(), Qt::Key_Return);
        QCOMPARE(e.dialogs.texts(Kind::Warn).back(), QStringLiteral("Invalid assignment type!"));
        QVERIFY(e.dialog.typeBox()->hasFocus());
        e.dialog.typeBox()->setCurrentIndex(4);
        QTest::keyClick(e.dialog.titleBox(), Qt::Key_Return);
        QVERIFY(e.dialogs.texts(Kind::Warn).back().contains(QStringLiteral("title")));
        QVERIFY(e.dialog.titleBox()->hasFocus());
        QCOMPARE(e.cls(), smallClass());
    }

    void aBackgroundClickLetsGoOfTheLineAndUpdateKeepsThePoints() {
        Editor e(smallClass());
        e.choose(1);
        QCOMPARE(e.dialog.titleBox()->text(), QStringLiteral("Test 1"));
        QCOMPARE(e.dialog.typeBox()->currentText(), QStringLiteral("Test"));
        // A click on the group (it is background too) empties the boxes.
        QWidget* group = e.list()->parentWidget()->parentWidget();
        QTest::mouseClick(group, Qt::LeftButton, {}, QPoint(group->width() - 3, 3));
        QCOMPARE(e.dialog.shownRecord(), -1);
        QVERIFY(e.list()->selectedItems().isEmpty());
        e.type(QStringLiteral("Quiz 2"), 2);
        QTest::keyClick(e.dialog.titleBox(), Qt::Key_Enter);
        QCOMPARE(e.cls().assignments.size(), std::size_t(3));
        QCOMPARE(e.cls().assignments[1].title, std::string("Test 1"));

        // Update keeps the points and the total.
        e.choose(0);
        e.type(QStringLiteral("Pop quiz"), 1);
        QTest::keyClick(e.dialog.titleBox(), Qt::Key_Return);
        const AssignmentInfo& quiz = e.cls().assignments[0];
        QCOMPARE(quiz.title, std::string("Pop quiz"));
        QCOMPARE(quiz.assign_type, std::string("Test"));
        QCOMPARE(quiz.total, 10.0);
        QCOMPARE(quiz.namegrade, smallClass().assignments[0].namegrade);
        QCOMPARE(e.list()->item(0)->text(), QStringLiteral("Pop quiz"));

        e.choose(1);
        QTest::keyClick(e.list(), Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(e.cls().assignments[0].title, std::string("Test 1"));
        QCOMPARE(e.dialog.shownRecord(), 0);
    }

    void importedAssignmentsStartAtZero() {
        QTemporaryDir folder;
        ClassRecord other = smallClass();
        other.assignments[1].description = "Units 1-3";
        const QString otherPath = folder.filePath(QStringLiteral("other.grs"));
        QVERIFY(writeGradeFile(otherPath, other).ok());

        ClassRecord mine = smallClass();
        mine.students.resize(2);
        mine.comments.resize(2);
        mine.assignments.clear();
        Editor e(mine, folder.filePath(QStringLiteral("mine.grs")));
        e.dialogs.openWith(otherPath);
        whenShown<ImportAssignmentsDialog>([](ImportAssignmentsDialog& picker) {
            picker.fileChooser()->chooseFile();
            QCOMPARE(picker.assignmentList()->topLevelItemCount(), 2);
            QCOMPARE(picker.assignmentList()->topLevelItem(1)->text(2), QStringLiteral("Units 1-3"));
            picker.assignmentList()->topLevelItem(1)->setSelected(true);
            picker.accept();
        });
        e.button("importButton")->click();
        QCOMPARE(e.cls().assignments.size(), std::size_t(1));
        const AssignmentInfo& test = e.cls().assignments[0];
        QCOMPARE(test.title, std::string("Test 1"));
        QCOMPARE(test.description, std::string("Units 1-3"));
        QCOMPARE(test.total, 0.0);
        QCOMPARE(test.namegrade, (Entries{"Ann Lee~0", "Bob Stone~0"}));
    }

    void theListPrintsAsATable() {
        QTemporaryDir folder;
        Editor e(smallClass(), QStringLiteral("/classes/period3.grs"));
        const QString pdf = folder.filePath(QStringLiteral("assignments.pdf"));
        e.dialogs.printToPdf(pdf);
        e.button("printButton")->click();
        QVERIFY(QFileInfo(pdf).size() > 0);
        if (!havePdfToText()) QSKIP("pdftotext is not installed");
        const QString text = pdfText(pdf);
        for (const char* expected :
             {"Assignment Information", "/classes/period3.grs", "Title", "Description", "Quiz 1", "Test", "< None >"}) {
            QVERIFY2(text.contains(QLatin1String(expected)), expected);
        }
    }

    void anAltLetterNoControlHasTypesNothing() {
        Editor e(smallClass());
        QVERIFY(showActive(e.dialog));
        e.type(QStringLiteral("Lab"), 4);
        // Alt+I and Alt+Shift+I lead nowhere in this dialog: the title stays as typed.
        QVERIFY(!offeredAltLetters(e.dialog).contains(QLatin1Char('i')));
        QTest::keyClick(e.dialog.titleBox(), Qt::Key_I, Qt::AltModifier);
        QTest::keyClick(e.dialog.titleBox(), Qt::Key_I, Qt::AltModifier | Qt::ShiftModifier);
        QCOMPARE(e.dialog.titleBox()->text(), QStringLiteral("Lab"));
        QVERIFY(e.dialog.titleBox()->hasFocus());
        // Alt with a letter a control has still goes to it; plain letters still type.
        QVERIFY(pressLetterUntil(&e.dialog, Qt::Key_A, [&] { return e.cls().assignments.size() == 3; }));
        QTest::keyClicks(e.dialog.titleBox(), QStringLiteral("i"));
        QCOMPARE(e.dialog.titleBox()->text(), QStringLiteral("i"));
    }

    void showsOneAssignmentAtATimeAndSwitchingKeepsTheLastValueTyped() {
        Entry e(smallClass());
        QCOMPARE(e.dialog.assignmentChoice()->count(), 2);
        QCOMPARE(e.dialog.assignmentChoice()->currentText(), QStringLiteral("Quiz 1"));
        QCOMPARE(e.dialog.totalBox()->text(), QStringLiteral("10"));
        const Sheet* sheet = e.grid()->sheet();
        QCOMPARE(sheet->maxRow(), 3);
        QCOMPARE(sheet->text(3, 1), QStringLiteral("Cleo Park"));
        QCOMPARE(sheet->text(3, 2), QStringLiteral("-"));
        e.dialog.assignmentChoice()->setCurrentIndex(1);
        QCOMPARE(e.dialog.totalBox()->text(), QStringLiteral("100"));
        QCOMPARE(e.grid()->sheet()->text(1, 2), QStringLiteral("90"));

        // Switching keeps the last value typed.
        e.dialog.assignmentChoice()->setCurrentIndex(0);
        e.enter(1, QStringLiteral("9"));
        e.typeInto(3, QStringLiteral(" "));  // left blank: 0 points
        e.dialog.assignmentChoice()->setCurrentIndex(1);
        e.enter(2, QStringLiteral("-"));
        e.dialog.totalBox()->setText(QStringLiteral("120"));
        e.dialog.accept();
        QCOMPARE(e.cls().assignments[0].namegrade, (Entries{"Ann Lee~9", "Bob Stone~6", "Cleo Park~0"}));
        QCOMPARE(e.cls().assignments[1].namegrade, (Entries{"Ann Lee~90", "Bob Stone~-", "Cleo Park~80"}));
        QCOMPARE(e.cls().assignments[1].total, 120.0);
        QCOMPARE(e.cls().assignments[0].total, 10.0);
    }

    void anUncommittedCellSurvivesOk() {
        Entry e(smallClass());
        e.typeInto(2, QStringLiteral("7.5"));
        e.button("okButton")->click();
        QCOMPARE(e.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(e.cls().assignments[0].namegrade, (Entries{"Ann Lee~8", "Bob Stone~7.5", "Cleo Park~-"}));
    }

    void textThatIsNotPointsIsRefusedAndKeepsTheCell() {
        Entry e(smallClass());
        e.enter(1, QStringLiteral("12-"));
        QCOMPARE(e.dialogs.texts(Kind::Warn), QStringList{notPointsMessage(QStringLiteral("12-"))});
        QCOMPARE(e.grid()->sheet()->text(1, 2), QStringLiteral("8"));
        QCOMPARE(e.cls().assignments[0].namegrade[0], std::string("Ann Lee~8"));

        // A refused cell keeps the dialog on its assignment.
        e.typeInto(2, QStringLiteral("1e5"));
        e.dialog.assignmentChoice()->setCurrentIndex(1);
        QCOMPARE(e.dialog.assignmentChoice()->currentIndex(), 0);
        QCOMPARE(e.dialog.shownAssignment(), 0);
        e.typeInto(2, QStringLiteral("abc"));
        e.dialog.accept();
        QVERIFY(e.dialog.isVisible());
        QCOMPARE(e.dialogs.count(Kind::Warn), 3);
        QCOMPARE(e.cls(), smallClass());
    }

    void twoStudentsOfOneNameKeepTheirOwnPoints() {
        ClassRecord cls = smallClass();
        cls.students[2].name = "Ann Lee";
        cls.comments[2].name = "Ann Lee";
        for (AssignmentInfo& a : cls.assignments)
            a.namegrade[2] = makePointEntry("Ann Lee", splitPointEntry(a.namegrade[2]).points);
        Entry e(cls);
        QCOMPARE(e.grid()->sheet()->maxRow(), 3);
        e.enter(3, QStringLiteral("4"));
        e.dialog.accept();
        QCOMPARE(e.cls().assignments[0].namegrade, (Entries{"Ann Lee~8", "Bob Stone~6", "Ann Lee~4"}));
    }

    void aBadTotalBlocksSwitchingAndOk() {
        Entry e(smallClass());
        e.dialog.totalBox()->setText(QStringLiteral("."));
        e.dialog.assignmentChoice()->setCurrentIndex(1);
        QCOMPARE(e.dialog.shownAssignment(), 0);
        QCOMPARE(e.dialogs.count(Kind::Warn), 1);
        e.dialog.accept();
        QVERIFY(e.dialog.isVisible());
        QCOMPARE(e.dialogs.count(Kind::Warn), 2);

        // The validator lets no letter in; an emptied box reads 0.
        e.dialog.totalBox()->clear();
        e.dialog.totalBox()->setFocus();
        QTest::keyClicks(e.dialog.totalBox(), QStringLiteral("a1b2"));
        QCOMPARE(e.dialog.totalBox()->text(), QStringLiteral("12"));
        e.dialog.totalBox()->clear();
        e.grid()->setFocus();
        QCOMPARE(e.dialog.totalBox()->text(), QStringLiteral("0"));
        e.dialog.accept();
        QCOMPARE(e.cls().assignments[0].total, 0.0);
    }

    void clearAsksFirstAndEmptiesTheAssignment() {
        Entry e(smallClass());
        const Entries quiz{"Ann Lee~8", "Bob Stone~6", "Cleo Park~-"};

        // Clear names the assignment and does nothing unless confirmed.
        e.button("clearButton")->click();
        QCOMPARE(e.dialogs.texts(Kind::Choice), QStringList{QStringLiteral("Clear all points of \"Quiz 1\"?")});
        QCOMPARE(e.dialogs.choiceButtons.back(), (QStringList{QStringLiteral("Clear"), QStringLiteral("Cancel")}));
        QCOMPARE(e.cls().assignments[0].namegrade, quiz);
        QCOMPARE(e.dialog.totalBox()->text(), QStringLiteral("10"));

        e.typeInto(1, QStringLiteral("5"));
        e.dialogs.choose(0);
        e.button("clearButton")->click();
        QVERIFY(!e.grid()->isEditing());
        QCOMPARE(e.dialog.totalBox()->text(), QStringLiteral("0"));
        QCOMPARE(e.grid()->sheet()->text(1, 2), QStringLiteral("0"));
        QCOMPARE(e.cls().assignments[0].namegrade, (Entries{"Ann Lee~0", "Bob Stone~0", "Cleo Park~0"}));
    }

    void escapeAndCloseAskOnlyWhenPointsWereTyped() {
        // Looking at another assignment types nothing: Escape closes at once.
        Entry looked(smallClass());
        looked.dialog.assignmentChoice()->setCurrentIndex(1);
        QTest::keyClick(looked.grid(), Qt::Key_Escape);
        QVERIFY(!looked.dialog.isVisible());
        QCOMPARE(looked.dialogs.count(Kind::Choice), 0);

        // Points typed and stored, a cell still being typed, a total changed:
        // each is kept by Escape or the close button until the teacher discards it.
        Entry stored(smallClass());
        stored.enter(1, QStringLiteral("7"));
        QTest::keyClick(stored.grid(), Qt::Key_Escape);
        QVERIFY(stored.dialog.isVisible());
        QCOMPARE(stored.dialogs.count(Kind::Choice), 1);

        Entry typing(smallClass());
        typing.typeInto(2, QStringLiteral("9"));
        QVERIFY(!typing.dialog.close());
        QVERIFY(typing.dialog.isVisible());
        QCOMPARE(typing.dialogs.count(Kind::Choice), 1);

        Entry total(smallClass());
        typeInto(total.dialog.totalBox(), QStringLiteral("12"));
        total.dialogs.choose(0);
        QTest::keyClick(total.dialog.totalBox(), Qt::Key_Escape);
        QCOMPARE(total.dialogs.count(Kind::Choice), 1);
        QVERIFY(!total.dialog.isVisible());
        QCOMPARE(total.dialog.result(), int(QDialog::Rejected));
    }

    void enterOnANameDoesNotCloseTheDialog() {
        Entry e(smallClass());
        e.grid()->setFocus();
        e.grid()->setActiveCell(2, 1);
        QTest::keyClick(e.grid(), Qt::Key_Return);
        QVERIFY(e.dialog.isVisible());
        QTest::keyClick(e.dialog.totalBox(), Qt::Key_Return);  // on to the grid
        QVERIFY(e.dialog.isVisible());
        QVERIFY(e.grid()->hasFocus());
        QTest::keyClick(e.grid(), Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(e.dialog.result(), int(QDialog::Accepted));
    }

    void enterChoosesAFileThenImportsTheSelectedNames() {
        QTemporaryDir folder;
        ClassRecord other = smallClass();
        other.students[0].name = "Dee Ross";
        other.students[1].name = "Eve Ng";
        other.students[2].name = "Fay Lu";
        const QString otherPath = writeClass(folder.path(), QStringLiteral("other.grs"), other);

        for (const bool fromTheList : {false, true}) {
            Picker p;
            QVERIFY(p.browse()->isDefault());  // nothing listed yet: Enter asks for a file
            p.dialogs.openWith(otherPath);
            QTest::keyClick(p.browse(), Qt::Key_Return);
            QCOMPARE(p.dialogs.count(Kind::OpenFile), 1);
            QCOMPARE(p.dialog.studentList()->count(), 3);
            QVERIFY(okButton(p.dialog)->isDefault());
            QVERIFY(!p.browse()->isDefault());

            p.dialog.studentList()->item(1)->setSelected(true);
            // Back from the file dialog the focus may be on Browse again: Enter
            // still imports, and asks for no other file.
            QWidget* focus = fromTheList ? static_cast<QWidget*>(p.dialog.studentList()) : p.browse();
            focus->setFocus();
            QTest::keyClick(focus, Qt::Key_Return);
            QCOMPARE(p.dialogs.count(Kind::OpenFile), 1);
            QCOMPARE(p.dialog.result(), int(QDialog::Accepted));
            QCOMPARE(namesOf(p.dialog.selectedStudents()), QStringList{QStringLiteral("Eve Ng")});
        }

        // A path typed into the File box, and Enter, lists the file's students;
        // a path of no class says so and stays to be corrected.
        Picker typed;
        auto* box = typed.dialog.fileChooser()->findChild<QLineEdit*>(QStringLiteral("fileBox"));
        QVERIFY(!box->isReadOnly());
        box->setFocus();
        QTest::keyClicks(box, folder.filePath(QStringLiteral("none.grs")));
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(typed.dialogs.count(Kind::Warn), 1);
        QCOMPARE(typed.dialog.result(), 0);  // still open
        QCOMPARE(typed.dialog.studentList()->count(), 0);
        box->clear();
        QTest::keyClicks(box, otherPath);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(typed.dialog.studentList()->count(), 3);
        QCOMPARE(typed.dialogs.count(Kind::OpenFile), 0);
    }

    void aCsvFileIsListedAndImportedWithEveryDetailOrRefusedWhole() {
        QTemporaryDir folder;
        const QString csv = writeFile(folder.filePath(QStringLiteral("roster.csv")),
                                      "name,id,city,comment\n"
                                      " Dee Ross ,D-4,Springfield,\"Front row.\nLikes maps.\"\n"
                                      "Eve Ng,E-5,,\n"
                                      "Fay Lu,F-6,,\n");
        Picker p;
        p.dialogs.openWith(csv);
        p.dialog.fileChooser()->chooseFile();
        const QStringList filters = p.dialogs.fileRequests.front().filters;
        QVERIFY2(filters.front().contains(QStringLiteral("*.grs")) && filters.front().contains(QStringLiteral("*.csv")),
                 qPrintable(filters.join(u'|')));
        QCOMPARE(p.dialogs.messages(), QStringList());
        QCOMPARE(p.pathShown(), QDir::toNativeSeparators(csv));
        QCOMPARE(p.dialog.studentList()->count(), 3);
        QCOMPARE(p.dialog.studentList()->selectedItems().size(), 3);  // every row, as the command takes them
        p.dialog.studentList()->item(1)->setSelected(false);
        QTest::keyClick(p.dialog.studentList(), Qt::Key_Return);
        QCOMPARE(p.dialog.result(), int(QDialog::Accepted));

        ClassRecord cls = p.into;
        const StudentImport report = p.dialog.importSelected(cls);
        QCOMPARE(report.message(), QString());
        QCOMPARE(cls.students.size(), std::size_t(5));
        QCOMPARE(cls.students[3].name, std::string("Dee Ross"));
        QCOMPARE(cls.students[3].id, std::string("D-4"));
        QCOMPARE(cls.students[3].city, std::string("Springfield"));
        QCOMPARE(cls.comments[3], (CommentInfo{"Dee Ross", "Front row.\r\nLikes maps."}));
        QCOMPARE(cls.students[4].name, std::string("Fay Lu"));
        QCOMPARE(cls.assignments[1].namegrade.back(), std::string("Fay Lu~0"));

        // A file with a refused row is refused whole, with the command line's messages.
        const QString refusedCsv = writeFile(folder.filePath(QStringLiteral("refused.csv")),
                                             "name,city\nDee Ross,X\nann lee,Y\n\"Eve\nNg\",Z\nFay %1,Oak\tRidge\n");
        Picker refused;
        refused.dialogs.openWith(refusedCsv);
        refused.dialog.fileChooser()->chooseFile();
        const QString shown = refused.dialogs.onlyText(Kind::Warn);
        QCOMPARE(shown, refusedCsv + QStringLiteral(": line 3: \"ann lee\" is already in the class\n") + refusedCsv +
                            QStringLiteral(": line 4: The name cannot hold a line break: \"Eve Ng\".\n") + refusedCsv +
                            QStringLiteral(": line 6: The city cannot hold a tab: \"Oak Ridge\".\n") + refusedCsv +
                            QStringLiteral(": 3 rows refused; nothing was written"));
        QCOMPARE(refused.dialog.studentList()->count(), 0);
        QCOMPARE(refused.pathShown(), QString());
        QVERIFY(!okButton(refused.dialog)->isEnabled());

        // markwell-cli refuses the same file for the same class with the same lines.
        const QString grs = writeClass(folder.path(), QStringLiteral("class.grs"), refused.into);
        const test::CliRun run = test::runCli({QStringLiteral("import-students"), grs, refusedCsv});
        QCOMPARE(run.exitCode, 1);
        QStringList expected;
        for (const QString& line : shown.split(u'\n')) expected << QStringLiteral("markwell-cli: ") + line;
        QCOMPARE(run.err, expected.join(u'\n') + u'\n');
    }

    void thePreviewListsTheChangesAndOneUndoTakesTheImportBack() {
        OpenedClass c;
        MainWindow& w = *c.h.window;
        const QByteArray before = documentFiles(w.document());

        const QStringList changes{QStringLiteral("Ann Lee|Quiz 1|8|9|"), QStringLiteral("Bob Stone|Quiz 1|6|-|"),
                                  QStringLiteral("Bob Stone|Test 1|70|75|")};
        // Looked at and cancelled: nothing changes.
        QVERIFY(c.importScores(kGradebook, [&](ImportScoresDialog& d) {
            QCOMPARE(previewRows(d), changes);
            QVERIFY(
                d.countsLabel()->text().startsWith(QStringLiteral("3 scores changed, 1 unchanged, 0 new assignments, "
                                                                  "0 new students, 0 refused cells")));
            QVERIFY(d.importButton()->isEnabled());
            QCOMPARE(d.studentTable()->item(0, ImportScoresDialog::StudentCol)->text(), QStringLiteral("Ann Lee"));
            QCOMPARE(d.studentTable()->item(0, ImportScoresDialog::RowNoteCol)->text(), QStringLiteral("by ID"));
            QCOMPARE(documentFiles(w.document()), before);
            QCOMPARE(clashingAltLetters(d), QStringList());
            d.reject();
        }));
        QCOMPARE(documentFiles(w.document()), before);
        QVERIFY(!w.document().modified);

        QVERIFY(c.importScores(kGradebook, [](ImportScoresDialog& d) { d.importButton()->click(); }));
        const ClassRecord& cls = c.h.cls();
        QCOMPARE(cls.assignments[0].namegrade, (std::vector<std::string>{"Ann Lee~9", "Bob Stone~-", "Cleo Park~-"}));
        QCOMPARE(cls.assignments[1].namegrade,
                 (std::vector<std::string>{"Ann Lee~90", "Bob Stone~75", "Cleo Park~80"}));
        QVERIFY(w.document().modified);
        QCOMPARE(w.actions().undo->text(), QStringLiteral("&Undo Import Scores"));
        const QByteArray after = documentFiles(w.document());

        w.actions().undo->trigger();
        QCOMPARE(documentFiles(w.document()), before);
        QVERIFY(!w.document().modified);
        w.actions().redo->trigger();
        QCOMPARE(documentFiles(w.document()), after);

        // The same file again: nothing left to import.
        QVERIFY(c.importScores(kGradebook, [](ImportScoresDialog& d) {
            QVERIFY(previewRows(d).isEmpty());
            QVERIFY(!d.importButton()->isEnabled());
            d.reject();
        }));
    }

    void exportForCanvasWritesTheScoresCanvasTakesAndARefusedCellStopsImportUntilSettled() {
        OpenedClass c;
        const QString out = c.h.path(QStringLiteral("period1-canvas.csv"));
        c.h.dialogs.saveAs(out);
        c.h.window->actions().exportForCanvas->trigger();
        QCOMPARE(c.h.dialogs.fileRequests.back().fileName, QStringLiteral("period1-canvas.csv"));
        QCOMPARE(fileContents(out), QByteArray("Student,ID,SIS User ID,SIS Login ID,Section,Quiz 1,Test 1\r\n"
                                               "Points Possible,,,,,10,100\r\n"
                                               "Ann Lee,,A-1,,,8,90\r\n"
                                               "Bob Stone,,B-2,,,6,70\r\n"
                                               "Cleo Park,,C-3,,,EX,80\r\n"));
        QVERIFY(!c.h.window->document().modified);

        const QByteArray before = documentFiles(c.h.window->document());
        const QByteArray gradebook = "Student,SIS User ID,Quiz 1 (11),Test 1 (12)\n"
                                     "\"Lee, Ann\",A-1,B+,91\n"
                                     "\"Zee, Zed\",Z-9,7,50\n";
        QVERIFY(c.importScores(gradebook, [](ImportScoresDialog& d) {
            QCOMPARE(problemsShown(d),
                     (QStringList{QStringLiteral("line 2: column 3 (Quiz 1 (11)): \"B+\" is not a score"),
                                  QStringLiteral("line 3: no student of the class matches \"Zee, Zed\"")}));
            QVERIFY(!d.importButton()->isEnabled());
            QVERIFY(d.countsLabel()->text().contains(QStringLiteral("1 refused cell")));

            // The teacher leaves Zed out, then ignores the Quiz 1 column.
            QCOMPARE(d.rowChoices().at(1), QStringLiteral("Leave out"));
            QVERIFY(pickInCell(d.studentTable(), 1, ImportScoresDialog::StudentCol, 1));
            QCOMPARE(problemsShown(d).size(), 1);
            QCOMPARE(d.studentTable()->item(1, ImportScoresDialog::StudentCol)->text(), QStringLiteral("(left out)"));
            QVERIFY(!d.importButton()->isEnabled());
            QCOMPARE(d.columnChoices().at(0), QStringLiteral("Ignore"));
            QVERIFY(pickInCell(d.columnTable(), 2, ImportScoresDialog::UseCol, 0));
            QVERIFY(problemsShown(d).isEmpty());
            QCOMPARE(previewRows(d), QStringList{QStringLiteral("Ann Lee|Test 1|90|91|")});
            d.importButton()->click();
        }));
        QCOMPARE(c.h.cls().assignments[0].namegrade[0], std::string("Ann Lee~8"));
        QCOMPARE(c.h.cls().assignments[1].namegrade[0], std::string("Ann Lee~91"));
        c.h.window->actions().undo->trigger();
        QCOMPARE(documentFiles(c.h.window->document()), before);

        // The next Canvas file finds Quiz 1 ignored, as the teacher left it.
        QVERIFY(c.importScores(kGradebook, [](ImportScoresDialog& d) {
            QCOMPARE(d.columnTable()->item(5, ImportScoresDialog::UseCol)->text(), QStringLiteral("Ignore"));
            QCOMPARE(previewRows(d), QStringList{QStringLiteral("Bob Stone|Test 1|70|75|")});
            d.reject();
        }));
    }
};

MARKWELL_GUI_TEST_MAIN(EditingCommandsTest)
#include "EditingCommandsTest.moc"
