// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// File > Class Reports... over the small class: the choices remembered from
// one opening to the next, the preview of the first report and its note's
// misspelt placeholder, the students selected on the Grades page, printing
// through the print dialog, and a Cancel half-way that leaves no file.

#include "gui/pages/GradesPage.h"
#include "gui/reports/ClassReportsWindow.h"
#include "gui/sheetview/SheetView.h"
#include "tests/gui/support/ClassFixtures.h"
#include "tests/gui/support/GuiTestMain.h"
#include "tests/support/PdfText.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>

using namespace markwell;
using namespace markwell::testing;
using Kind = ScriptedDialogs::Kind;

namespace {

ClassReportsWindow* openReports(WindowHarness& h) {
    return openedBy<ClassReportsWindow>(*h.window, h.window->actions().classReports);
}

template <class T>
T* child(ClassReportsWindow* window, const char* name) {
    return window->findChild<T*>(QLatin1String(name));
}

void closeAndWait(ClassReportsWindow* window) {
    QPointer<ClassReportsWindow> guard(window);
    window->reject();
    QTRY_VERIFY_WITH_TIMEOUT(guard.isNull(), kWaitLimitMs);
}

}  // namespace

class ClassReportsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void choicesAreRememberedAndThePreviewFollowsThem() {
        WindowHarness h(smallClass());
        QVERIFY(h.window->actions().classReports->isEnabled());
        ClassReportsWindow* window = openReports(h);
        QVERIFY(window);
        window->refreshPreview();
        QVERIFY2(window->previewCaption().contains(QStringLiteral("Ann Lee")), qPrintable(window->previewCaption()));
        QVERIFY(!window->previewPicture()->pixmap().isNull());

        child<QCheckBox>(window, "byTypeBox")->setChecked(true);
        child<QCheckBox>(window, "whyBox")->setChecked(false);
        child<QRadioButton>(window, "gradedStudents")->setChecked(true);
        child<QComboBox>(window, "gradeLetter")->setCurrentText(QStringLiteral("C"));
        child<QRadioButton>(window, "onePdfDestination")->setChecked(true);
        child<QPlainTextEdit>(window, "note")->setPlainText(QStringLiteral("Dear {name}: {grade}. {nmae}"));
        QVERIFY2(window->noteWarning().contains(QStringLiteral("{nmae}")), qPrintable(window->noteWarning()));
        // Bob (69.09%, D) is the one whose grade is C or worse.
        window->refreshPreview();
        QVERIFY2(window->previewCaption().contains(QStringLiteral("Bob Stone")), qPrintable(window->previewCaption()));
        QCOMPARE(window->contents().note, QStringLiteral("Dear {name}: {grade}. {nmae}"));
        closeAndWait(window);

        window = openReports(h);
        QVERIFY(window);
        const ReportContents kept = window->contents();
        QVERIFY(kept.overall && kept.byType && !kept.why && !kept.attendance && !kept.comment);
        QCOMPARE(kept.note, QStringLiteral("Dear {name}: {grade}. {nmae}"));
        QCOMPARE(window->studentChoice().kind, StudentChoice::Kind::GradeAtMost);
        QCOMPARE(window->studentChoice().letter, QStringLiteral("C"));
        QCOMPARE(window->destination(), ClassReportsWindow::Destination::OnePdf);
        QVERIFY(!window->noteWarning().isEmpty());

