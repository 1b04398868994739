// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The Attendance page: the month's table, the keyboard rules, the pop-up
// menu, the marks kept in the class document until it is saved, and a
// damaged attendance file. The Attendance Analysis window opened from it: the
// years and students it offers, what it counts (marks not yet saved
// included), that it writes nothing, and its printout.

#include "core/attendance/AttendanceTable.h"
#include "core/data/AttendanceBook.h"
#include "core/files/AttendanceFile.h"
#include "gui/document/ClassHistory.h"
#include "gui/pages/AttendancePage.h"
#include "gui/reports/AttendanceAnalysisWindow.h"
#include "tests/gui/support/ClassFixtures.h"
#include "tests/gui/support/GuiTestMain.h"
#include "tests/gui/support/ShownText.h"
#include "tests/support/AttendanceRecords.h"
#include "tests/support/PdfText.h"
#include "tests/support/TestFiles.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QUndoStack>

using namespace markwell;
using namespace markwell::testing;
using Kind = ScriptedDialogs::Kind;

namespace {

// Opens the small class with the given attendance and shows the page on September 2024.
struct AttendanceHarness : WindowHarness {
    QString gradePath;
    AttendancePage* page = nullptr;

    explicit AttendanceHarness(const std::vector<AttendanceInfo>& records = {}) {
        gradePath = write(QStringLiteral("att.grs"), smallClass(), records);
        open(gradePath);
        exposed = showExposed(*window);
        opened = window->showPage(Page::Attendance);
        page = window->attendancePage();
        page->showMonth(9, 2024);
    }
    bool exposed = false;
    bool opened = false;
    // Types a key in the cell of a student row (2..4) and day.
    template <class Key>
    void type(int row, int day, Key key) {
        page->view()->selectRange(CellRange::cell(row, day + 1));
        QTest::keyClick(page->view(), key);
    }
    QString cell(int row, int day) { return page->sheet().text(row, day + 1); }
    std::optional<DayMarks> stored(const char* name, int month, int year) {
        Result<AttendanceFile> file = readAttendanceFile(attendancePathFor(gradePath));
        if (!file) return std::nullopt;
        return AttendanceBook(file->records).marksOf(month, year, {name}).front();
    }
    QByteArray fileBytes() const { return fileContents(attendancePathFor(gradePath)); }
};

AttendanceAnalysisWindow* openAnalysis(WindowHarness& h) {
    h.window->actions().attendanceAnalysis->trigger();
    return h.window->findChild<AttendanceAnalysisWindow*>();
}

}  // namespace

