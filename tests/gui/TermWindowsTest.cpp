// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Grades > Curve..., File > New from Class... and View > My Classes... as a
// teacher uses them: the curve's preview is what OK does, a new class takes
// the set-up of another and none of its students, and the overview of a
// folder shows the figures markwell-cli overview prints.

#include "core/data/ClassFromAnother.h"
#include "core/files/GradeFile.h"
#include "gui/editors/CurveDialog.h"
#include "gui/pages/GradesPage.h"
#include "gui/reports/MyClassesWindow.h"
#include "gui/sheetview/SheetView.h"
#include "tests/core/cli/CliRunner.h"
#include "tests/gui/support/ClassFixtures.h"
#include "tests/gui/support/GuiTestMain.h"
#include "tests/gui/support/ModalDialogs.h"
#include "tests/support/DocumentBytes.h"
#include "tests/support/TestFiles.h"

#include <QAction>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>

using namespace markwell;
using namespace markwell::testing;
using Kind = ScriptedDialogs::Kind;

namespace {

QString columnOf(const Sheet& sheet, int col) {
    QStringList cells;
    for (int row = 1; row <= sheet.maxRow(); ++row) cells << sheet.text(row, col);
    return cells.join(QLatin1Char('|'));
}

// The window's overview in the lines of markwell-cli: the first six columns;
// a damaged class, whose reason the window shows in its last column, as
// its name and "damaged: " and the reason.
QString printedOverview(const Sheet& sheet) {
    QString text;
    for (int row = 1; row <= sheet.maxRow(); ++row) {
        QString line = sheet.toTsv(CellRange{row, 1, row, 6});
        line.chop(1);
        if (sheet.text(row, 2) == QLatin1String("damaged")) {
            line = sheet.text(row, 1) + QStringLiteral("\tdamaged: ") + sheet.text(row, sheet.maxCol());
        }
        text += line + QLatin1Char('\n');
    }
    return text;
}

// A folder of the harness's, made the one My Classes reads, with the
// example classes of the stems given copied into it.
QString myClassesFolder(const WindowHarness& h, const char* name, std::initializer_list<const char*> stems) {
    QString folder = h.folder.filePath(QLatin1String(name));
    QDir().mkpath(folder);
    for (const char* stem : stems) {
        for (const char* suffix : {".grs", ".ATD", ".SEA"}) {
            const QString name = QString::fromUtf8(stem) + QString::fromUtf8(suffix);
            QFile::copy(QStringLiteral(MARKWELL_SOURCE_DIR "/examples/") + name, folder + QLatin1Char('/') + name);
        }
    }
    QSettings().setValue(QStringLiteral("MyClasses/folder"), folder);
    QSettings().setValue(QStringLiteral("MyClasses/source"), QStringLiteral("folder"));
    return folder;
}

MyClassesWindow* openMyClasses(WindowHarness& h) {
    return openedBy<MyClassesWindow>(*h.window, h.window->actions().myClasses);
}

}  // namespace

class TermWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void theCurveDoesWhatItShowsAndANewClassFromAnotherHasItsSetUpAndNoStudent() {
        WindowHarness h(smallClass());
        MainWindow& w = *h.window;
        QVERIFY(showExposed(w));
        const auto before = test::documentBytes(w.document());
        w.gradesPage()->view()->selectRange(CellRange::cell(3, 3));  // Bob's Test 1
        QString shownScores;
        QVERIFY(answered<CurveDialog>(w.actions().curve, [&shownScores](CurveDialog* d) {
            QCOMPARE(d->assignmentChoice()->currentText(), QStringLiteral("Test 1"));
            d->kindButton(CurveKind::Map)->click();
            const double map[4] = {70, 90, 75, 95};
            for (int i = 0; i < 4; ++i) d->mapBox(i)->setValue(map[i]);
            QVERIFY(d->okButton()->isEnabled());
            shownScores = columnOf(d->scoresSheet(), 3);
            d->okButton()->click();
        }));
        QCOMPARE(shownScores, QStringLiteral("New|95|75|85"));
        QCOMPARE(columnOf(w.gradesTable().sheet, 3).section(QLatin1Char('|'), 0, 3), QStringLiteral("Test 1|95|75|85"));
        QCOMPARE(w.actions().undo->text(), QStringLiteral("&Undo Curve Test 1"));
        w.actions().undo->trigger();
        QCOMPARE(test::documentBytes(w.document()), before);
        QVERIFY(!w.isWindowModified());

        // A curve that cannot be worked out keeps OK greyed.
        ClassRecord cls = smallClass();
        cls.assignments[0].namegrade = {"Ann Lee~0", "Bob Stone~0", "Cleo Park~-"};
        CurveDialog dialog(cls, 0);
        dialog.kindButton(CurveKind::Top)->click();
        QVERIFY(!dialog.okButton()->isEnabled());
        QVERIFY(dialog.message().contains(QStringLiteral("highest score")));

        // Another assignment can be curved: OK comes back with its preview.
        dialog.assignmentChoice()->setCurrentIndex(1);
        QVERIFY(dialog.okButton()->isEnabled());
        QCOMPARE(columnOf(dialog.scoresSheet(), 3), QStringLiteral("New|100|77.7777777777778|88.8888888888889"));

