// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The Attendance Analysis window opened from the Attendance page: the years
// and students it offers, what it counts (marks not yet saved included), that
// it writes nothing, and its printout.

#include "gui/pages/AttendancePage.h"
#include "gui/reports/AttendanceAnalysisWindow.h"
#include "gui/sheetview/SheetView.h"
#include "tests/gui/support/ClassFixtures.h"
#include "tests/gui/support/GuiTestMain.h"
#include "tests/gui/support/ShownText.h"
#include "tests/support/PdfText.h"

#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QPushButton>

using namespace markwell;
using namespace markwell::testing;
using Kind = ScriptedDialogs::Kind;

namespace {

// Opens the class on the Attendance page at March 2024.
void openOnAttendance(WindowHarness& h, const std::vector<AttendanceInfo>& records) {
    h.open(h.write(QStringLiteral("att.grs"), smallClass(), records));
    QVERIFY(h.window->showPage(Page::Attendance));
    h.window->attendancePage()->showMonth(3, 2024);
}

AttendanceAnalysisWindow* openAnalysis(WindowHarness& h) {
    h.window->actions().attendanceAnalysis->trigger();
    return h.window->findChild<AttendanceAnalysisWindow*>();
}

}  // namespace

class AttendanceAnalysisWindowTest : public QObject {
    Q_OBJECT
private slots:
    void offersTheShownYearAndTheRosterAndCountsTheRecords() {
        WindowHarness h;
        openOnAttendance(h,
                         {attendanceRecord("ann lee", 3, 2024, "TUE  E"), attendanceRecord("Ann Lee", 4, 2023, "TTT"),
                          attendanceRecord("Bob Stone", 9, 2024, "uU")});
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
        window->close();
    }

    void countsMarksNotYetSavedAndWritesNothing() {
        WindowHarness h;
        openOnAttendance(h, {});
        const QString attendFile = h.window->document().attendFile;
        QVERIFY(!QFile::exists(attendFile));
        AttendancePage* page = h.window->attendancePage();
        page->view()->selectRange(CellRange{3, 2, 3, 4});  // Bob Stone, March 1st to 3rd
        page->markSelection(QStringLiteral("E"));
        QVERIFY(h.window->document().modified);

        AttendanceAnalysisWindow* window = openAnalysis(h);
        QVERIFY(window);
        window->studentCombo()->setCurrentIndex(1);
        QCOMPARE(rowText(window->sheet(), 4), QStringLiteral("March|0|0|3|3"));
        window->accept();
        QVERIFY(!QFile::exists(attendFile));
        QVERIFY(h.window->document().modified);
    }

    void choosingAnotherStudentOrYearRecounts() {
        WindowHarness h;
        openOnAttendance(h,
                         {attendanceRecord("Bob Stone", 12, 2024, "TT"), attendanceRecord("Bob Stone", 12, 2025, "U")});
        AttendanceAnalysisWindow* window = openAnalysis(h);
        QVERIFY(window);
        QCOMPARE(rowText(window->sheet(), 13), QStringLiteral("December|0|0|0|0"));
        window->studentCombo()->setCurrentIndex(1);
        QCOMPARE(rowText(window->sheet(), 13), QStringLiteral("December|2|0|0|2"));
        window->yearCombo()->setCurrentIndex(window->yearCombo()->findText(QStringLiteral("2025")));
        QCOMPARE(rowText(window->sheet(), 13), QStringLiteral("December|0|1|0|1"));
        QCOMPARE(window->view()->model()->index(12, 2).data().toString(), QStringLiteral("1"));
        window->reject();
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
        WindowHarness h;
        openOnAttendance(h, {attendanceRecord("Ann Lee", 3, 2024, "TTU")});
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

MARKWELL_GUI_TEST_MAIN(AttendanceAnalysisWindowTest)
#include "AttendanceAnalysisWindowTest.moc"
