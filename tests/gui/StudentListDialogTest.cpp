// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The Student List as a teacher works it: choosing, typing, Enter, the
// background, the buttons and keys, importing, printing and closing.

#include "core/common/Cp1252.h"
#include "core/data/PointEntry.h"
#include "core/editing/Validators.h"
#include "core/files/GradeFile.h"
#include "gui/editors/GradeFileChooser.h"
#include "gui/editors/ImportStudentsDialog.h"
#include "gui/editors/RecordListPanel.h"
#include "gui/editors/StudentListDialog.h"
#include "tests/gui/support/AltLetters.h"
#include "tests/gui/support/ClassFixtures.h"
#include "tests/gui/support/GuiTestMain.h"
#include "tests/gui/support/ModalDialogs.h"
#include "tests/gui/support/ShownText.h"
#include "tests/support/PdfText.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolTip>

using namespace markwell;
using namespace markwell::testing;
using Kind = ScriptedDialogs::Kind;
using Answer = UserDialogs::Answer;

namespace {

using Entries = std::vector<std::string>;

// Ann Lee, Bob Stone and Cleo Park with Quiz 1 and Test 1 (see smallClass),
// and a MaryAnn whose name holds "Ann".
ClassRecord rosterClass() {
    ClassRecord cls = smallClass();
    StudentInfo mary;
    mary.name = "MaryAnn";
    cls.students.push_back(mary);
    cls.comments.push_back({"MaryAnn", "quiet"});
    cls.assignments[0].namegrade.push_back("MaryAnn~9");
    cls.assignments[1].namegrade.push_back("MaryAnn~95");
    return cls;
}

struct Editor {
    ScriptedDialogs dialogs;
    StudentListDialog dialog;

    explicit Editor(const ClassRecord& cls, const QString& classPath = {}) : dialog(cls, dialogs, classPath) {
        QVERIFY(showExposed(dialog));
    }
    QLineEdit* name() const { return dialog.box(StudentField::Name); }
    QListWidget* list() const { return dialog.listPanel()->list(); }
    QPushButton* button(const char* objectName) const {
        return dialog.findChild<QPushButton*>(QLatin1String(objectName));
    }
    const ClassRecord& cls() const { return dialog.classRecord(); }

    void choose(int row) {
        const QRect line = list()->visualItemRect(list()->item(row));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, line.center());
    }

    // A point of the dialog with nothing on it.
    void clickBackground() {
        for (int y = dialog.height() - 5; y > 0; y -= 3) {
            for (int x = 5; x < dialog.width(); x += 7) {
                if (!dialog.childAt(x, y)) {
                    QTest::mouseClick(&dialog, Qt::LeftButton, {}, QPoint(x, y));
                    return;
                }
            }
        }
        QFAIL("no background to click");
    }
};

}  // namespace

