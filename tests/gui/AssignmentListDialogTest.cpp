// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The Assignment List: title, type and description, Enter, the background,
// import and the printout.

#include "core/files/GradeFile.h"
#include "gui/editors/AssignmentListDialog.h"
#include "gui/editors/GradeFileChooser.h"
#include "gui/editors/ImportAssignmentsDialog.h"
#include "gui/editors/RecordListPanel.h"
#include "tests/gui/support/AltLetters.h"
#include "tests/gui/support/ClassFixtures.h"
#include "tests/gui/support/GuiTestMain.h"
#include "tests/gui/support/ModalDialogs.h"
#include "tests/support/PdfText.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

using namespace markwell;
using namespace markwell::testing;
using Kind = ScriptedDialogs::Kind;
using Answer = UserDialogs::Answer;

namespace {

using Entries = std::vector<std::string>;

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

}  // namespace

class AssignmentListDialogTest : public QObject {
    Q_OBJECT
private slots:
    void enterAddsWithZeroPointsForEveryStudent() {
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

    void aBackgroundClickLetsGoOfTheLine() {
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
    }

    void updateKeepsPointsAndTotal() {
        Editor e(smallClass());
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

    void escapeAsksBeforeDiscardingTheList() {
        Editor e(smallClass());
        e.choose(1);
        QTest::keyClick(e.dialog.titleBox(), Qt::Key_Escape);  // nothing typed: closes at once
        QVERIFY(!e.dialog.isVisible());
        QCOMPARE(e.dialogs.count(Kind::Choice), 0);

        Editor added(smallClass());
        added.type(QStringLiteral("Lab 1"), 4);
        QTest::keyClick(added.dialog.titleBox(), Qt::Key_Return);
        QCOMPARE(added.cls().assignments.size(), std::size_t(3));
        QTest::keyClick(added.dialog.titleBox(), Qt::Key_Escape);
        QVERIFY(added.dialog.isVisible());
        QCOMPARE(added.dialogs.texts(Kind::Choice),
                 QStringList{QStringLiteral("Discard what you typed in \"Assignment List\"?")});
        QCOMPARE(added.cls().assignments.size(), std::size_t(3));
    }
};

MARKWELL_GUI_TEST_MAIN(AssignmentListDialogTest)
#include "AssignmentListDialogTest.moc"
