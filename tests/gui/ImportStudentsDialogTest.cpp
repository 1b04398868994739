// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Import Students as a teacher works it: Enter imports what is listed, and a
// student .csv file is taken as markwell-cli import-students takes it.

#include "gui/editors/GradeFileChooser.h"
#include "gui/editors/ImportStudentsDialog.h"
#include "gui/editors/StudentListDialog.h"
#include "tests/core/cli/CliRunner.h"
#include "tests/gui/support/ClassFixtures.h"
#include "tests/gui/support/GuiTestMain.h"
#include "tests/gui/support/ModalDialogs.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace markwell;
using namespace markwell::testing;
using Kind = ScriptedDialogs::Kind;

namespace {

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

}  // namespace

class ImportStudentsDialogTest : public QObject {
    Q_OBJECT
private slots:
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

    void aCsvFileIsListedAndImportedWithEveryDetail() {
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
    }

    void aCsvFileWithARefusedRowIsRefusedWholeWithTheCommandLinesMessages() {
        QTemporaryDir folder;
        const QString csv = writeFile(folder.filePath(QStringLiteral("roster.csv")),
                                      "name,city\nDee Ross,X\nann lee,Y\n\"Eve\nNg\",Z\nFay %1,Oak\tRidge\n");
        Picker p;
        p.dialogs.openWith(csv);
        p.dialog.fileChooser()->chooseFile();
        const QString shown = p.dialogs.onlyText(Kind::Warn);
        QCOMPARE(shown, csv + QStringLiteral(": line 3: \"ann lee\" is already in the class\n") + csv +
                            QStringLiteral(": line 4: The name cannot hold a line break: \"Eve Ng\".\n") + csv +
                            QStringLiteral(": line 6: The city cannot hold a tab: \"Oak Ridge\".\n") + csv +
                            QStringLiteral(": 3 rows refused; nothing was written"));
        QCOMPARE(p.dialog.studentList()->count(), 0);
        QCOMPARE(p.pathShown(), QString());
        QVERIFY(!okButton(p.dialog)->isEnabled());

        // markwell-cli refuses the same file for the same class with the same lines.
        const QString grs = writeClass(folder.path(), QStringLiteral("class.grs"), p.into);
        const test::CliRun run = test::runCli({QStringLiteral("import-students"), grs, csv});
        QCOMPARE(run.exitCode, 1);
        QStringList expected;
        for (const QString& line : shown.split(u'\n')) expected << QStringLiteral("markwell-cli: ") + line;
        QCOMPARE(run.err, expected.join(u'\n') + u'\n');
    }
};

MARKWELL_GUI_TEST_MAIN(ImportStudentsDialogTest)
#include "ImportStudentsDialogTest.moc"
