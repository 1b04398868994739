// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The class as a document: start, New, Open, Save, Save As, the spreadsheet
// exports and closing, with every answer of the save question, failing saves
// and refused files.

#include "core/data/AttendanceBook.h"
#include "core/files/AttendanceFile.h"
#include "core/files/GradeFile.h"
#include "core/files/SeatingFile.h"
#include "gui/document/ClassHistory.h"
#include "gui/pages/AttendancePage.h"
#include "tests/gui/support/ClassFixtures.h"
#include "tests/gui/support/GuiTestMain.h"
#include "tests/gui/support/ShownText.h"
#include "tests/support/TestFiles.h"

#include <QComboBox>
#include <QFile>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabWidget>

#include <array>

using namespace markwell;
using namespace markwell::testing;
using Kind = ScriptedDialogs::Kind;
using Answer = UserDialogs::Answer;

namespace {

const QString kQuestion = QStringLiteral("Do you wish to save changes?");

// The four ways of putting a class aside, each asking the save question first.
enum class Leave { New, Open, Exit, Close };
constexpr std::array kEveryLeave = {Leave::New, Leave::Open, Leave::Exit, Leave::Close};

// Puts the class aside as `leave` says (Open opens `other`).
void leaveClass(WindowHarness& h, Leave leave, const QString& other) {
    switch (leave) {
    case Leave::New: h.window->newClass(); break;
    case Leave::Open: h.open(other); break;
    case Leave::Exit: h.window->actions().exit->trigger(); break;
    case Leave::Close: h.window->close(); break;
    }
}

}  // namespace

class DocumentLifecycleTest : public QObject {
    Q_OBJECT
private slots:
    void startsWithAnEmptyUntitledClassOnTheGradesPage() {
        WindowHarness h;
        MainWindow& w = *h.window;
        QCOMPARE(w.windowTitle(), QStringLiteral("Untitled[*] — Computerized Markwell"));
        QVERIFY(!w.isWindowModified());
        QVERIFY(w.width() >= 696 && w.height() >= 480);
        QVERIFY(!w.document().isTitled());
        QVERIFY(!w.document().modified);
        QVERIFY(h.cls().students.empty());
        QCOMPARE(h.cls().gradeScale.name, std::string("<Default>"));
        QCOMPARE(w.statusText(), QStringLiteral("Markwell File: < None >"));
        QCOMPARE(w.currentPage(), Page::Grades);
        QCOMPARE(w.pages()->tabPosition(), QTabWidget::South);

        // Today's month and year are selected; the year list covers 2001 to two years ahead.
        const QDate today = QDate::currentDate();
        QComboBox* months = w.attendancePage()->monthCombo();
        QComboBox* years = w.attendancePage()->yearCombo();
        QCOMPARE(std::pair(months->count(), months->currentIndex()), std::pair(12, today.month() - 1));
        QCOMPARE(years->itemText(0), QStringLiteral("2001"));
        QCOMPARE(years->itemText(years->count() - 1), QString::number(today.year() + 2));
        QCOMPARE(years->currentText(), QString::number(today.year()));

        // The other pages stay closed to an untitled class.
        QVERIFY(!w.showPage(Page::Attendance));
        QVERIFY(!w.showPage(Page::Seating));
        QCOMPARE(w.currentPage(), Page::Grades);
        QCOMPARE(h.dialogs.unanswered, 0);
    }

    void saveOfAnUntitledClassAsksForANameAndWritesThreeFiles() {
        WindowHarness h;
        MainWindow& w = *h.window;
        changeClassTo(w, smallClass());
        QVERIFY(w.document().modified);
        QVERIFY(!w.showPage(Page::Attendance));  // students, but no file yet

        const QString path = h.path(QStringLiteral("period1.grs"));
        h.dialogs.saveAs(path, QStringLiteral("Markwell File (*.grs)"));
        w.saveClass();
        QCOMPARE(h.dialogs.texts(Kind::SaveFile), QStringList{QStringLiteral("Save Markwell As")});
        QVERIFY(h.dialogs.fileRequests.front().filters.contains(QStringLiteral("Excel File (*.xls)")));
        QVERIFY(!w.document().modified);
        QCOMPARE((QStringList{w.document().markwellFile, w.document().attendFile, w.document().seatingFile}),
                 (QStringList{path, h.path(QStringLiteral("period1.ATD")), h.path(QStringLiteral("period1.SEA"))}));
        QCOMPARE(w.statusText(), QStringLiteral("Markwell File: ") + path);
        QVERIFY(QFile::exists(w.document().attendFile));

        QCOMPARE(readGradeFile(path).value().students.size(), std::size_t{3});
        QCOMPARE(readSeatingFile(w.document().seatingFile).value().seats, smallClass().Seats);

        // Now titled with students, the other pages open; a second Save asks nothing.
        QVERIFY(w.showPage(Page::Attendance));
        QVERIFY(w.showPage(Page::Grades));
        h.dialogs.clearRecord();
        makeUnsavedChange(w);
        w.saveClass();
        QCOMPARE(h.dialogs.count(Kind::SaveFile), 0);
        QVERIFY(!w.document().modified);
    }