class AttendancePageTest : public QObject {
    Q_OBJECT
private slots:
    void theMonthsTableHasADayColumnPerDayAndTheTotals() {
        const std::vector<std::string> names = {"Ann Lee", "Bob Stone"};
        // Tardy on the 1st and 2nd, excused on the 28th, unexcused on the 29th; a
        // lower-case mark on the 30th, written by other means, is shown but not counted.
        const DayMarks ann = test::dayMarks("TT                         EUt");
        Sheet leap = buildAttendanceTable(names, 2, 2024, {ann, std::nullopt});
        QCOMPARE(leap.maxCol(), 34);  // 29 days + names + four totals
        QCOMPARE(leap.maxRow(), 3);
        QCOMPARE(rowText(leap, 1).left(13), QStringLiteral("Names|2/1|2/2"));
        QCOMPARE(rowText(leap, 1, 29), QStringLiteral("2/28|2/29|T|U|E|Total"));
        QCOMPARE(leap.text(2, 2), QStringLiteral("T"));
        QCOMPARE(rowText(leap, 2, 29), QStringLiteral("E|U|2|1|1|4"));
        QCOMPARE(leap.number(3, 34), 0.0);
        QCOMPARE(leap.format(1, 5).fill.foreground, colour::kNavy);
        QCOMPARE(leap.format(1, 5).font.color, colour::kWhite);
        // Saturday 3 and Sunday 4 February 2024 are shaded in every student row,
        // the Friday and Monday beside them and the heading are not.
        const CellFill weekend{FillPattern::Solid, kWeekendShade, kWeekendShade};
        for (int row : {2, 3}) {
            QCOMPARE(leap.format(row, 4).fill, weekend);
            QCOMPARE(leap.format(row, 5).fill, weekend);
            QCOMPARE(leap.format(row, 3).fill.pattern, FillPattern::None);
            QCOMPARE(leap.format(row, 6).fill.pattern, FillPattern::None);
        }
        QCOMPARE(leap.format(1, 4).fill.foreground, colour::kNavy);
        QCOMPARE(leap.format(2, 30).fill.pattern, FillPattern::None);  // Thursday 29

        QCOMPARE(buildAttendanceTable(names, 2, 2023, {}).maxCol(), 33);
        QCOMPARE(buildAttendanceTable(names, 12, 2023, {}).maxCol(), 36);
        const Sheet nobody = buildAttendanceTable({}, 9, 2024, {});
        QCOMPARE(nobody.maxRow(), 1);
        QCOMPARE(nobody.text(1, 2), QStringLiteral("9/1"));

        // Stored marks come back as the file keeps them: a first character, spaces elsewhere.
        Sheet typed = buildAttendanceTable(names, 9, 2024, {});
        typed.setText(3, 4, QStringLiteral("Tx"));
        typed.setText(3, 31, QStringLiteral("E"));  // day 30 of September
        const std::vector<DayMarks> marks = attendanceMarks(typed);
        QCOMPARE(QByteArray(marks[1].data(), 31), QByteArray("  T") + QByteArray(26, ' ') + "E ");
        QCOMPARE(QByteArray(marks[0].data(), 31), QByteArray(31, ' '));
    }

    void keysMarkOnlyDayCellsCountThemAndTheMarksSurviveOtherPages() {
        AttendanceHarness h;
        QVERIFY(h.exposed && h.opened);
        QCOMPARE(h.page->sheet().maxCol(), 35);  // September: 30 days
        QVERIFY(!h.window->document().modified);

        h.type(2, 3, 't');
        QCOMPARE(h.cell(2, 3), QStringLiteral("T"));
        QCOMPARE(h.page->sheet().number(2, 32), 1.0);
        QVERIFY(h.window->document().modified);

        h.type(2, 4, 'x');  // any other key is turned away
        QCOMPARE(h.cell(2, 4), QString());
        h.type(2, 4, 'u');
        h.type(2, 4, 'e');  // a new letter replaces the old one
        QCOMPARE(h.cell(2, 4), QStringLiteral("E"));
        QCOMPARE(h.page->sheet().number(2, 34), 1.0);  // E
        QCOMPARE(h.page->sheet().number(2, 35), 2.0);  // Total

        h.type(2, 3, '.');  // the full stop clears
        QCOMPARE(h.cell(2, 3), QString());
        h.type(2, 4, Qt::Key_Delete);
        QCOMPARE(h.cell(2, 4), QString());
        QCOMPARE(h.page->sheet().number(2, 35), 0.0);

        // Names and totals take no marks.
        h.type(3, 0, 't');
        QCOMPARE(h.page->sheet().text(3, 1), QStringLiteral("Bob Stone"));
        h.type(3, 32, 'u');
        QCOMPARE(h.page->sheet().number(3, 33), 0.0);

        // A selection of day cells is marked at once (a field trip for all).
        h.page->view()->selectRange(CellRange{2, 11, 4, 11});
        QTest::keyClick(h.page->view(), 'E');
        for (int row = 2; row <= 4; ++row) QCOMPARE(h.cell(row, 10), QStringLiteral("E"));

        const QDate today = QDate::currentDate();
        h.page->showMonth(today.month(), today.year());
        h.type(3, 1, 'e');
        // A mark typed this month, to the Grades page, a change of the class there, and back: still shown.
        QVERIFY(h.window->showPage(Page::Grades));
        makeUnsavedChange(*h.window);
        QVERIFY(h.window->showPage(Page::Attendance));
        QCOMPARE(h.cell(3, 1), QStringLiteral("E"));
        // Saving the class writes it.
        h.window->saveClass();
        QVERIFY(!h.window->document().modified);
        QCOMPARE((*h.stored("Bob Stone", today.month(), today.year()))[0], 'E');
    }

