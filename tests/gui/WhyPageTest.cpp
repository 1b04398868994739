// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The individual report's Why page and "What would it take?", and the
// Average cell's tool tip on the grades page, over the small class worked
// out by hand (see ClassFixtures.h).

#include "core/data/Tables.h"
#include "gui/pages/GradesPage.h"
#include "gui/reports/IndividualReportWindow.h"
#include "gui/reports/WhatItTakesPanel.h"
#include "gui/sheetview/SheetView.h"
#include "tests/gui/support/AltLetters.h"
#include "tests/gui/support/ClassFixtures.h"
#include "tests/gui/support/GuiTestMain.h"
#include "tests/gui/support/ShownText.h"
#include "tests/support/PdfText.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QTabWidget>

using namespace markwell;
using namespace markwell::testing;

namespace {

// The first cells of the row whose first cell is `label`.
QString rowStarting(const Sheet& sheet, const QString& label, int cells) {
    for (int row = 1; row <= sheet.maxRow(); ++row) {
        if (sheet.text(row, 1) != label) continue;
        QStringList texts;
        for (int col = 1; col <= cells; ++col) texts << sheet.text(row, col);
        return texts.join(QLatin1Char('|'));
    }
    return QStringLiteral("<no row %1>").arg(label);
}

IndividualReportWindow* openReport(WindowHarness& h, const ClassRecord& cls) {
    h.open(h.write(QStringLiteral("why.grs"), cls));
    return openedBy<IndividualReportWindow>(*h.window, h.window->actions().individualReport);
}

QString toolTipAt(const SheetView* view, int row, int col) {
    return view->model()->data(view->model()->index(row - 1, col - 1), Qt::ToolTipRole).toString();
}

}  // namespace