    void aFailedSaveSaysWhyAndKeepsTheClassDirty() {
        WindowHarness h;
        MainWindow& w = *h.window;
        changeClassTo(w, smallClass());
        const QString nowhere = h.path(QStringLiteral("no-such-folder/period1.grs"));
        h.dialogs.saveAs(nowhere);
        w.saveClass();
        QVERIFY(h.dialogs.onlyText(Kind::Warn).startsWith(QStringLiteral("Unable to create ")));
        QVERIFY(w.document().modified);
        QVERIFY(!w.document().isTitled());
        QCOMPARE(w.statusText(), QStringLiteral("Markwell File: < None >"));

        // A cancelled save dialog changes nothing and says nothing.
        h.dialogs.clearRecord();
        h.dialogs.cancelSave();
        w.saveClassAs();
        QVERIFY(h.dialogs.messages().isEmpty());
        QVERIFY(w.document().modified);
    }

    void openAsksFirstAndEachAnswerDoesWhatItSays() {
        WindowHarness h;
        MainWindow& w = *h.window;
        ClassRecord other = smallClass();
        other.students[0].name = "Zed Other";
        const QString otherPath = h.write(QStringLiteral("other.grs"), other);
        QVERIFY(!otherPath.isEmpty());

        changeClassTo(w, smallClass());  // unsaved work
        // Cancel: the question is asked and nothing changes.
        h.dialogs.answer(Answer::Cancel);
        h.open(otherPath);
        QCOMPARE(h.dialogs.texts(Kind::YesNoCancel), QStringList{kQuestion});
        QCOMPARE(h.cls().students[0].name, std::string("Ann Lee"));
        QVERIFY(w.document().modified);

        // Yes on an untitled class asks for a name; cancelling that keeps the class too.
        h.dialogs.answer(Answer::Yes);
        h.dialogs.cancelSave();
        h.open(otherPath);
        QCOMPARE(h.cls().students[0].name, std::string("Ann Lee"));
        QVERIFY(w.document().modified);

        // No lets the changes go.
        h.dialogs.answer(Answer::No);
        h.open(otherPath);
        QCOMPARE(h.cls().students[0].name, std::string("Zed Other"));
        QVERIFY(!w.document().modified);
        QCOMPARE(w.document().markwellFile, otherPath);

        // Yes saves first (an untitled class, under the name asked for), then opens.
        w.newClass();
        changeClassTo(w, smallClass());
        const QString savedPath = h.path(QStringLiteral("kept.grs"));
        h.dialogs.answer(Answer::Yes);
        h.dialogs.saveAs(savedPath);
        h.open(otherPath);
        QCOMPARE(readGradeFile(savedPath).value().students[0].name, std::string("Ann Lee"));
        QCOMPARE(h.cls().students[0].name, std::string("Zed Other"));

        // A clean class is replaced without a question; the dialog starts in its folder.
        h.dialogs.clearRecord();
        h.open(savedPath);
        QCOMPARE(h.dialogs.count(Kind::YesNoCancel), 0);
        QCOMPARE(h.dialogs.fileRequests.front().title, QStringLiteral("Open Markwell File"));
        QCOMPARE(h.dialogs.fileRequests.front().folder, h.folder.path());
        QCOMPARE(h.cls().students[0].name, std::string("Ann Lee"));
        QCOMPARE(h.dialogs.unanswered, 0);
    }

