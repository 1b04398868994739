// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The grade history in the window: each save is one entry naming its undo
// steps, a renamed student keeps their lines; File > History... lists what changed,
// filtered, copied and exported; a student is forgotten after the teacher
// says so; the individual report's Why page says when a score last changed
// and its History button shows the student's lines.

#include "core/editing/ClassChanges.h"
#include "core/editing/StudentEditing.h"
#include "core/files/GradeFile.h"
#include "core/history/GradeHistory.h"
#include "gui/reports/HistoryWindow.h"
#include "gui/reports/IndividualReportWindow.h"
#include "gui/sheetview/SheetView.h"
#include "tests/gui/support/ClassFixtures.h"
#include "tests/gui/support/GuiTestMain.h"
#include "tests/gui/support/ModalDialogs.h"
#include "tests/gui/support/ShownText.h"
#include "tests/support/TestFiles.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

using namespace markwell;
using namespace markwell::testing;

namespace {

// The class opened in the window, then changed by another program: Ann's
// quiz from 8 to 9, Bob's from 6 to "-".
QString openAndChangeOutside(WindowHarness& h) {
    QString path = h.write(QStringLiteral("period1.grs"));
    h.open(path);
    ClassRecord changed = smallClass();
    changed.assignments[0].namegrade[0] = "Ann Lee~9";
    changed.assignments[0].namegrade[1] = "Bob Stone~-";
    h.write(QStringLiteral("period1.grs"), changed);
    return path;
}

}  // namespace

class HistoryWindowTest : public QObject {
    Q_OBJECT
private slots:
    void eachSaveIsOneEntryWithItsStepsAndARenameKeepsTheStudentsLines() {
        WindowHarness h;
        const QString path = h.write(QStringLiteral("period1.grs"));
        h.open(path);
        ClassRecord edited = h.cls();
        edited.assignments[0].namegrade[0] = "Ann Lee~10";
        QVERIFY(h.window->history().apply(editedClassChange(QStringLiteral("Edit Grades"), edited)).ok());
        h.window->saveClass();
        StudentForm form = studentForm(edited.students[0], "");
        form[StudentField::Name] = QStringLiteral("Ann Park");
        const Result<std::optional<StudentRename>> renamed = updateStudent(edited, 0, form);
        QVERIFY(renamed && *renamed);
        QVERIFY(
            h.window->history().apply(editedClassChange(QStringLiteral("Edit Students"), edited, {**renamed})).ok());
        h.window->saveClass();

        GradeHistory history;
        const Result<std::vector<HistoryLine>> lines = history.lines(path, {QStringLiteral("Ann Park")});
        QVERIFY(lines);
        QCOMPARE(lines->size(), 2u);
        const HistoryLine& rename = lines->front();
        QCOMPARE(rename.what, DifferenceKind::StudentRenamed);
        QCOMPARE(rename.oldValue + u'>' + rename.newValue, QStringLiteral("Ann Lee>Ann Park"));
        QCOMPARE(rename.steps, QStringList{QStringLiteral("Edit Students")});
        const HistoryLine& score = lines->back();
        QCOMPARE(score.source, HistorySource::Window);
        QCOMPARE(score.student + u'|' + score.oldValue + u'|' + score.newValue, QStringLiteral("Ann Park|8|10"));
        QCOMPARE(score.steps, QStringList{QStringLiteral("Edit Grades")});
        QVERIFY(score.entry != rename.entry);
    }

    void aChangeOutsideIsListedFilteredCopiedExportedAndAStudentForgotten() {
        WindowHarness h;
        const QString path = openAndChangeOutside(h);
        const QString csv = h.path(QStringLiteral("history.csv"));
        h.dialogs.saves.push_back(UserDialogs::SaveChoice{csv, {}});
        h.dialogs.choose(0);  // Forget

        bool handled = false;
        whenModalShows<HistoryWindow>(
            [&](HistoryWindow* w) {
                const Sheet& table = w->table();
                QCOMPARE(table.maxRow(), 3);
                QCOMPARE(rowText(table, 2, 2), QStringLiteral("changed outside Markwell|Ann Lee|Quiz 1|8|9|score"));
                QCOMPARE(rowText(table, 3, 2), QStringLiteral("changed outside Markwell|Bob Stone|Quiz 1|6|-|score"));
                QVERIFY(!w->forgetButton()->isEnabled());  // no student chosen

                w->studentFilter()->setCurrentText(QStringLiteral("Bob Stone"));
                QCOMPARE(table.maxRow(), 2);
                w->copyLines();
                QVERIFY(QApplication::clipboard()->text().endsWith(QStringLiteral("Bob Stone\tQuiz 1\t6\t-\tscore\n")));
                w->exportCsv();
                QVERIFY(fileContents(csv).contains("Bob Stone,Quiz 1,6,-,score"));

                QVERIFY(w->forgetButton()->isEnabled());
                w->forgetStudent();
                QCOMPARE(table.maxRow(), 1);
                w->studentFilter()->setCurrentIndex(0);
                QCOMPARE(table.maxRow(), 2);  // Ann's line stays
                w->reject();
            },
            &handled);
        h.window->actions().gradeHistory->trigger();
        QVERIFY(handled);
        QVERIFY(h.dialogs.choiceButtons.back().contains(QStringLiteral("&Keep")));
        QCOMPARE(readGradeFile(path).value().assignments[0].namegrade[1], std::string("Bob Stone~-"));
    }

    void theIndividualReportSaysWhenAScoreLastChanged() {
        WindowHarness h;
        const QString path = openAndChangeOutside(h);
        h.open(path);  // the change is recorded as the class opens again
        h.window->actions().individualReport->trigger();
        auto* report = h.window->findChild<IndividualReportWindow*>();
        QVERIFY(report);
        const Sheet& why = report->whySheet();
        QCOMPARE(why.text(1, 6), QStringLiteral("Last change"));
        QVERIFY(why.text(2, 6).startsWith(QStringLiteral("changed on ")));
        QVERIFY(why.text(2, 6).endsWith(QStringLiteral(" from 8 to 9")));
        QCOMPARE(why.text(3, 6), QString());  // Test 1 never changed

        bool handled = false;
        whenModalShows<HistoryWindow>(
            [](HistoryWindow* w) {
                QCOMPARE(w->studentFilter()->currentText(), QStringLiteral("Ann Lee"));
                QCOMPARE(w->table().maxRow(), 2);
                w->reject();
            },
            &handled);
        report->historyButton()->click();
        QVERIFY(handled);
        report->close();
    }
};

MARKWELL_GUI_TEST_MAIN(HistoryWindowTest)
#include "HistoryWindowTest.moc"