    void thePopupOpensOnlyOverDayCells() {
        AttendanceHarness h;
        QVERIFY(h.page->popupAllowedAt(2, 2));
        QVERIFY(h.page->popupAllowedAt(4, 31));  // day 30
        // Not on the heading, the names, the T count or the total.
        for (const auto& [row, col] : {std::pair(1, 5), std::pair(3, 1), std::pair(3, 32), std::pair(3, 35)})
            QVERIFY(!h.page->popupAllowedAt(row, col));

        QMenu* popup = h.page->popupMenu();
        QStringList captions;
        for (QAction* action : popup->actions()) captions << action->text();
        QCOMPARE(captions, (QStringList{QStringLiteral("Tardy"), QStringLiteral("Unexcused Absence"),
                                        QStringLiteral("Excused Absence"), QString(), QStringLiteral("Clear")}));
        h.page->view()->selectRange(CellRange::cell(3, 6));
        popup->findChild<QAction*>(QStringLiteral("markUnexcused"))->trigger();
        QCOMPARE(h.cell(3, 5), QStringLiteral("U"));
        QCOMPARE(h.page->sheet().number(3, 33), 1.0);
        popup->findChild<QAction*>(QStringLiteral("clearMark"))->trigger();
        QCOMPARE(h.cell(3, 5), QString());
    }

    void marksStayInTheClassAcrossMonthsUntilItIsSaved() {
        AttendanceHarness h({attendanceRecord("ann lee", 10, 2024, "  E")});
        const QByteArray onDisk = h.fileBytes();
        h.type(2, 1, 't');
        h.type(4, 30, 'u');
        QVERIFY(h.window->document().modified);

        // October through the month list: what the file holds, a record found
        // whatever the letter case of its name; September is not written.
        h.page->monthCombo()->setCurrentIndex(9);
        QCOMPARE(h.page->month(), 10);
        QCOMPARE(h.cell(2, 3), QStringLiteral("E"));
        h.type(2, 5, 't');
        // October 2023 through the year list.
        h.page->yearCombo()->setCurrentIndex(h.page->yearCombo()->findText(QStringLiteral("2023")));
        QCOMPARE(h.page->year(), 2023);
        h.type(3, 2, 'e');
        QCOMPARE(h.fileBytes(), onDisk);

        // Back to September: the marks are there, held by the class.
        h.page->yearCombo()->setCurrentIndex(h.page->yearCombo()->findText(QStringLiteral("2024")));
        h.page->monthCombo()->setCurrentIndex(8);
        QCOMPARE(h.cell(2, 1), QStringLiteral("T"));
        QCOMPARE(h.cell(4, 30), QStringLiteral("U"));
        const AttendanceBook& book = h.window->document().attendance;
        QCOMPARE((*book.marksOf(10, 2023, {"Bob Stone"}).front())[1], 'E');

        // Save writes the three months at once; the stored record of the
        // case-different name is overwritten, not doubled.
        h.window->saveClass();
        QVERIFY(!h.window->document().modified);
        QCOMPARE((*h.stored("Ann Lee", 9, 2024))[0], 'T');
        QCOMPARE(h.stored("Cleo Park", 9, 2024).value_or(DayMarks{})[29], 'U');
        QCOMPARE((*h.stored("Bob Stone", 10, 2023))[1], 'E');
        QCOMPARE(QByteArray(h.stored("Ann Lee", 10, 2024).value_or(DayMarks{}).data(), 5), QByteArray("  E T"));
        Result<AttendanceFile> file = readAttendanceFile(attendancePathFor(h.gradePath));
        QVERIFY(file.ok());
        int annInOctober = 0;
        for (const AttendanceInfo& r : file->records) {
            if (r.Month == 10 && r.Year == 2024 && QByteArray::fromStdString(r.name).toLower() == "ann lee")
                ++annInOctober;
        }
        QCOMPARE(annInOctober, 1);
    }