    void aRefusedFileLeavesEverythingAsItWas() {
        WindowHarness h;
        MainWindow& w = *h.window;
        const QString good = h.write(QStringLiteral("good.grs"));
        h.open(good);
        makeUnsavedChange(w);  // dirty, as after an edit
        const ClassRecord before = h.cls();

        // A damaged grade file whose seating file is fine: neither is taken.
        ClassRecord other = smallClass();
        other.Seats[0].name = "Seat Of The Other Class";
        const QString damaged = h.write(QStringLiteral("damaged.grs"), other);
        QByteArray bytes = fileContents(damaged);
        bytes.truncate(bytes.size() / 2);
        QVERIFY(!writeFile(damaged, bytes).isEmpty());
        h.dialogs.answer(Answer::No);
        h.open(damaged);
        QVERIFY(h.dialogs.onlyText(Kind::Warn).contains(QStringLiteral("damaged.grs")));
        QVERIFY(h.cls() == before);
        QCOMPARE(w.document().markwellFile, good);
        QVERIFY(w.document().modified);
        QCOMPARE(w.statusText(), QStringLiteral("Markwell File: ") + good);

        // A file that is not there at all.
        h.dialogs.clearRecord();
        h.dialogs.answer(Answer::No);
        h.open(h.path(QStringLiteral("missing.grs")));
        QCOMPARE(h.dialogs.count(Kind::Warn), 1);
        QVERIFY(h.cls() == before);
    }

    void anAttendanceFileCutInARecordIsReportedOnOpen() {
        WindowHarness h;
        MainWindow& w = *h.window;
        const std::vector<AttendanceInfo> stored = {
            attendanceRecord("Ann Lee", 3, 2019, "EEE"),
            attendanceRecord("Bob Stone", 3, 2019, "T"),
        };
        const QString path = h.write(QStringLiteral("cut.grs"), smallClass(), stored);
        const QString attendPath = attendancePathFor(path);
        QByteArray cut = fileContents(attendPath);
        cut.append(QByteArray(40, 'x'));  // a copy that stopped in the third record
        QVERIFY(!writeFile(attendPath, cut).isEmpty());
        h.open(path);
        const QString warning = h.dialogs.onlyText(Kind::Warn);
        QVERIFY2(warning.contains(attendPath), qPrintable(warning));
        QVERIFY2(warning.contains(
                     QStringLiteral("its first 2 whole records were read, and the 40 bytes after them were not")),
                 qPrintable(warning));
        QCOMPARE(w.document().attendance.records().size(), std::size_t{2});

        // The teacher was told: Save writes the records there are, without a further word.
        h.dialogs.clearRecord();
        w.saveClass();
        QCOMPARE(h.dialogs.count(Kind::Warn), 0);
        QCOMPARE(fileContents(attendPath), cut.left(2 * kAttendanceRecordSize));
    }

    void saveAsToANewNameCarriesEveryMonthOfAttendance() {
        WindowHarness h;
        MainWindow& w = *h.window;
        const QDate today = QDate::currentDate();
        const int otherMonth = today.month() == 1 ? 2 : 1;
        const std::vector<AttendanceInfo> stored = {
            attendanceRecord("Ann Lee", otherMonth, today.year(), "T  U"),
            attendanceRecord("Bob Stone", otherMonth, today.year(), " E"),
            attendanceRecord("Ann Lee", 3, 2019, "EEE"),
        };
        const QString oldPath = h.write(QStringLiteral("term1.grs"), smallClass(), stored);
        h.open(oldPath);
        const QByteArray oldAttendance = fileContents(attendancePathFor(oldPath));

        // A mark typed today, on the month on display.
        QVERIFY(w.showPage(Page::Attendance));
        AttendancePage* page = w.attendancePage();
        page->view()->selectRange(CellRange::cell(3, today.day() + 1));  // Bob Stone, today
        page->markSelection(QStringLiteral("U"));
        QVERIFY(w.document().modified);

        const QString newPath = h.path(QStringLiteral("term2.grs"));
        h.dialogs.saveAs(newPath);
        w.saveClassAs();
        QCOMPARE(w.document().markwellFile, newPath);
        QVERIFY(!w.document().modified);

        Result<AttendanceFile> carried = readAttendanceFile(attendancePathFor(newPath));
        QVERIFY(carried.ok());
        const std::vector<std::string> names = studentNames(h.cls());
        const AttendanceBook book(carried->records);
        const auto other = book.marksOf(otherMonth, today.year(), names);
        QVERIFY(other[0] && (*other[0])[0] == 'T' && (*other[0])[3] == 'U');
        QVERIFY(other[1] && (*other[1])[1] == 'E');
        QVERIFY(book.findAttendanceRecord(3, 2019, "Ann Lee").has_value());
        const auto shown = book.marksOf(today.month(), today.year(), names);
        QVERIFY(shown[1] && (*shown[1])[static_cast<std::size_t>(today.day() - 1)] == 'U');
        // The old class's files are as they were.
        QCOMPARE(fileContents(attendancePathFor(oldPath)), oldAttendance);
        QVERIFY(readSeatingFile(seatingPathFor(newPath)).ok());
    }