class WhyPageTest : public QObject {
    Q_OBJECT
private slots:
    void whyPageExplainsTheStudentOnShowAndPrintsTheExplanation() {
        WindowHarness h;
        IndividualReportWindow* report = openReport(h, smallClass());
        QVERIFY(report);
        auto* view = report->findChild<SheetView*>(QStringLiteral("whyView"));
        QVERIFY(view && !view->inCellEditing());
        QCOMPARE(view->sheet(), &report->whySheet());
        const Sheet& why = report->whySheet();
        QCOMPARE(rowStarting(why, QStringLiteral("Quiz 1"), 5), QStringLiteral("Quiz 1|Quiz|8|10|yes"));
        QCOMPARE(rowStarting(why, QStringLiteral("Average"), 3), QStringLiteral("Average|89.090909|89.09%"));

        // Cleo's "-" on Quiz 1 counts nothing: 80 of 100.
        report->studentList()->setCurrentIndex(2);
        QCOMPARE(view->sheet(), &report->whySheet());
        QCOMPARE(rowStarting(why, QStringLiteral("Quiz 1"), 5),
                 QStringLiteral("Quiz 1|Quiz|-|10|no: does not count (-)"));
        QCOMPARE(rowStarting(why, QStringLiteral("Average"), 3), QStringLiteral("Average|80.000000|80.00%"));
        QVERIFY(!h.window->document().modified);
        if (!havePdfToText()) QSKIP("pdftotext is not installed");
        report->studentList()->setCurrentIndex(1);
        report->pages()->setCurrentWidget(report->whyPage());
        const QString pdf = h.path(QStringLiteral("why.pdf"));
        h.dialogs.printToPdf(pdf);
        report->printPage();
        const QString text = pdfText(pdf);
        QVERIFY2(text.contains(QStringLiteral("Counts")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Bob Stone")));  // the report's header
        QVERIFY(text.contains(QStringLiteral("69.090909")));

        // Titled with the student, and with the answer of What would it take? below the table.
        QVERIFY(text.contains(QStringLiteral("Bob Stone: how the grade came out")));
        QVERIFY(text.contains(QStringLiteral("What would it take?")));
        const QString answer = report->whatItTakes()->answerText();
        QVERIFY2(text.simplified().contains(answer.simplified()), qPrintable(answer));
    }

    void theAverageCellsTipAndTheExplanationShowWholeWithReadableFigures() {
        WindowHarness h;
        ClassRecord tipped = smallClass();
        h.open(h.write(QStringLiteral("tips.grs")));
        const SheetView* grades = h.window->gradesPage()->view();

        // Names, Quiz 1, Test 1, Total, Average, Grade; students in rows 2 to 4.
        QCOMPARE(toolTipAt(grades, 2, 5), QStringLiteral("98 of 110 points = 89.09%"));
        QCOMPARE(toolTipAt(grades, 4, 5), QStringLiteral("80 of 100 points = 80.00%"));
        for (const auto& [row, col] :
             {std::pair{1, 5}, std::pair{2, 4}, std::pair{2, 6}, std::pair{2, 1}, std::pair{6, 5}}) {
            QVERIFY2(toolTipAt(grades, row, col).isEmpty(), qPrintable(QStringLiteral("%1,%2").arg(row).arg(col)));
        }

        // After a change of the rules the tip follows the table as rebuilt.
        tipped.lowScoreInfo.drop_type = droprule::kLowestOverall;
        changeClassTo(*h.window, tipped);
        const QString tip = toolTipAt(grades, 2, 5);
        QCOMPARE(tip, QStringLiteral("90 of 100 points after dropping Quiz 1 (lowest score overall) = 90.00%"));
        QVERIFY(tip.endsWith(grades->sheet()->text(2, 5)));  // the cell's own average
        // The explanation of weights and a drop rule.
        ClassRecord cls = smallClass();
        for (int t = 0; t < kAssignmentTypeCount; ++t) cls.weightGrades.setWeight(t, 0);
        cls.weightGrades.setWeight(1, 30);  // Test
        cls.weightGrades.setWeight(2, 20);  // Quiz: two thirds of a test
        cls.weightGrades.enabled = true;
        cls.lowScoreInfo.drop_type = droprule::kLowestOverall;
        h.dialogs.answer(UserDialogs::Answer::No);  // the tipped class is not saved
        IndividualReportWindow* report = openReport(h, cls);
        QVERIFY(report);

        // Factors and weighted points to four decimals at most, not fifteen digits.
        QCOMPARE(rowStarting(report->whySheet(), QStringLiteral("Quiz"), 7), QStringLiteral("Quiz|0|0|20|0.6667|0|0"));

        // The window opens wide enough for every column of the explanation, as far as the screen allows.
        report->pages()->setCurrentWidget(report->whyPage());
        auto* view = report->findChild<SheetView*>(QStringLiteral("whyView"));
        QTRY_VERIFY_WITH_TIMEOUT(view->isVisible(), kWaitLimitMs);
        const QRect room = report->screen()->availableGeometry();
        if (report->frameGeometry().width() < room.width() - 16) {
            QVERIFY2(
                view->horizontalHeader()->length() <= view->viewport()->width(),
                qPrintable(
                    QStringLiteral("%1 of %2").arg(view->viewport()->width()).arg(view->horizontalHeader()->length())));
        }

        // Enter in the lists of What would it take? leaves the window open.
        QVERIFY(showActive(*report));
        for (QComboBox* list : {report->whatItTakes()->assignmentList(), report->whatItTakes()->letterList()}) {
            list->setFocus();
            QTest::keyClick(list, Qt::Key_Return);
            QVERIFY(report->isVisible());
        }
        report->reject();
    }

    void whatItTakesFollowsTheChoicesAndTheStudentAndIsReachedByKeyboard() {
        WindowHarness h;
        IndividualReportWindow* report = openReport(h, smallClass());
        QVERIFY(report);
        WhatItTakesPanel* panel = report->whatItTakes();
        QCOMPARE(itemTexts(panel->assignmentList()), (QStringList{"Quiz 1", "Test 1"}));
        QCOMPARE(itemTexts(panel->letterList()), (QStringList{"A", "B", "C", "D", "F"}));

        // The last assignment and the best letter to begin with. Ann: (8 + x) / 110 >= 90%.
        QCOMPARE(panel->assignmentList()->currentText(), QStringLiteral("Test 1"));
        QCOMPARE(panel->answerText(), QStringLiteral("Needs 91 of 100 points on \"Test 1\" for A (average 90.00%)."));
        panel->assignmentList()->setCurrentIndex(0);  // (x + 90) / 110 >= 90%
        QCOMPARE(panel->answerText(), QStringLiteral("Needs 9 of 10 points on \"Quiz 1\" for A (average 90.00%)."));
        panel->letterList()->setCurrentIndex(1);  // B with 0: 90 / 110 = 81.82%
        QCOMPARE(panel->answerText(), QStringLiteral("B is reached with 0 points on \"Quiz 1\" (average 81.82%)."));

        // Bob (6 and 70): the quiz alone cannot lift him to A, nor B.
        report->studentList()->setCurrentIndex(1);
        QCOMPARE(panel->answerText(),
                 QStringLiteral("B is out of reach on \"Quiz 1\": 10 of 10 points give C (average 72.73%)."));

        // Every control is named and reached from the keyboard.
        report->studentList()->setCurrentIndex(0);
        panel->assignmentList()->setCurrentIndex(1);
        panel->letterList()->setCurrentIndex(0);
        for (QWidget* control :
             {static_cast<QWidget*>(panel->assignmentList()), static_cast<QWidget*>(panel->letterList())}) {
            QVERIFY(!control->accessibleName().isEmpty());
            QVERIFY(control->focusPolicy() & Qt::TabFocus);
        }
        const auto buddyText = [panel](QWidget* buddy) {
            for (const QLabel* label : panel->findChildren<QLabel*>()) {
                if (label->buddy() == buddy) return label->text();
            }
            return QString();
        };
        QCOMPARE(buddyText(panel->assignmentList()), QStringLiteral("&Assignment"));
        QCOMPARE(buddyText(panel->letterList()), QStringLiteral("&Letter"));
        auto* answer = panel->findChild<QLabel*>(QStringLiteral("whatItTakesAnswer"));
        QVERIFY(answer && !answer->accessibleName().isEmpty() && (answer->focusPolicy() & Qt::TabFocus));

        // Ctrl+PgDn twice reaches the page; Alt+L then takes the letter list.
        QVERIFY(showActive(*report));
        QTest::keyClick(report, Qt::Key_PageDown, Qt::ControlModifier);
        QTest::keyClick(report, Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(report->pages()->currentWidget(), report->whyPage());
        QVERIFY(pressLetterUntil(report, Qt::Key_L,
                                 [panel] { return QApplication::focusWidget() == panel->letterList(); }));
        QTest::keyClick(panel->letterList(), Qt::Key_Down);
        QCOMPARE(panel->letterList()->currentText(), QStringLiteral("B"));

        // Ann: (8 + x) / 110 >= 80% at x = 80.
        QCOMPARE(panel->answerText(), QStringLiteral("Needs 80 of 100 points on \"Test 1\" for B (average 80.00%)."));
    }
};

MARKWELL_GUI_TEST_MAIN(WhyPageTest)
#include "WhyPageTest.moc"