    void aDamagedFileIsShownOnceAndKeptAsItIs() {
        WindowHarness h;
        const QString gradePath = h.write(QStringLiteral("att.grs"));
        const QString atd = attendancePathFor(gradePath);
        // The second record holds month 13: no attendance file Markwell wrote.
        QByteArray damaged = serializeAttendanceFile({attendanceRecord("Ann Lee", 9, 2024, "T"),
                                                      attendanceRecord("Bob Stone", 9, 2024, "U")})
                                 .value();
        damaged[140] = 13;
        QVERIFY(!writeFile(atd, damaged).isEmpty());
        h.open(gradePath);
        QCOMPARE(h.cls().students.size(), std::size_t{3});  // the grades are there
        const QString warning = h.dialogs.onlyText(Kind::Warn);
        QVERIFY(warning.contains(atd));
        QVERIFY(warning.contains(QStringLiteral("record 2 holds month 13")));

        // The page shows no marks, says why, and takes none.
        QVERIFY(h.window->showPage(Page::Attendance));
        AttendancePage* page = h.window->attendancePage();
        page->showMonth(9, 2024);
        QVERIFY(!page->takesMarks());
        QVERIFY(!page->findChild<QLabel*>(QStringLiteral("unusableFileNote"))->isHidden());
        QCOMPARE(page->sheet().text(2, 2), QString());
        page->view()->selectRange(CellRange::cell(2, 3));
        QTest::keyClick(page->view(), 't');
        QCOMPARE(page->sheet().text(2, 3), QString());
        QVERIFY(!h.window->document().modified);

        // Months, pages and changes of the class rebuild the page without warning again.
        page->showMonth(10, 2024);
        QVERIFY(h.window->showPage(Page::Grades));
        makeUnsavedChange(*h.window);
        QVERIFY(h.window->showPage(Page::Attendance));
        QCOMPARE(h.dialogs.count(Kind::Warn), 1);

        // Save writes the grades and leaves the file byte for byte, and says so.
        h.window->saveClass();
        QVERIFY(!h.window->document().modified);
        QCOMPARE(h.dialogs.count(Kind::Warn), 1);
        QVERIFY(h.window->statusBar()->currentMessage().contains(QStringLiteral("was kept as it was")));
        QCOMPARE(fileContents(atd), damaged);
    }

    void theCalendarAndTheListsShowTheSameMonthUntilAnotherClassIsOpened() {
        AttendanceHarness h;
        QVERIFY(h.exposed && h.opened);
        QCalendarWidget* calendar = h.page->calendar();
        QCOMPARE(std::pair(calendar->monthShown(), calendar->yearShown()), std::pair(9, 2024));
        QCOMPARE(h.page->monthCombo()->currentText(), QStringLiteral("September"));
        QCOMPARE(h.page->yearCombo()->currentText(), QStringLiteral("2024"));

        // Turning the calendar's page shows that month.
        calendar->setCurrentPage(2024, 11);
        QCOMPARE(h.page->month(), 11);
        QCOMPARE(h.page->monthCombo()->currentText(), QStringLiteral("November"));
        QCOMPARE(h.page->sheet().maxCol(), 35);

        // A day picked brings its column first into view.
        h.page->view()->resize(300, 200);
        h.page->scrollToDay(20);
        QCOMPARE(h.page->sheet().activeCol(), 21);
        QCOMPARE(h.page->view()->leftCol(), 21);

        // Another month chosen in the list or the calendar reads from its 1st.
        h.page->monthCombo()->setCurrentIndex(9);  // October
        QCOMPARE(h.page->month(), 10);
        QCOMPARE(h.page->view()->leftCol(), 2);
        h.page->scrollToDay(20);
        calendar->setCurrentPage(2024, 12);
        QCOMPARE(h.page->month(), 12);
        QCOMPARE(h.page->view()->leftCol(), 2);
        // A day clicked in the calendar still comes first.
        emit calendar->clicked(QDate(2025, 1, 15));
        QCOMPARE(h.page->month(), 1);
        QCOMPARE(h.page->view()->leftCol(), 16);

        // The month shown stays until another class is opened.
        h.page->showMonth(9, 2024);
        h.page->scrollToDay(20);
        // Away to the other pages and back: still September 2024, on the same day.
        QVERIFY(h.window->showPage(Page::Grades));
        QVERIFY(h.window->showPage(Page::Seating));
        QVERIFY(h.window->showPage(Page::Attendance));
        QCOMPARE(std::pair(h.page->month(), h.page->year()), std::pair(9, 2024));
        QCOMPARE(h.page->monthCombo()->currentText(), QStringLiteral("September"));
        QCOMPARE(h.page->sheet().activeCol(), 21);

        // A class opened anew starts at today's month.
        h.open(h.gradePath);
        QVERIFY(h.window->showPage(Page::Attendance));
        QCOMPARE(std::pair(h.page->month(), h.page->year()),
                 std::pair(QDate::currentDate().month(), QDate::currentDate().year()));
    }

