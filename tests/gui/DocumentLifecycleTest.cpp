// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The class as a document: start, New, Open, Save, Save As, the spreadsheet
// exports and closing, with every answer of the save question, failing saves
// and refused files. The safety net in the window: each save keeps the class it replaces,
// File > Earlier Versions... opens one as a new class, Options sets how many
// are kept, and a class open in another Markwell warns before it opens here.
// The grade history: each save is one entry naming its undo steps, a renamed
// student keeps their lines; File > History... lists what changed, filtered,
// copied and exported; a student is forgotten after the teacher says so; the
// individual report's Why page says when a score last changed and its History
// button shows the student's lines. A class whose files another program
// changed while it was open: Save asks before overwriting them, and coming
// back to the window offers to reload a class without unsaved changes. A
// grade file holding more than its class is saved over only when the teacher
// says so.

#include "core/data/AttendanceBook.h"
#include "core/data/PointEntry.h"
#include "core/document/ClassLock.h"
#include "core/document/EarlierVersions.h"
#include "core/editing/ClassChanges.h"
#include "core/editing/StudentEditing.h"
#include "core/files/AttendanceFile.h"
#include "core/files/GradeFile.h"
#include "core/files/SeatingFile.h"
#include "core/history/GradeHistory.h"
#include "core/settings/KeptVersions.h"
#include "gui/document/ClassHistory.h"
#include "gui/document/EarlierVersionsDialog.h"
#include "gui/options/OptionsDialog.h"
#include "gui/pages/AttendancePage.h"
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
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLockFile>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
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

// The class with one more student, as the student list hands it back.
void addStudent(WindowHarness& h, const char* name) {
    ClassRecord changed = h.cls();
    StudentInfo s;
    s.name = name;
    changed.students.push_back(s);
    changed.comments.push_back({name, ""});
    changeClassTo(*h.window, changed);
}

// Whether the process `pid` holds the class's open lock now.
bool holdsOpenLock(const QString& gradePath, qint64 pid) {
    QLockFile probe(classLockPath(gradePath, ClassLock::Kind::Open));
    qint64 holder = 0;
    QString host;
    QString application;
    return probe.getLockInfo(&holder, &host, &application) && holder == pid;
}

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

enum Button { Overwrite, SaveAs, Cancel };

const QString kOverwriteQuestion =
    QStringLiteral("\"period1.grs\" was changed by another program since it was opened. Overwrite it?");
const QString kReloadQuestion =
    QStringLiteral("\"period1.grs\" was changed by another program since it was opened. Reload it?");

// The class as another program (another computer on a shared drive) leaves it.
ClassRecord changedElsewhere() {
    ClassRecord cls = smallClass();
    cls.students[2].name = "Cleo Parker";
    cls.comments[2].name = "Cleo Parker";
    cls.assignments[0].namegrade[2] = makePointEntry("Cleo Parker", "7");
    cls.assignments[1].namegrade[2] = makePointEntry("Cleo Parker", "80");
    return cls;
}

bool appendTo(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::Append) && f.write("x") == 1;
}

// The small class open in a window as "period1.grs", with a change not yet saved.
struct OpenedClass {
    WindowHarness h;
    QString path = h.write(QStringLiteral("period1.grs"));

    OpenedClass() {
        h.open(path);
        ClassRecord mine = h.cls();
        mine.assignments[0].namegrade[0] = makePointEntry("Ann Lee", "10");
        changeClassTo(*h.window, mine);
    }
    QByteArray theirs() const {
        h.write(QStringLiteral("theirs.grs"), changedElsewhere());
        return fileContents(h.path(QStringLiteral("theirs.grs")));
    }
};

}  // namespace