    void saveAsOntoItsOwnNameKeepsEveryMonth() {
        WindowHarness h;
        MainWindow& w = *h.window;
        const QString path =
            h.write(QStringLiteral("same.grs"), smallClass(), {attendanceRecord("Cleo Park", 5, 2020, "TTT")});
        h.open(path);
        makeUnsavedChange(w);
        h.dialogs.saveAs(path);
        w.saveClassAs();
        QVERIFY(!w.document().modified);
        Result<AttendanceFile> kept = readAttendanceFile(attendancePathFor(path));
        QVERIFY(kept.ok());
        QVERIFY(AttendanceBook(kept->records).findAttendanceRecord(5, 2020, "Cleo Park").has_value());
    }

    void spreadsheetNamesExportTheTableAndChangeNothingElse() {
        WindowHarness h;
        MainWindow& w = *h.window;
        const QString path = h.write(QStringLiteral("p3.grs"));
        h.open(path);
        makeUnsavedChange(w);
        const QByteArray gradeBytes = fileContents(path);

        const QString csv = h.path(QStringLiteral("p3 grades.csv"));
        h.dialogs.saveAs(csv, QStringLiteral("CSV File (*.csv)"));
        w.saveClassAs();
        const QString exported = QString::fromUtf8(fileContents(csv));
        QVERIFY(exported.contains(QStringLiteral("Ann Lee")));
        QVERIFY(exported.contains(QStringLiteral("98")));  // Ann's total, 8 + 90
        QCOMPARE(w.document().markwellFile, path);
        QVERIFY(w.document().modified);
        QCOMPARE(fileContents(path), gradeBytes);
        QCOMPARE(w.statusText(), QStringLiteral("Markwell File: ") + path);
        // The teacher is told where the table went, as nothing else on screen changes.
        QCOMPARE(w.statusBar()->currentMessage(), QStringLiteral("The grades table was written to %1.").arg(csv));

        const QString xls = h.path(QStringLiteral("p3.XLS"));
        h.dialogs.saveAs(xls);
        w.saveClassAs();
        QVERIFY(QFile::exists(xls));
        // p3.XLS has the class's own sibling names: a save would have written p3.ATD.
        QVERIFY(!QFile::exists(h.path(QStringLiteral("p3.ATD"))));
        QCOMPARE(w.document().markwellFile, path);

        // A failed export says so, and not that it was written.
        w.statusBar()->clearMessage();
        h.dialogs.saveAs(h.path(QStringLiteral("gone/p3.xlsx")));
        w.saveClassAs();
        QCOMPARE(h.dialogs.count(Kind::Warn), 1);
        QVERIFY(w.statusBar()->currentMessage().isEmpty());
    }

    void closingAsksWithCancelAndNeverLosesWorkSilently() {
        WindowHarness h;
        MainWindow& w = *h.window;
        QVERIFY(showExposed(w));
        changeClassTo(w, smallClass());

        h.dialogs.answer(Answer::Cancel);
        QVERIFY(!w.close());
        QVERIFY(w.isVisible());
        QVERIFY(w.document().modified);

        // Yes with a save that fails keeps the window open.
        h.dialogs.answer(Answer::Yes);
        h.dialogs.saveAs(h.path(QStringLiteral("missing/x.grs")));
        w.close();
        QVERIFY(w.isVisible());
        QVERIFY(w.document().modified);
        QCOMPARE(h.dialogs.count(Kind::Warn), 1);

        // Yes with a save that works closes, with the class on disk.
        const QString path = h.path(QStringLiteral("closed.grs"));
        h.dialogs.answer(Answer::Yes);
        h.dialogs.saveAs(path);
        QVERIFY(w.close());
        QVERIFY(readGradeFile(path).ok());
        QCOMPARE(h.dialogs.texts(Kind::YesNoCancel).size(), 3);

        // A clean class closes without a question.
        WindowHarness third;
        third.window->show();
        QVERIFY(third.window->close());
        QCOMPARE(third.dialogs.count(Kind::YesNoCancel), 0);
    }