    void eachMarkIsOneStepAndThePageShowsItsUndo() {
        AttendanceHarness h({attendanceRecord("Ann Lee", 9, 2024, "T")});
        QUndoStack& stack = h.window->history().stack();
        const QByteArray onDisk = h.fileBytes();
        h.type(2, 2, 'u');
        QCOMPARE(stack.count(), 1);
        QCOMPARE(stack.undoText(), QStringLiteral("Mark Attendance"));
        // Two days of all three students at once: one step.
        h.page->view()->selectRange(CellRange{2, 11, 4, 12});
        QTest::keyClick(h.page->view(), 'E');
        QCOMPARE(stack.count(), 2);
        h.page->view()->selectRange(CellRange::cell(2, 2));
        h.page->popupMenu()->findChild<QAction*>(QStringLiteral("clearMark"))->trigger();
        QCOMPARE(stack.count(), 3);
        // A mark a day has already is no step.
        h.type(3, 10, 'e');
        QCOMPARE(stack.count(), 3);

        stack.undo();
        QCOMPARE(h.cell(2, 1), QStringLiteral("T"));
        QCOMPARE(h.page->sheet().number(2, 35), 4.0);  // T, U and two E
        stack.undo();
        for (int row = 2; row <= 4; ++row) QCOMPARE(h.cell(row, 10) + h.cell(row, 11), QString());
        QCOMPARE(h.page->sheet().number(3, 35), 0.0);
        stack.undo();
        QCOMPARE(h.cell(2, 2), QString());
        QCOMPARE(h.page->sheet().number(2, 35), 1.0);
        // Saved now, the attendance file is the one that was opened, byte for byte.
        h.window->saveClass();
        QCOMPARE(h.fileBytes(), onDisk);

        // Redone on another month: that month is shown as it is; September has the marks again.
        h.page->showMonth(10, 2024);
        for (int i = 0; i < 3; ++i) stack.redo();
        QCOMPARE(h.cell(2, 10), QString());
        h.page->showMonth(9, 2024);
        QCOMPARE(h.cell(2, 1), QString());
        QCOMPARE(h.cell(2, 2), QStringLiteral("U"));
        QCOMPARE(h.cell(4, 11), QStringLiteral("E"));
        QCOMPARE(h.page->sheet().number(4, 34), 2.0);
    }