class StudentListDialogTest : public QObject {
    Q_OBJECT
private slots:
    void choosingALineShowsTheStudentABackgroundClickThenEnterAddsOneAndPrintShowsIt() {
        Editor e(rosterClass());
        QCOMPARE(e.list()->count(), 4);
        QCOMPARE(e.dialog.findChild<QLabel*>(QStringLiteral("countLabel"))->text(),
                 QStringLiteral("Total number of students: 4"));
        QVERIFY(!e.button("printButton")->isEnabled());
        e.choose(3);
        QCOMPARE(e.dialog.shownRecord(), 3);
        QCOMPARE(e.name()->text(), QStringLiteral("MaryAnn"));
        QCOMPARE(e.dialog.commentBox()->toPlainText(), QStringLiteral("quiet"));
        QVERIFY(e.button("printButton")->isEnabled());
        e.choose(0);
        QCOMPARE(e.dialog.box(StudentField::Id)->text(), QStringLiteral("A-1"));
        QCOMPARE(e.dialog.box(StudentField::StudentEmail)->text(), QStringLiteral("A-1@school.example"));
        QCOMPARE(e.name()->maxLength(), 99);
        QCOMPARE(e.dialog.box(StudentField::State)->maxLength(), 2);
        QCOMPARE(e.name()->text(), QStringLiteral("Ann Lee"));
        e.clickBackground();

        // Nothing is chosen any more: the boxes are for a new student.
        QCOMPARE(e.dialog.shownRecord(), -1);
        QVERIFY(e.list()->selectedItems().isEmpty());
        QVERIFY(e.name()->text().isEmpty());
        QVERIFY(e.name()->hasFocus());
        QTest::keyClicks(e.name(), QStringLiteral("Dee Ross"));
        QTest::keyClick(e.name(), Qt::Key_Return);
        QVERIFY(e.dialog.isVisible());  // Enter added; it did not close the dialog
        QCOMPARE(studentNames(e.cls()), (Entries{"Ann Lee", "Bob Stone", "Cleo Park", "MaryAnn", "Dee Ross"}));
        QCOMPARE(e.list()->item(4)->text(), QStringLiteral("Dee Ross"));
        QVERIFY(e.name()->text().isEmpty());

        // Print gives one page, for the student shown.
        QTemporaryDir folder;
        e.choose(1);
        e.dialog.commentBox()->setPlainText(QStringLiteral("Good with maps."));
        e.dialog.box(StudentField::MomEmail)->setText(QStringLiteral("rita@home.example"));
        const QString pdf = folder.filePath(QStringLiteral("bob.pdf"));
        e.dialogs.printToPdf(pdf);
        e.button("printButton")->click();
        QCOMPARE(e.dialogs.count(Kind::Printer), 1);
        QVERIFY(QFileInfo(pdf).size() > 0);
        if (!havePdfToText()) QSKIP("pdftotext is not installed");
        const QString text = pdfText(pdf);

        // The parents' lines hold e-mail addresses and say so.
        for (const char* line :
             {"Bob Stone", "- Student ID: B-2", "- Email Address: B-2@school.example", "- Comments: Good with maps.",
              "- Mother's E-mail: rita@home.example", "- Father's E-mail:"})
            QVERIFY2(text.contains(QLatin1String(line)), line);
        QVERIFY(!text.contains(QStringLiteral("Address: rita")));
        QVERIFY(!text.contains(QStringLiteral("Ann Lee")));
        QCOMPARE(pdfPageCount(pdf), 1);
    }

    void enterInABoxUpdatesOnlyTheStudentShownAfterTheChecksOfAdd() {
        Editor e(rosterClass());
        e.choose(0);
        typeInto(e.name(), QStringLiteral("Anne Lee"));
        typeInto(e.dialog.box(StudentField::City), QStringLiteral("Dover"));
        QTest::keyClick(e.dialog.box(StudentField::City), Qt::Key_Enter);
        QCOMPARE(e.cls().students[0].name, std::string("Anne Lee"));
        QCOMPARE(e.cls().students[0].city, std::string("Dover"));
        QCOMPARE(e.dialog.renames().size(), std::size_t(1));
        QCOMPARE(e.dialog.renames().front().from, std::string("Ann Lee"));

        // Afterwards the boxes are for a new student again.
        QCOMPARE(e.dialog.shownRecord(), -1);

        // Update with nothing chosen does nothing.
        const ClassRecord before = e.cls();
        typeInto(e.name(), QStringLiteral("Zed"));
        e.button("updateButton")->click();
        QCOMPARE(e.cls(), before);

        // Update checks what Add checks.
        e.choose(0);
        typeInto(e.name(), QStringLiteral("maryann"));
        QTest::keyClick(e.name(), Qt::Key_Return);
        QVERIFY(e.dialogs.onlyText(Kind::Warn).contains(QStringLiteral("MaryAnn")));
        typeInto(e.name(), QStringLiteral("   "));
        e.dialog.tabs()->setCurrentIndex(2);
        e.button("updateButton")->click();
        QCOMPARE(e.dialogs.texts(Kind::Warn).back(), QStringLiteral("Invalid Student Name!"));
        QCOMPARE(e.dialog.tabs()->currentIndex(), 0);  // back to the name
        QVERIFY(e.name()->hasFocus());
        typeInto(e.name(), QStringLiteral("Ann~Lee"));
        e.button("updateButton")->click();
        QCOMPARE(e.dialogs.count(Kind::Warn), 3);
        QCOMPARE(e.cls(), before);
        QCOMPARE(e.dialog.shownRecord(), 0);  // still Ann's boxes, to correct
    }