    void newLeavesNothingOfTheOldClassBehind() {
        WindowHarness h;
        MainWindow& w = *h.window;
        ClassRecord weighted = smallClass();
        weighted.weightGrades = {50, 30, 20, 0, 0, 0, true};
        weighted.lowScoreInfo.drop_type = droprule::kLowestOverall;
        weighted.gridProps.grid_lines = true;
        const QString path = h.write(QStringLiteral("w.grs"), weighted);
        h.open(path);
        QCOMPARE(h.cls().weightGrades.Final, 50);

        w.newClass();  // clean: no question
        QCOMPARE(h.dialogs.count(Kind::YesNoCancel), 0);
        QCOMPARE(h.cls().students.size() + h.cls().assignments.size() + h.cls().comments.size() + h.cls().Seats.size(),
                 std::size_t{0});
        QVERIFY(h.cls().weightGrades == WeightedGrades{});
        QCOMPARE(h.cls().lowScoreInfo.drop_type, droprule::kNone);
        QVERIFY(!h.cls().gridProps.grid_lines);
        QVERIFY(!w.document().isTitled());
        QCOMPARE(w.statusText(), QStringLiteral("Markwell File: < None >"));
        QCOMPARE(w.gradesTable().sheet.maxRow(), 1);

        // With changes, New asks; Cancel keeps them.
        changeClassTo(w, smallClass());
        h.dialogs.answer(Answer::Cancel);
        w.newClass();
        QCOMPARE(h.cls().students.size(), std::size_t{3});
        h.dialogs.answer(Answer::No);
        w.newClass();
        QVERIFY(h.cls().students.empty());
        QVERIFY(!w.document().modified);
    }

    void aFileGivenAtStartOpensOrIsReported() {
        WindowHarness h;
        const QString path = h.write(QStringLiteral("start.grs"));
        h.window->openAtStart(path);
        QCOMPARE(h.window->document().markwellFile, path);
        QCOMPARE(h.cls().students.size(), std::size_t{3});

        WindowHarness missing;
        missing.window->openAtStart(missing.path(QStringLiteral("nothing-here.grs")));
        QCOMPARE(missing.dialogs.count(Kind::Warn), 1);
        QVERIFY(missing.cls().students.empty());
        QVERIFY(!missing.window->document().isTitled());
    }

    void answeringNoLeavesAllThreeFilesAsTheyWere() {
        for (const Leave leave : kEveryLeave) {
            WindowHarness h;
            MainWindow& w = *h.window;
            QVERIFY(showExposed(w));
            const QString path =
                h.write(QStringLiteral("marks.grs"), smallClass(), {attendanceRecord("Ann Lee", 1, 2024, "T")});
            const QString other = h.write(QStringLiteral("other.grs"));
            h.open(path);
            const QByteArray before = classFiles(path);

            // Three months marked, one after the other.
            QVERIFY(w.showPage(Page::Attendance));
            AttendancePage* page = w.attendancePage();
            for (const int month : {1, 2, 3}) {
                page->showMonth(month, 2024);
                page->view()->selectRange(CellRange{2, 3, 4, 3});
                page->markSelection(QStringLiteral("U"));
            }
            QVERIFY(w.document().modified);

            h.dialogs.answer(Answer::No);
            leaveClass(h, leave, other);
            // The question names the class it is about.
            QCOMPARE(
                h.dialogs.texts(Kind::YesNoCancel),
                QStringList{QStringLiteral("Do you wish to save changes to \"%1\"?").arg(QFileInfo(path).fileName())});
            QCOMPARE(classFiles(path), before);
            QCOMPARE(w.isVisible(), leave != Leave::Exit && leave != Leave::Close);
        }
    }