        // The print preview shows the first chosen student's report alone.
        h.dialogs.previewPdf = h.path(QStringLiteral("preview.pdf"));
        window->previewFirstReport();
        QCOMPARE(h.dialogs.count(Kind::Preview), 1);
        if (havePdfToText()) {
            const QString text = pdfText(h.dialogs.previewPdf);
            QVERIFY(text.contains(QStringLiteral("Dear Bob Stone: D. {nmae}")));
            QVERIFY(!text.contains(QStringLiteral("Cleo Park")));
        }
        closeAndWait(window);
        QCOMPARE(h.dialogs.unanswered, 0);
    }

    void theGradesPagesSelectionOrTicksChooseTheStudents() {
        WindowHarness h(smallClass());
        h.window->gradesPage()->view()->selectRange({3, 1, 4, 2});  // Bob and Cleo
        ClassReportsWindow* window = openReports(h);
        QVERIFY(window);
        auto* selected = child<QRadioButton>(window, "selectedStudents");
        QVERIFY(selected->isEnabled());
        QVERIFY2(selected->text().contains(QStringLiteral("(2)")), qPrintable(selected->text()));
        selected->setChecked(true);
        const Result<std::vector<int>> students = window->chosenStudents();
        QVERIFY(students.ok());
        QCOMPARE(*students, (std::vector<int>{1, 2}));

        // Ticked by hand: those students alone.
        child<QRadioButton>(window, "tickedChoice")->setChecked(true);
        QVERIFY(window->chosenStudents()->empty());
        child<QListWidget>(window, "tickedStudents")->item(2)->setCheckState(Qt::Checked);
        QCOMPARE(*window->chosenStudents(), std::vector<int>{2});
        window->refreshPreview();
        QVERIFY2(window->previewCaption().contains(QStringLiteral("Cleo Park")), qPrintable(window->previewCaption()));
        closeAndWait(window);
    }

    void printsEveryReportInOneJob() {
        WindowHarness h;
        const QString grs = h.write(QStringLiteral("term.grs"));
        h.open(grs);
        ClassReportsWindow* window = openReports(h);
        QVERIFY(window);
        child<QRadioButton>(window, "allStudents")->setChecked(true);
        child<QRadioButton>(window, "printDestination")->setChecked(true);
        const QString pdf = h.path(QStringLiteral("printed.pdf"));
        h.dialogs.printToPdf(pdf);
        window->makeReports();
        QCOMPARE(h.dialogs.texts(Kind::Printer), QStringList{QStringLiteral("term.grs")});
        QVERIFY(QFileInfo::exists(pdf));
        QVERIFY2(window->doneText().contains(QStringLiteral("3 students")), qPrintable(window->doneText()));
        if (havePdfToText()) {
            const QStringList pages = pdfText(pdf).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
            QCOMPARE(pages.size(), 3);
            const QStringList names{"Ann Lee", "Bob Stone", "Cleo Park"};
            for (int i = 0; i < 3; ++i) {
                QVERIFY(pages[i].section(QLatin1Char('\n'), 0, 0).contains(names[i]));
                QVERIFY(pages[i].contains(QStringLiteral("Page 1 of 1")));
                QVERIFY(pages[i].contains(grs));
            }
        }
        closeAndWait(window);
        QVERIFY(!h.window->document().modified);
    }

    void cancelHalfWayLeavesNoFile() {
        WindowHarness h(smallClass());
        ClassReportsWindow* window = openReports(h);
        QVERIFY(window);
        child<QRadioButton>(window, "allStudents")->setChecked(true);
        h.dialogs.cancelAtPage = 2;

        child<QRadioButton>(window, "onePdfDestination")->setChecked(true);
        const QString pdf = h.path(QStringLiteral("term reports.pdf"));
        h.dialogs.saveAs(pdf);
        window->makeReports();
        QVERIFY(!h.dialogs.progressPages.empty());
        QVERIFY(!QFileInfo::exists(pdf));
        QVERIFY2(window->doneText().startsWith(QStringLiteral("Cancelled")), qPrintable(window->doneText()));

        child<QRadioButton>(window, "folderDestination")->setChecked(true);
        const QString folder = h.path(QStringLiteral("reports"));
        QVERIFY(QDir().mkpath(folder));
        h.dialogs.chooseFolderAt(folder);
        window->makeReports();
        QVERIFY(QDir(folder).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
        QVERIFY(window->doneText().startsWith(QStringLiteral("Cancelled")));

        // Let through, the folder gets every report.
        h.dialogs.cancelAtPage.reset();
        h.dialogs.chooseFolderAt(folder);
        window->makeReports();
        QCOMPARE(QDir(folder).entryList(QDir::Files), (QStringList{"Ann Lee.pdf", "Bob Stone.pdf", "Cleo Park.pdf"}));
        QCOMPARE(h.dialogs.count(Kind::Warn), 0);
        QCOMPARE(h.dialogs.unanswered, 0);
        closeAndWait(window);
    }
};

MARKWELL_GUI_TEST_MAIN(ClassReportsWindowTest)
#include "ClassReportsWindowTest.moc"
