// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Grade entry: one assignment at a time, points through the shared rule,
// the last value typed kept when switching and on OK.

#include "core/data/PointEntry.h"
#include "core/editing/Validators.h"
#include "gui/editors/EditGradesDialog.h"
#include "tests/gui/support/ClassFixtures.h"
#include "tests/gui/support/GuiTestMain.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using namespace markwell;
using namespace markwell::testing;
using Kind = ScriptedDialogs::Kind;

namespace {

using Entries = std::vector<std::string>;

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

}  // namespace

class EditGradesDialogTest : public QObject {
    Q_OBJECT
private slots:
    void showsOneAssignmentAtATime() {
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
    }

    void anUncommittedCellSurvivesOk() {
        Entry e(smallClass());
        e.typeInto(2, QStringLiteral("7.5"));
        e.button("okButton")->click();
        QCOMPARE(e.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(e.cls().assignments[0].namegrade, (Entries{"Ann Lee~8", "Bob Stone~7.5", "Cleo Park~-"}));
    }

    void switchingKeepsTheLastTypedValue() {
        Entry e(smallClass());
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
};

MARKWELL_GUI_TEST_MAIN(EditGradesDialogTest)
#include "EditGradesDialogTest.moc"