        // A new class from another has its set-up and no student.
        ClassRecord model = smallClass();
        model.weightGrades = {0, 60, 40, 0, 0, 0, true};
        model.gridProps.grid_lines = true;
        const QString modelPath = h.write(QStringLiteral("fall.grs"), model);
        const QByteArray modelBytes = fileContents(modelPath);
        h.open(h.write(QStringLiteral("other.grs")));
        makeUnsavedChange(w);

        // A file that is no class is refused before anything is asked.
        const QString junk = h.folder.filePath(QStringLiteral("junk.grs"));
        QVERIFY(!writeFile(junk, "junk").isEmpty());
        h.dialogs.openWith(junk);
        w.actions().newClassFrom->trigger();
        QCOMPARE(h.dialogs.count(Kind::Warn), 1);
        QCOMPARE(h.dialogs.count(Kind::YesNoCancel), 0);
        QVERIFY(w.document().isTitled());
        h.dialogs.openWith(modelPath);
        h.dialogs.answer(UserDialogs::Answer::No);
        w.actions().newClassFrom->trigger();
        QCOMPARE(h.dialogs.count(Kind::YesNoCancel), 1);
        QVERIFY(!w.document().isTitled());
        QVERIFY(w.isWindowModified());
        const Result<ClassRecord> read = readGradeFile(modelPath);
        QVERIFY(read.ok());
        QCOMPARE(w.document().classRecord, newClassRecordFrom(*read));
        QCOMPARE(fileContents(modelPath), modelBytes);
        QCOMPARE(w.gradesTable().sheet.text(1, 2), QStringLiteral("Quiz 1"));
    }

    void myClassesShowsWhatTheCommandPrintsAndStopsReadingWhenClosed() {
        WindowHarness h;
        const QString folder = myClassesFolder(h, "classes", {"period1", "period2"});
        QVERIFY(!writeFile(folder + QStringLiteral("/broken.grs"), "not a class").isEmpty());
        MyClassesWindow* overview = openMyClasses(h);
        QVERIFY(overview);
        QTRY_VERIFY_WITH_TIMEOUT(!overview->isReading(), kWaitLimitMs);
        QVERIFY(!overview->progressBar()->isVisible());
        const test::CliRun plain = test::runCli({QStringLiteral("overview"), folder});
        QCOMPARE(plain.exitCode, 1);
        QCOMPARE(printedOverview(overview->sheet()), plain.out);
        QCOMPARE(overview->sheet().text(2, 2), QStringLiteral("damaged"));
        const int d = overview->letterChoice()->findData(QStringLiteral("D"));
        QVERIFY(d > 0);
        overview->letterChoice()->setCurrentIndex(d);
        const test::CliRun below =
            test::runCli({QStringLiteral("overview"), folder, QStringLiteral("--grade-at-most"), QStringLiteral("D")});
        QCOMPARE(printedOverview(overview->sheet()), below.out);
        overview->close();

        // The letter and the folder are there the next time.
        QCOMPARE(QSettings().value(QStringLiteral("MyClasses/gradeAtMost")).toString(), QStringLiteral("D"));

        // Closed while reading, it stops the reading.
        const QString many = myClassesFolder(h, "many", {});
        for (int i = 0; i < 200; ++i) {
            QFile::copy(QStringLiteral(MARKWELL_SOURCE_DIR "/examples/period1.grs"),
                        many + QStringLiteral("/class%1.grs").arg(i, 3, 10, QLatin1Char('0')));
        }
        {
            MyClassesWindow reading(*h.scales, h.dialogs, QString());
            reading.cancelButton()->click();
            QTRY_VERIFY_WITH_TIMEOUT(!reading.isReading(), kWaitLimitMs);
            QVERIFY(!reading.cancelButton()->isVisible());

            // Cancelled with the classes read so far, unless the reading was done first.
            const qsizetype done = static_cast<qsizetype>(reading.classes().size());
            const QString status = reading.statusText();
            QVERIFY2(status == QStringLiteral("Reading cancelled after %1 classes.").arg(done) ||
                         (done == 200 && status == QStringLiteral("200 classes.")),
                     qPrintable(status));
            QCOMPARE(reading.sheet().maxRow(), done + 1);
            reading.readClasses();
            QVERIFY(reading.isReading());
        }  // closed while reading: the window waits for the reading to stop
        QCoreApplication::processEvents();
    }

    void myClassesOpensTheClassDoubleClickedAfterTheSaveQuestion() {
        WindowHarness h;
        MainWindow& w = *h.window;
        QVERIFY(showExposed(w));
        const QString folder = myClassesFolder(h, "classes", {"period1", "period2"});
        h.open(h.write(QStringLiteral("mine.grs")));
        makeUnsavedChange(w);
        MyClassesWindow* overview = openMyClasses(h);
        QVERIFY(overview);
        QTRY_VERIFY_WITH_TIMEOUT(!overview->isReading(), kWaitLimitMs);
        QCOMPARE(overview->sheet().text(3, 1), QStringLiteral("period2.grs"));
        h.dialogs.answer(UserDialogs::Answer::No);
        SheetView* table = overview->table();
        const QRect cell = table->visualRect(table->model()->index(2, 0));

        // A double click comes after the click of its first press, as the desktop sends them.
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(h.dialogs.count(Kind::YesNoCancel), 1);
        QCOMPARE(w.document().markwellFile, folder + QStringLiteral("/period2.grs"));
    }
};

MARKWELL_GUI_TEST_MAIN(TermWindowsTest)
#include "TermWindowsTest.moc"
