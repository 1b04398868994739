// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Printing from the main window: names or IDs, attendance, the preview,
// cancelled and failing printers, and the clipboard left alone.

#include "gui/pages/AttendancePage.h"
#include "tests/gui/support/ClassFixtures.h"
#include "tests/gui/support/GuiTestMain.h"
#include "tests/support/PdfText.h"

#include <QClipboard>
#include <QFile>

using namespace markwell;
using namespace markwell::testing;
using Kind = ScriptedDialogs::Kind;

class PrintingCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void gradesPrintWithNamesOrWithIdsAndAttendanceTheMonthOnDisplay() {
        if (!havePdfToText()) QSKIP("pdftotext is not installed");
        WindowHarness h;
        MainWindow& w = *h.window;
        const QString gradePath =
            h.write(QStringLiteral("print me.grs"), smallClass(), {attendanceRecord("Bob Stone", 3, 2024, "  T")});
        h.open(gradePath);
        const QString withNames = h.path(QStringLiteral("names.pdf"));
        h.dialogs.printToPdf(withNames);
        w.actions().printPage->trigger();

        // The job is named after the file, without its folder: the print dialog
        // proposes "<home>/<job name>.pdf" for a PDF.
        QCOMPARE(h.dialogs.texts(Kind::Printer), QStringList{"print me.grs"});
        const QString names = pdfText(withNames);
        for (const QString& expected :
             {QStringLiteral("Names"), QStringLiteral("Cleo Park"), QStringLiteral("98"), gradePath})
            QVERIFY2(names.contains(expected), qPrintable(expected));
        const QString withIds = h.path(QStringLiteral("ids.pdf"));
        h.dialogs.printToPdf(withIds);
        w.tableCommands().printGradesWithIds();
        const QString ids = pdfText(withIds);
        QVERIFY(ids.contains(QStringLiteral("Student ID's")));
        for (const char* id : {"A-1", "B-2", "C-3"}) QVERIFY2(ids.contains(QLatin1String(id)), id);
        for (const char* name : {"Ann Lee", "Bob Stone", "Cleo Park"})
            QVERIFY2(!ids.contains(QLatin1String(name)), name);
        QVERIFY(ids.contains(QStringLiteral("Total")));

        // The page itself still shows the names.
        QCOMPARE(w.gradesTable().sheet.text(2, 1), QStringLiteral("Ann Lee"));
        QCOMPARE(w.gradesTable().sheet.text(1, 1), QStringLiteral("Names"));

        // The preview draws the same pages.
        h.dialogs.previewPdf = h.path(QStringLiteral("preview.pdf"));
        w.previewPrint();
        QVERIFY(pdfText(h.dialogs.previewPdf).contains(QStringLiteral("Bob Stone")));
        QVERIFY(!w.document().modified);

        // Attendance prints the month on display.
        QVERIFY(w.showPage(Page::Attendance));
        w.attendancePage()->showMonth(3, 2024);
        const QString pdf = h.path(QStringLiteral("attendance.pdf"));
        h.dialogs.printToPdf(pdf);
        w.actions().printPage->trigger();
        const QString text = pdfText(pdf);
        for (const QString& expected : {QStringLiteral("3/31"), QStringLiteral("Bob Stone"), w.document().attendFile})
            QVERIFY2(text.contains(expected), qPrintable(expected));

        // The header names the month on display; on its side, in type no
        // smaller than 7 points, the month goes across two pages, both with the names.
        const QString header = text.section(QLatin1Char('\n'), 0, 0);
        QVERIFY2(header.contains(QStringLiteral("March 2024")), qPrintable(header));
        QCOMPARE(pdfPageCount(pdf), 2);
        QCOMPARE(text.count(QStringLiteral("Bob Stone")), 2);
        QVERIFY2(pdfPageSize(pdf).startsWith(QStringLiteral("842 x 595")), qPrintable(pdfPageSize(pdf)));
        w.attendancePage()->showMonth(2, 2025);
        QCOMPARE(w.attendancePage()->month(), 2);
        const QString again = h.path(QStringLiteral("attendance2.pdf"));
        h.dialogs.printToPdf(again);
        w.printAttendance();
        QVERIFY(pdfText(again).contains(QStringLiteral("Cleo Park")));
        QVERIFY(pdfText(again).contains(QStringLiteral("February 2025")));

        // The preview shows the same month.
        h.dialogs.previewPdf = h.path(QStringLiteral("attendance preview.pdf"));
        w.previewPrint();
        QVERIFY(pdfText(h.dialogs.previewPdf).contains(QStringLiteral("February 2025")));
    }

    void ctrlPPrintsThePageShownCancelledSilentlyAndAFailureIsReported() {
        WindowHarness h;
        MainWindow& w = *h.window;
        h.open(h.write(QStringLiteral("keys.grs")));
        QVERIFY(showActive(w));
        QApplication::clipboard()->setText(QStringLiteral("a note of my own"));
        const auto pressCtrlP = [&] {
            h.dialogs.cancelPrint();
            QTest::keyClick(&w, Qt::Key_P, Qt::ControlModifier);
        };
        pressCtrlP();
        QCOMPARE(h.dialogs.texts(Kind::Printer), QStringList{"keys.grs"});
        QVERIFY(w.showPage(Page::Attendance));
        pressCtrlP();
        QCOMPARE(h.dialogs.texts(Kind::Printer), (QStringList{"keys.grs", "keys.ATD"}));
        QVERIFY(w.showPage(Page::Seating));
        pressCtrlP();
        QCOMPARE(h.dialogs.texts(Kind::Printer), (QStringList{"keys.grs", "keys.ATD", "keys.SEA"}));
        QVERIFY(h.dialogs.messages().isEmpty());
        QVERIFY(w.showPage(Page::Grades));
        h.dialogs.printToPdf(h.path(QStringLiteral("no-such-folder/out.pdf")));
        w.tableCommands().printGradesWithIds();
        QVERIFY(h.dialogs.onlyText(Kind::Warn).startsWith(QStringLiteral("The grades could not be printed")));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("a note of my own"));
        QCOMPARE(h.dialogs.unanswered, 0);
    }
};

MARKWELL_GUI_TEST_MAIN(PrintingCommandsTest)
#include "PrintingCommandsTest.moc"