    void offersTheShownYearAndTheRosterAndCountsTheChosenStudentAndYear() {
        AttendanceHarness h({attendanceRecord("ann lee", 3, 2024, "TUE  E"),
                             attendanceRecord("Ann Lee", 4, 2023, "TTT"), attendanceRecord("Bob Stone", 9, 2024, "uU"),
                             attendanceRecord("Bob Stone", 12, 2024, "TT"),
                             attendanceRecord("Bob Stone", 12, 2025, "U")});
        h.page->showMonth(3, 2024);
        AttendanceAnalysisWindow* window = openAnalysis(h);
        QVERIFY(window);
        QVERIFY(window->isModal());
        QCOMPARE(helpTopicFor(window->view()), HelpTopic::AttendanceAnalysis);
        QCOMPARE(window->yearCombo()->currentText(), QStringLiteral("2024"));
        QCOMPARE(window->studentCombo()->count(), 3);
        QCOMPARE(window->studentCombo()->itemText(2), QStringLiteral("Cleo Park"));
        QCOMPARE(window->studentCombo()->currentText(), QStringLiteral("Ann Lee"));

        QCOMPARE(rowText(window->sheet(), 4), QStringLiteral("March|1|1|2|4"));  // "ann lee" is Ann Lee
        // The view shows the table it was given.
        QCOMPARE(window->view()->model()->rowCount(), 13);

        // Another student or year is counted anew.
        QCOMPARE(rowText(window->sheet(), 13), QStringLiteral("December|0|0|0|0"));
        window->studentCombo()->setCurrentIndex(1);
        QCOMPARE(rowText(window->sheet(), 13), QStringLiteral("December|2|0|0|2"));
        window->yearCombo()->setCurrentIndex(window->yearCombo()->findText(QStringLiteral("2025")));
        QCOMPARE(rowText(window->sheet(), 13), QStringLiteral("December|0|1|0|1"));
        QCOMPARE(window->view()->model()->index(12, 2).data().toString(), QStringLiteral("1"));
        window->close();
    }

    void countsMarksNotYetSavedAndWritesNothing() {
        AttendanceHarness h;
        h.page->showMonth(3, 2024);
        const QString attendFile = h.window->document().attendFile;
        QVERIFY(!QFile::exists(attendFile));
        h.page->view()->selectRange(CellRange{3, 2, 3, 4});  // Bob Stone, March 1st to 3rd
        h.page->markSelection(QStringLiteral("E"));
        QVERIFY(h.window->document().modified);

        AttendanceAnalysisWindow* window = openAnalysis(h);
        QVERIFY(window);
        window->studentCombo()->setCurrentIndex(1);
        QCOMPARE(rowText(window->sheet(), 4), QStringLiteral("March|0|0|3|3"));
        window->accept();
        QVERIFY(!QFile::exists(attendFile));
        QVERIFY(h.window->document().modified);
    }

    void yearsRunFrom2001AndTakeInAYearOutside() {
        const int last = QDate::currentDate().year() + 2;
        std::vector<int> years = AttendanceAnalysisWindow::yearChoices(2010);
        QCOMPARE(years.front(), 2001);
        QCOMPARE(years.back(), last);
        QCOMPARE(static_cast<int>(years.size()), last - 2001 + 1);
        years = AttendanceAnalysisWindow::yearChoices(1998);
        QCOMPARE(years.front(), 1998);
        QCOMPARE(years[1], 2001);
        years = AttendanceAnalysisWindow::yearChoices(last + 5);
        QCOMPARE(years.back(), last + 5);
    }

    void printsTheAnalysisAndSaysWhenPrintingFails() {
        AttendanceHarness h({attendanceRecord("Ann Lee", 3, 2024, "TTU")});
        h.page->showMonth(3, 2024);
        AttendanceAnalysisWindow* window = openAnalysis(h);
        QVERIFY(window);
        auto* print = window->findChild<QPushButton*>(QStringLiteral("printButton"));
        QVERIFY(print);

        if (havePdfToText()) {
            const QString pdf = h.path(QStringLiteral("analysis.pdf"));
            h.dialogs.printToPdf(pdf);
            print->click();
            const QString text = pdfText(pdf);
            QVERIFY2(text.contains(QStringLiteral("Ann Lee")), qPrintable(text));
            QVERIFY(text.contains(QStringLiteral("Unexcused")));
            QVERIFY(text.contains(QStringLiteral("December")));
            QVERIFY(text.contains(h.window->document().markwellFile));
        }
        h.dialogs.clearRecord();
        h.dialogs.printToPdf(h.path(QStringLiteral("no-such-folder/out.pdf")));
        print->click();
        QCOMPARE(h.dialogs.count(Kind::Warn), 1);
        QVERIFY(h.dialogs.texts(Kind::Warn)
                    .front()
                    .startsWith(QStringLiteral("The attendance analysis could not be printed")));
        QVERIFY(window->isVisible());
        window->reject();
    }
};

MARKWELL_GUI_TEST_MAIN(AttendancePageTest)
#include "AttendancePageTest.moc"