class DocumentLifecycleTest : public QObject {
    Q_OBJECT
private slots:
    void startsWithAnEmptyUntitledClassOrTheFileGiven() {
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

        // A file given at start that is not there is reported; one that is opens.
        w.openAtStart(h.path(QStringLiteral("nothing-here.grs")));
        QCOMPARE(h.dialogs.count(Kind::Warn), 1);
        QVERIFY(h.cls().students.empty() && !w.document().isTitled());
        const QString path = h.write(QStringLiteral("start.grs"));
        w.openAtStart(path);
        QCOMPARE(w.document().markwellFile, path);
        QCOMPARE(h.cls().students.size(), std::size_t{3});
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

    void aFailedSaveSaysWhyWritesNothingAndKeepsTheClassDirty() {
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

        // A field the files cannot hold writes none of the three.
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

    void saveAsCarriesEveryMonthOfAttendanceToANewNameAndOntoItsOwn() {
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

        // Save As onto its own name keeps every month too.
        makeUnsavedChange(w);
        h.dialogs.saveAs(newPath);
        w.saveClassAs();
        QVERIFY(!w.document().modified);
        Result<AttendanceFile> kept = readAttendanceFile(attendancePathFor(newPath));
        QVERIFY(kept.ok());
        QVERIFY(AttendanceBook(kept->records).findAttendanceRecord(3, 2019, "Ann Lee").has_value());
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

    void eachSaveKeepsTheClassItReplacesAndOneOpensAsANewClass() {
        WindowHarness h;
        const QString path =
            h.write(QStringLiteral("period1.grs"), smallClass(), {attendanceRecord("Ann Lee", 9, 2026, "T")});
        h.open(path);
        addStudent(h, "Dee Fox");
        h.window->saveClass();
        addStudent(h, "Eve Gray");
        h.window->saveClass();
        QVERIFY(!h.window->document().modified);
        const QByteArray onDisk = classFiles(path);

        QString table3Version;
        QVERIFY(answered<EarlierVersionsDialog>(h.window->actions().earlierVersions,
                                                [&table3Version](EarlierVersionsDialog* d) {
                                                    const Sheet* table = d->view()->sheet();
                                                    table3Version = table->text(3, 1);
                                                    QCOMPARE(table->maxRow(), 3);
                                                    QCOMPARE(table->text(2, 3), QStringLiteral("4"));  // newest first
                                                    QCOMPARE(table->text(3, 3), QStringLiteral("3"));
                                                    QVERIFY(d->openButton()->isEnabled());
                                                    d->view()->selectRange(CellRange::cell(3, 1));
                                                    d->openButton()->click();
                                                }));

        // The class as it was first opened, untitled and unsaved.
        const Document& opened = h.window->document();
        QVERIFY(!opened.isTitled());
        QVERIFY(opened.modified);
        QCOMPARE(opened.classRecord.students.size(), std::size_t(3));
        QCOMPARE(classFiles(path), onDisk);
        QVERIFY(!h.window->actions().earlierVersions->isEnabled());
        // The title says which version it is.
        const QString versionTitle = QStringLiteral("period1.grs, version %1 (unsaved)").arg(table3Version);
        QVERIFY2(h.window->windowTitle().startsWith(versionTitle), qPrintable(h.window->windowTitle()));

        // Close keeps the class that is open.
        h.dialogs.answer(Answer::No);  // the version's changes are let go
        h.open(path);
        QCOMPARE(h.window->document().markwellFile, path);
        // A class just opened is clean, whatever the one before it was: no mark,
        // and neither New nor closing asks to save it.
        QVERIFY(!h.window->document().modified);
        QVERIFY(!h.window->isWindowModified());
        QVERIFY(!h.window->windowTitle().contains(QStringLiteral("version")));
        const int questions = h.dialogs.count(Kind::YesNoCancel);
        h.window->newClass();
        QVERIFY(!h.window->isWindowModified());
        QCOMPARE(h.dialogs.count(Kind::YesNoCancel), questions);
        h.open(path);
        QVERIFY(answered<EarlierVersionsDialog>(h.window->actions().earlierVersions,
                                                [](EarlierVersionsDialog* d) { d->reject(); }));
        QCOMPARE(h.window->document().markwellFile, path);
    }

    void aSaveWhereNoVersionCanBeKeptStillSaves() {
        WindowHarness h;
        const QString path = h.write(QStringLiteral("period1.grs"));
        h.open(path);
        addStudent(h, "Dee Fox");
        const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", unwritablePath(h.folder.path(), QStringLiteral("data")).toLocal8Bit());
        h.window->saveClass();
        qputenv("XDG_DATA_HOME", dataHome);

        QVERIFY(!h.window->document().modified);
        QCOMPARE(h.dialogs.count(Kind::Warn), 0);
        QVERIFY2(h.window->statusBar()->currentMessage().startsWith(
                     QStringLiteral("No earlier version of %1 could be kept: ").arg(path)),
                 qPrintable(h.window->statusBar()->currentMessage()));
        QCOMPARE(readGradeFile(path)->students.size(), std::size_t(4));
    }

    void theCommandWaitsForAClassOnDiskAndOptionsSetHowManyVersionsAreKept() {
        WindowHarness h;
        QVERIFY(!h.window->actions().earlierVersions->isEnabled());
        h.dialogs.saveAs(h.path(QStringLiteral("fresh.grs")));
        h.window->saveClass();
        QVERIFY(h.window->actions().earlierVersions->isEnabled());

        // No version yet: the window says so and offers nothing to open.
        QVERIFY(answered<EarlierVersionsDialog>(h.window->actions().earlierVersions, [](EarlierVersionsDialog* d) {
            QCOMPARE(d->view()->sheet()->maxRow(), 1);
            QVERIFY(!d->openButton()->isEnabled());
            d->reject();
        }));

        QVERIFY(answered<OptionsDialog>(h.window->actions().options, [](OptionsDialog* d) {
            QCOMPARE(d->keptVersionsBox()->value(), kDefaultKeptVersions);
            d->keptVersionsBox()->setValue(2);
            clickOk(d);
        }));
        QCOMPARE(keptVersionCount(*h.settings), 2);

        const QString path = h.write(QStringLiteral("period1.grs"));
        h.open(path);
        for (const char* name : {"Dee Fox", "Eve Gray", "Flo Hart", "Gus Ives"}) {
            addStudent(h, name);
            h.window->saveClass();
        }
        const std::vector<EarlierVersion> kept = earlierVersions(path);
        QCOMPARE(kept.size(), std::size_t(2));
        QCOMPARE(kept.front().students, 6);

        // Cancel stores nothing.
        QVERIFY(answered<OptionsDialog>(h.window->actions().options, [](OptionsDialog* d) {
            d->keptVersionsBox()->setValue(0);
            d->reject();
        }));
        QCOMPARE(keptVersionCount(*h.settings), 2);
    }

    void aClassOpenInAnotherMarkwellWarnsUntilThatOneIsGone() {
        WindowHarness h;
        const QString path = h.write(QStringLiteral("period1.grs"));
        QProcess other;
        other.start(QStringLiteral(MARKWELL_APP_PATH), {path});
        QVERIFY(other.waitForStarted(kWaitLimitMs));
        QTRY_VERIFY_WITH_TIMEOUT(holdsOpenLock(path, other.processId()), kWaitLimitMs);

        const QString warning =
            QStringLiteral("\"period1.grs\" is open in another Markwell window; changes saved there "
                           "and here will overwrite each other.");
        h.open(path);  // Cancel
        QCOMPARE(h.dialogs.texts(Kind::Choice), QStringList{warning});
        QVERIFY(!h.window->document().isTitled());

        h.dialogs.choose(0);  // Open anyway
        h.open(path);
        QCOMPARE(h.dialogs.count(Kind::Choice), 2);
        QCOMPARE(h.window->document().markwellFile, path);

        // The other Markwell dies holding its lock: the next opening takes it over without a word.
        other.kill();
        QVERIFY(other.waitForFinished(kWaitLimitMs));
        h.open(path);
        QCOMPARE(h.dialogs.count(Kind::Choice), 2);
        ClassLock probe(path, ClassLock::Kind::Open);
        QCOMPARE(probe.take().value(), false);  // held by this window now

        // New lets it go.
        h.window->newClass();
        QCOMPARE(probe.take().value(), true);
    }

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

    void saveAsksBeforeOverwritingAndEachAnswerDoesWhatItSays() {
        OpenedClass c;
        MainWindow& w = *c.h.window;
        const QByteArray theirs = c.theirs();
        QVERIFY(!writeFile(c.path, theirs).isEmpty());

        // Cancel, and closing the question: their file stays, the changes too.
        c.h.dialogs.choose(Cancel);
        w.saveClass();
        QCOMPARE(c.h.dialogs.texts(Kind::Choice), QStringList{kOverwriteQuestion});
        QCOMPARE(
            c.h.dialogs.choiceButtons.front(),
            (QStringList{QStringLiteral("&Overwrite"), QStringLiteral("Save &As\u2026"), QStringLiteral("&Cancel")}));
        QCOMPARE(fileContents(c.path), theirs);
        QVERIFY(w.document().modified);
        w.saveClass();
        QCOMPARE(c.h.dialogs.unanswered, 1);
        QCOMPARE(fileContents(c.path), theirs);

        // Save As... saves the class under another name and leaves theirs alone.
        const QString copy = c.h.path(QStringLiteral("mine.grs"));
        c.h.dialogs.choose(SaveAs);
        c.h.dialogs.saveAs(copy);
        w.saveClass();
        QCOMPARE(fileContents(c.path), theirs);
        QCOMPARE(w.document().markwellFile, copy);
        QVERIFY(!w.document().modified);

        // The save question on the way out asks it too; Overwrite writes.
        OpenedClass again;
        QVERIFY(!writeFile(again.path, theirs).isEmpty());
        again.h.dialogs.answer(Answer::Yes);
        again.h.dialogs.choose(Overwrite);
        QVERIFY(again.h.window->close());
        QCOMPARE(again.h.dialogs.count(Kind::Choice), 1);
        QVERIFY(fileContents(again.path) != theirs);
        QCOMPARE(again.h.window->document().classRecord.students[2].name, std::string("Cleo Park"));
    }

    void anyChangeOfAnyOfTheThreeFilesIsNoticed() {
        // The grade file with the same size and time, and each sibling alone.
        const auto sameSizeAndTime = [](const QString& path) {
            const QDateTime modified = QFileInfo(path).lastModified();
            QByteArray bytes = fileContents(path);
            bytes[bytes.size() - 1] = static_cast<char>(bytes[bytes.size() - 1] ^ 1);
            QFile f(path);
            return !writeFile(path, bytes).isEmpty() && f.open(QIODevice::ReadWrite) &&
                   f.setFileTime(modified, QFileDevice::FileModificationTime);
        };
        for (int file = 0; file < 3; ++file) {
            OpenedClass c;
            const QString paths[] = {c.path, c.h.window->document().attendFile, c.h.window->document().seatingFile};
            QVERIFY(file == 0 ? sameSizeAndTime(paths[file]) : appendTo(paths[file]));
            c.h.dialogs.choose(Cancel);
            c.h.window->saveClass();
            QCOMPARE(c.h.dialogs.count(Kind::Choice), 1);
            QVERIFY(c.h.window->document().modified);
        }
    }

    void ownSavesAndUntouchedFilesAskNothing() {
        OpenedClass c;
        MainWindow& w = *c.h.window;
        w.saveClass();
        changeClassTo(w, smallClass());
        w.saveClass();
        // A class saved under a new name is watched under that name.
        c.h.dialogs.saveAs(c.h.path(QStringLiteral("period2.grs")));
        w.saveClassAs();
        changeClassTo(w, changedElsewhere());
        w.saveClass();
        w.documentCommands().reviewChangesOnDisk();
        QVERIFY(c.h.dialogs.messages().isEmpty());
        QVERIFY(!w.document().modified);
    }

    void comingBackOffersToReloadAClassWithoutChanges() {
        OpenedClass c;
        MainWindow& w = *c.h.window;
        w.saveClass();
        QVERIFY(!writeFile(c.path, c.theirs()).isEmpty());

        // No keeps the class shown and asks no more about that change.
        c.h.dialogs.answer(Answer::No);
        w.documentCommands().reviewChangesOnDisk();
        w.documentCommands().reviewChangesOnDisk();
        QCOMPARE(c.h.dialogs.texts(Kind::YesNo), QStringList{kReloadQuestion});
        QCOMPARE(c.h.cls().students[2].name, std::string("Cleo Park"));

        // Coming back to the window checks again; Yes reloads their class.
        QVERIFY(!writeFile(c.path, c.theirs()).isEmpty());
        QFile touched(c.path);
        QVERIFY(touched.open(QIODevice::ReadWrite));
        QVERIFY(touched.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
        touched.close();
        c.h.dialogs.answer(Answer::Yes);
        QVERIFY(showExposed(w));
        w.activateWindow();
        QTRY_COMPARE_WITH_TIMEOUT(c.h.dialogs.count(Kind::YesNo), 2, kWaitLimitMs);
        QTRY_COMPARE_WITH_TIMEOUT(c.h.cls().students[2].name, std::string("Cleo Parker"), kWaitLimitMs);
        QVERIFY(!w.document().modified);

        // With unsaved changes nothing is reloaded: the status line says why Save will ask.
        changeClassTo(w, smallClass());
        QVERIFY(appendTo(c.path));
        w.documentCommands().reviewChangesOnDisk();
        QCOMPARE(c.h.dialogs.count(Kind::YesNo), 2);
        QVERIFY(w.statusBar()->currentMessage().startsWith(
            QStringLiteral("\"period1.grs\" was changed by another program since it was opened.")));
        QCOMPARE(c.h.cls().students[2].name, std::string("Cleo Park"));
        QVERIFY(w.document().modified);
    }

    void bytesSkippedWhenOpenedAreDroppedOnlyWhenTheTeacherSaysSo() {
        WindowHarness h;
        MainWindow& w = *h.window;
        const QString path = h.write(QStringLiteral("period1.grs"));
        const QByteArray damaged = fileContents(path) + QByteArray(236, 'x');
        QVERIFY(!writeFile(path, damaged).isEmpty());
        h.open(path);
        QVERIFY(h.dialogs.onlyText(Kind::Warn).contains(QStringLiteral("holds 236 bytes after the end of the class")));

        // Unanswered, the question keeps the file: Don't Save is its default.
        changeClassTo(w, changedElsewhere());
        w.saveClass();
        QVERIFY(h.dialogs.onlyText(Kind::Choice).contains(QStringLiteral("the earlier version keeps the file")));
        QCOMPARE(h.dialogs.choiceButtons.front(),
                 (QStringList{QStringLiteral("&Save"), QStringLiteral("&Don't Save")}));
        QCOMPARE(fileContents(path), damaged);
        QVERIFY(w.document().modified);

        h.dialogs.choose(0);
        w.saveClass();
        QVERIFY(!w.document().modified);
        QVERIFY(fileContents(path) != damaged);
        const std::vector<EarlierVersion> versions = earlierVersions(path);
        QCOMPARE(versions.size(), std::size_t{1});
        QCOMPARE(readEarlierVersion(versions.front())->grade, damaged);
        // Saved once, the class asks no more.
        changeClassTo(w, smallClass());
        w.saveClass();
        QCOMPARE(h.dialogs.count(Kind::Choice), 2);
    }
};

MARKWELL_GUI_TEST_MAIN(DocumentLifecycleTest)
#include "DocumentLifecycleTest.moc"