    void anExportFromTheSaveQuestionIsNoSave() {
        for (const Leave leave : kEveryLeave) {
            WindowHarness h;
            MainWindow& w = *h.window;
            QVERIFY(showExposed(w));
            ClassRecord otherClass = smallClass();
            otherClass.students[0].name = "Zed Other";
            const QString other = h.write(QStringLiteral("other.grs"), otherClass);
            changeClassTo(w, smallClass());  // untitled, with changes

            // Yes, then a spreadsheet name in the save dialog.
            const QString csv = h.path(QStringLiteral("grades.csv"));
            h.dialogs.answer(Answer::Yes);
            h.dialogs.saveAs(csv, QStringLiteral("CSV File (*.csv)"));
            leaveClass(h, leave, other);
            QVERIFY(QString::fromUtf8(fileContents(csv)).contains(QStringLiteral("Ann Lee")));
            // The class is still the one worked on, unsaved, and the window says so.
            QVERIFY(w.isVisible());
            QCOMPARE(h.cls().students.size(), std::size_t{3});
            QCOMPARE(h.cls().students[0].name, std::string("Ann Lee"));
            QVERIFY(w.document().modified);
            QVERIFY(!w.document().isTitled());
            QCOMPARE(w.statusBar()->currentMessage(),
                     QStringLiteral("The grades table was written to %1; the class itself is not saved.").arg(csv));
            QCOMPARE(h.dialogs.unanswered, 0);
            // Closing at last, without saving.
            h.dialogs.answer(Answer::No);
            QVERIFY(w.close());
        }
    }

    void aFieldTheFilesCannotHoldWritesNothing() {
        WindowHarness h;
        MainWindow& w = *h.window;
        ClassRecord cls = smallClass();
        cls.students[1].city = std::string(46, 'c');  // as a file from elsewhere may hold it
        changeClassTo(w, cls);
        const QString path = h.path(QStringLiteral("city.grs"));
        h.dialogs.saveAs(path);
        w.saveClass();
        const QString message = h.dialogs.onlyText(Kind::Warn);
        QVERIFY2(message.startsWith(QStringLiteral("Unable to create %1: ").arg(path)), qPrintable(message));
        QVERIFY(message.contains(QStringLiteral("city of student 2")));
        for (const QString& file : {path, attendancePathFor(path), seatingPathFor(path)})
            QVERIFY2(!QFile::exists(file), qPrintable(file));
        QVERIFY(w.document().modified);
        QVERIFY(!w.document().isTitled());
    }

    void theCommandsSayWhatChangedThroughSignals() {
        WindowHarness h;
        MainWindow& w = *h.window;
        DocumentCommands& commands = w.documentCommands();
        QSignalSpy dirty(&w.history(), &ClassHistory::modifiedChanged);
        QSignalSpy name(&commands, &DocumentCommands::fileNameChanged);
        QSignalSpy replaced(&commands, &DocumentCommands::documentReplaced);

        changeClassTo(w, smallClass());
        w.tableCommands().toggleGridLines();  // dirty already: said once
        const auto said = [&dirty] {
            QList<bool> values;
            for (const QList<QVariant>& signal : dirty) values << signal.at(0).toBool();
            return values;
        };
        QCOMPARE(said(), QList<bool>{true});

        const QString path = h.path(QStringLiteral("signals.grs"));
        h.dialogs.saveAs(path);
        w.saveClass();
        QCOMPARE(said(), (QList<bool>{true, false}));
        QCOMPARE(name.size(), 1);
        QCOMPARE(name.at(0).at(0).toString(), path);

        // A mark on the attendance page is a change like any other.
        QVERIFY(w.showPage(Page::Attendance));
        w.attendancePage()->view()->selectRange(CellRange::cell(2, 2));
        w.attendancePage()->markSelection(QStringLiteral("T"));
        QCOMPARE(said(), (QList<bool>{true, false, true}));

        h.dialogs.answer(Answer::No);
        w.newClass();
        QCOMPARE(replaced.size(), 1);
        QCOMPARE(said(), (QList<bool>{true, false, true, false}));
        QCOMPARE(name.size(), 2);
        QCOMPARE(name.at(1).at(0).toString(), QString());
    }
};

MARKWELL_GUI_TEST_MAIN(DocumentLifecycleTest)
#include "DocumentLifecycleTest.moc"
