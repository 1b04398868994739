// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// File > Import Scores as a teacher works it: the preview lists every change
// and nothing changes before Import; one Undo gives the class back to the
// byte; a refused cell stops Import and says where until it is settled; the
// choices made come back for the next file of that layout. File > Export >
// For Canvas writes the file Canvas takes.

#include "gui/editors/ImportScoresDialog.h"
#include "gui/sheetview/SheetView.h"
#include "tests/gui/support/AltLetters.h"
#include "tests/gui/support/ClassFixtures.h"
#include "tests/gui/support/GuiTestMain.h"
#include "tests/gui/support/ModalDialogs.h"
#include "tests/gui/support/ShownText.h"
#include "tests/support/TestFiles.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

using namespace markwell;
using namespace markwell::testing;
using Kind = ScriptedDialogs::Kind;

namespace {

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

class ImportScoresWindowTest : public QObject {
    Q_OBJECT
private slots:
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

    void aRefusedCellOrAnUnknownRowStopsImportUntilSettled() {
        OpenedClass c;
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
            d.studentTable()->item(1, ImportScoresDialog::StudentCol)->setData(Qt::UserRole, 1);
            QCOMPARE(problemsShown(d).size(), 1);
            QCOMPARE(d.studentTable()->item(1, ImportScoresDialog::StudentCol)->text(), QStringLiteral("(left out)"));
            QVERIFY(!d.importButton()->isEnabled());
            QCOMPARE(d.columnChoices().at(0), QStringLiteral("Ignore"));
            d.columnTable()->item(2, ImportScoresDialog::UseCol)->setData(Qt::UserRole, 0);
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

    void exportForCanvasWritesTheScoresCanvasTakes() {
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
    }
};

MARKWELL_GUI_TEST_MAIN(ImportScoresWindowTest)
#include "ImportScoresWindowTest.moc"