    void longCommentsAreRefusedMovingAndDeletingFromTheKeyboardAndClearAsksFirst() {
        Editor e(rosterClass());
        typeInto(e.name(), QStringLiteral("Dee"));
        e.dialog.commentBox()->setPlainText(QString(500, QLatin1Char('a')) + QLatin1Char('\n') +
                                            QString(498, QLatin1Char('b')));
        e.button("addButton")->click();
        QCOMPARE(e.cls().students.size(), std::size_t(4));
        QVERIFY(e.dialogs.onlyText(Kind::Warn).contains(QStringLiteral("1000")));
        QCOMPARE(e.dialog.tabs()->currentIndex(), 4);
        QCOMPARE(e.dialog.commentBox()->toPlainText().size(), 999);  // nothing was cut
        e.dialog.commentBox()->setPlainText(QString(500, QLatin1Char('a')) + QLatin1Char('\n') +
                                            QString(497, QLatin1Char('b')));
        e.button("addButton")->click();
        QCOMPARE(e.cls().comments.back().desc.size(), std::size_t(999));
        QCOMPARE(e.cls().comments.back().desc.substr(500, 2), std::string("\r\n"));
        e.choose(2);  // Cleo
        QTest::keyClick(e.list(), Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(studentNames(e.cls()), (Entries{"Ann Lee", "Cleo Park", "Bob Stone", "MaryAnn", "Dee"}));
        QCOMPARE(e.list()->currentRow(), 1);
        QCOMPARE(e.name()->text(), QStringLiteral("Cleo Park"));
        QTest::keyClick(e.list(), Qt::Key_Delete);
        QCOMPARE(studentNames(e.cls()), (Entries{"Ann Lee", "Bob Stone", "MaryAnn", "Dee"}));
        QCOMPARE(e.list()->count(), 4);
        const ClassRecord before = e.cls();
        e.dialogs.answer(Answer::No);
        e.button("clearButton")->click();
        QCOMPARE(e.dialogs.texts(Kind::YesNo), QStringList{"Remove all students and all assignments?"});
        QCOMPARE(e.cls(), before);
        e.dialogs.answer(Answer::Yes);
        e.button("clearButton")->click();
        QVERIFY(e.cls().students.empty() && e.cls().assignments.empty() && e.cls().comments.empty());
        QCOMPARE(e.list()->count(), 0);
    }

    void importSkipsDuplicatesAndListsThemOnce() {
        QTemporaryDir folder;
        ClassRecord other = smallClass();
        other.students[0].name = "  Dee Ross ";  // trimmed once, everywhere
        other.students[1].name = "ann lee";      // Ann Lee is in the class already
        other.students[2].name = "Eve~Ng";
        const QString otherPath = folder.filePath(QStringLiteral("other.grs"));
        QVERIFY(writeGradeFile(otherPath, other).ok());
        Editor e(rosterClass(), folder.filePath(QStringLiteral("mine.grs")));
        e.dialogs.openWith(otherPath);
        whenShown<ImportStudentsDialog>([](ImportStudentsDialog& picker) {
            picker.fileChooser()->chooseFile();
            picker.studentList()->selectAll();
            picker.accept();
        });
        e.button("importButton")->click();

        // The file dialog starts in the class's folder.
        QCOMPARE(e.dialogs.fileRequests.front().folder, folder.path());
        QCOMPARE(e.cls().students.size(), std::size_t(5));
        QCOMPARE(e.cls().students[4].name, std::string("Dee Ross"));
        QCOMPARE(e.cls().students[4].id, std::string("A-1"));
        QCOMPARE(e.dialog.findChild<QLabel*>(QStringLiteral("countLabel"))->text(),
                 QStringLiteral("Total number of students: 5"));
        const QString skipped = e.dialogs.onlyText(Kind::Inform);
        QVERIFY(skipped.contains(QStringLiteral("ann lee")) && skipped.contains(QStringLiteral("Eve~Ng")));

        // An untitled class starts the file dialog at home.
        Editor untitled(rosterClass());
        whenShown<ImportStudentsDialog>([](ImportStudentsDialog& picker) { picker.fileChooser()->chooseFile(); });
        untitled.button("importButton")->click();
        QCOMPARE(untitled.dialogs.fileRequests.front().folder, QDir::homePath());
        QCOMPARE(untitled.cls(), rosterClass());
    }

    void okAsksAboutTypingNotYetAddedAndCancelEscapeAndCloseBeforeDiscarding() {
        Editor adding(rosterClass());
        typeInto(adding.name(), QStringLiteral("Dee Ross"));
        adding.dialogs.answer(Answer::Cancel);
        adding.dialog.accept();
        QVERIFY(adding.dialog.isVisible());
        QCOMPARE(adding.dialogs.texts(Kind::YesNoCancel).size(), 1);
        QVERIFY(adding.dialogs.texts(Kind::YesNoCancel).front().contains(QStringLiteral("Dee Ross")));
        adding.dialogs.answer(Answer::Yes);
        adding.dialog.accept();
        QVERIFY(!adding.dialog.isVisible());
        QCOMPARE(adding.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(adding.cls().students.back().name, std::string("Dee Ross"));

        // Nothing typed: Escape closes at once.
        Editor untouched(rosterClass());
        untouched.choose(1);
        QTest::keyClick(untouched.name(), Qt::Key_Escape);
        QVERIFY(!untouched.dialog.isVisible());
        QCOMPARE(untouched.dialogs.count(Kind::Choice), 0);

        // A student added, then Escape: Keep editing keeps the dialog and the student.
        Editor e(rosterClass());
        typeInto(e.name(), QStringLiteral("Dee Ross"));
        QTest::keyClick(e.name(), Qt::Key_Return);
        QCOMPARE(e.cls().students.size(), std::size_t(5));
        e.dialogs.choose(1);
        QTest::keyClick(e.name(), Qt::Key_Escape);
        QVERIFY(e.dialog.isVisible());
        QCOMPARE(e.dialogs.texts(Kind::Choice), QStringList{"Discard what you typed in \"Student List\"?"});
        QCOMPARE(e.dialogs.choiceButtons.front(), (QStringList{"Discard", "Keep editing"}));
        QCOMPARE(e.cls().students.size(), std::size_t(5));

        // The window's close button asks too; Discard closes as Cancel.
        e.dialogs.choose(0);
        QVERIFY(e.dialog.close());
        QCOMPARE(e.dialogs.count(Kind::Choice), 2);
        QCOMPARE(e.dialog.result(), int(QDialog::Rejected));

        // Typing in a box, not yet added, counts as well; the question unanswered keeps editing.
        Editor typing(rosterClass());
        typeInto(typing.dialog.box(StudentField::City), QStringLiteral("Oslo"));
        typing.dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
        QVERIFY(typing.dialog.isVisible());
        QCOMPARE(typing.dialogs.count(Kind::Choice), 1);
    }

    void everyBoxHasItsOwnAltLetterAndAFullBoxSaysSo() {
        Editor e(rosterClass());
        for (int tab = 0; tab < e.dialog.tabs()->count(); ++tab) {
            e.dialog.tabs()->setCurrentIndex(tab);
            const QStringList clashes = clashingAltLetters(e.dialog);
            QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QStringLiteral("; "))));
        }

        // Every box is reached from the keyboard: its label has a letter.
        for (QLabel* label : e.dialog.findChildren<QLabel*>()) {
            if (qobject_cast<QLineEdit*>(label->buddy()))
                QVERIFY2(!altLetterOf(label->text()).isNull(), qPrintable(label->text()));
        }

        // A key typed into a full box says it is full.
        e.dialog.tabs()->setCurrentIndex(0);
        QVERIFY(showActive(e.dialog));
        QLineEdit* name = e.name();
        const QString full(name->maxLength(), QLatin1Char('w'));
        name->setText(full.left(full.size() - 1));
        name->setFocus();
        name->end(false);
        QTest::keyClick(name, Qt::Key_W);  // the last character it holds: nothing to say
        QVERIFY(!QToolTip::isVisible());
        QTest::keyClick(name, Qt::Key_X);
        QCOMPARE(name->text(), full);
        QVERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(),
                 QStringLiteral("This box is full: it holds at most %1 characters.").arg(full.size()));
        QToolTip::hideText();
    }
};

MARKWELL_GUI_TEST_MAIN(StudentListDialogTest)
#include "StudentListDialogTest.moc"
