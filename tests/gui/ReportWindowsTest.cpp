// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The report windows over a small class: the individual report, "Grade
// Information" and the graph, how the main window enables them, and their
// printouts.

#include "core/data/PointEntry.h"
#include "gui/reports/GradeInformationWindow.h"
#include "gui/reports/GraphWindow.h"
#include "gui/reports/IndividualReportWindow.h"
#include "gui/shared/HelpTopics.h"
#include "gui/sheetview/SheetView.h"
#include "tests/gui/support/ClassFixtures.h"
#include "tests/gui/support/GuiTestMain.h"
#include "tests/gui/support/ShownText.h"
#include "tests/support/PdfText.h"

#include <QAbstractBarSeries>
#include <QAction>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QComboBox>
#include <QFile>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QValueAxis>

#include <cmath>

using namespace markwell;
using namespace markwell::testing;
using Kind = ScriptedDialogs::Kind;

namespace {

const QAbstractBarSeries* barSeries(const GraphWindow& graph) {
    const auto series = graph.chart()->series();
    return series.size() == 1 ? qobject_cast<const QAbstractBarSeries*>(series.front()) : nullptr;
}

// The height of each bar: the bars stand in sets of one colour each, every
// other set holding 0 at a bar's place.
QList<qreal> barValues(const GraphWindow& graph) {
    const QAbstractBarSeries* bars = barSeries(graph);
    if (!bars || bars->count() == 0) return {};
    QList<qreal> values(bars->barSets().front()->count(), 0);
    for (const QBarSet* set : bars->barSets()) {
        for (int i = 0; i < set->count() && i < values.size(); ++i) values[i] += set->at(i);
    }
    return values;
}

// The colour of each bar with a height: that of the one set that holds it.
QList<QColor> barColours(const GraphWindow& graph) {
    QList<QColor> colours;
    const QAbstractBarSeries* bars = barSeries(graph);
    if (!bars || bars->count() == 0) return colours;
    for (int i = 0; i < bars->barSets().front()->count(); ++i) {
        QList<QColor> holders;
        for (QBarSet* set : bars->barSets()) {
            if (set->at(i) != 0) holders << set->color();
        }
        colours << (holders.size() == 1 ? holders.front() : QColor());
    }
    return colours;
}

QStringList categories(const GraphWindow& graph) {
    const auto axes = graph.chart()->axes(Qt::Horizontal);
    auto* axis = axes.isEmpty() ? nullptr : qobject_cast<QBarCategoryAxis*>(axes.front());
    return axis ? axis->categories() : QStringList();
}

QString axisTitle(const GraphWindow& graph, Qt::Orientation orientation) {
    const auto axes = graph.chart()->axes(orientation);
    return axes.isEmpty() ? QString() : axes.front()->titleText();
}

// The values written above the bars that a reader can see: shown, and not
// in the white the chart's theme gives labels inside bars.
QStringList visibleValueLabels(const GraphWindow& graph) {
    QStringList labels;
    for (const QGraphicsItem* item : graph.chart()->scene()->items(Qt::AscendingOrder)) {
        const auto* text = dynamic_cast<const QGraphicsTextItem*>(item);
        if (!text || !text->isVisible() || text->defaultTextColor().lightness() > 200) continue;
        if (text->parentItem() && text->parentItem()->type() == text->type()) continue;
        labels << text->toPlainText();
    }
    return labels;
}

// The small class opened from a file, with Cleo's ID taken away.
QString openSmallClass(WindowHarness& h) {
    ClassRecord cls = smallClass();
    cls.students[2].id.clear();
    QString path = h.write(QStringLiteral("period 3.grs"), cls);
    h.open(path);
    return path;
}

}  // namespace

class ReportWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void individualReportFollowsTheChosenStudentAndPrintsThePageOnShow() {
        WindowHarness h;
        const QString path = openSmallClass(h);
        auto* report = openedBy<IndividualReportWindow>(*h.window, h.window->actions().individualReport);
        QVERIFY(report);
        QVERIFY(report->isModal());
        QCOMPARE(helpTopicFor(report->studentList()), HelpTopic::IndividualReport);
        QCOMPARE(itemTexts(report->studentList()), (QStringList{"Ann Lee", "Bob Stone", "Cleo Park"}));
        QCOMPARE(report->pages()->tabPosition(), QTabWidget::South);
        QCOMPARE(report->idText(), QStringLiteral("A-1"));
        QCOMPARE(tableText(report->overallSheet()),
                 (QStringList{"Assignments|Points|Total|Percent|Grade", "Quiz 1|8|10|80.00%|B",
                              "Test 1|90|100|90.00%|A", "||||", "Total|98|110|89.09%|B"}));
        report->studentList()->setCurrentIndex(2);
        QCOMPARE(report->idText(), QStringLiteral("N/A"));
        QCOMPARE(tableText(report->overallSheet()).at(4), QStringLiteral("Total|80|110|80.00%|B"));
        QCOMPARE(tableText(report->typeSheet()).at(3), QStringLiteral("Quiz|0|0|0.00%|-"));

        // Shown read-only.
        auto* view = report->findChild<SheetView*>(QStringLiteral("overallView"));
        QVERIFY(view && !view->inCellEditing());
        QCOMPARE(view->sheet(), &report->overallSheet());

        // The class is only read.
        QVERIFY(!h.window->document().modified);
        if (!havePdfToText()) QSKIP("pdftotext is not installed");
        report->studentList()->setCurrentIndex(1);
        const QString overall = h.path(QStringLiteral("overall.pdf"));
        h.dialogs.printToPdf(overall);
        report->printPage();
        QCOMPARE(h.dialogs.texts(Kind::Printer), QStringList{"period 3.grs"});
        const QString overallText = pdfText(overall);
        QVERIFY(overallText.contains(QStringLiteral("Bob Stone")));  // the header's centre
        QVERIFY(overallText.contains(path));
        QVERIFY(overallText.contains(QStringLiteral("69.09%")));
        QVERIFY(!overallText.contains(QStringLiteral("Homework")));
        report->pages()->setCurrentIndex(1);
        const QString byType = h.path(QStringLiteral("type.pdf"));
        h.dialogs.printToPdf(byType);
        report->printPage();
        const QString typeText = pdfText(byType);
        QVERIFY(typeText.contains(QStringLiteral("Homework")));
        QVERIFY(typeText.contains(QStringLiteral("Bob Stone")));

        // A printer that fails is shown.
        h.dialogs.printToPdf(h.path(QStringLiteral("no/such/folder/x.pdf")));
        report->printPage();
        QVERIFY(h.dialogs.onlyText(Kind::Warn).startsWith(QStringLiteral("The report could not be printed")));
    }

    void gradeInformationPagesStartFromTheirFirstChoiceAndPrintWhatIsShown() {
        WindowHarness h;
        openSmallClass(h);
        auto* info = openedBy<GradeInformationWindow>(*h.window, h.window->actions().gradeInformation);
        QVERIFY(info);
        QCOMPARE(helpTopicFor(info->pages()), HelpTopic::Statistics);
        QCOMPARE(itemTexts(info->statisticsAssignments()), (QStringList{"Quiz 1", "Test 1"}));
        QCOMPARE(itemTexts(info->groupingAssignments()), (QStringList{"Quiz 1", "Test 1", "Overall"}));

        // Quiz 1: 8 and 6 count, Cleo's "-" does not.
        QCOMPARE(tableText(info->shownSheet()).at(5), QStringLiteral("Mean|7.00|70.00%"));
        info->statisticsAssignments()->setCurrentIndex(1);
        QCOMPARE(tableText(info->shownSheet()).at(1), QStringLiteral("Minimum Grade|70|70.00%"));
        info->showPage(GradeInformationWindow::Page::Grouping);
        QCOMPARE(info->groupingAssignments()->currentIndex(), 0);
        info->groupingAssignments()->setCurrentIndex(2);  // Overall: B, D, B
        QCOMPARE(tableText(info->shownSheet()).at(2), QStringLiteral("B|2|66.67%"));
        info->showPage(GradeInformationWindow::Page::Missing);
        QVERIFY(info->absentButton()->isChecked());
        QVERIFY(info->absentButton()->isVisible());
        QCOMPARE(tableText(info->shownSheet()), (QStringList{"Students|Assignments", "Ann Lee|< None >",
                                                             "Bob Stone|< None >", "Cleo Park|\"Quiz 1\""}));
        info->zeroButton()->click();
        QCOMPARE(tableText(info->shownSheet()).at(3), QStringLiteral("Cleo Park|< None >"));

        // Back to Grouping: its first item again; back to Missing: Absent again.
        info->showPage(GradeInformationWindow::Page::Grouping);
        QCOMPARE(info->groupingAssignments()->currentIndex(), 0);
        QCOMPARE(tableText(info->shownSheet()).last(), QStringLiteral("Total|2|100.00%"));
        info->showPage(GradeInformationWindow::Page::Missing);
        QVERIFY(info->absentButton()->isChecked());
        QCOMPARE(tableText(info->shownSheet()).at(3), QStringLiteral("Cleo Park|\"Quiz 1\""));
        if (!havePdfToText()) QSKIP("pdftotext is not installed");
        info->zeroButton()->click();
        const QString zeros = h.path(QStringLiteral("zeros.pdf"));
        h.dialogs.printToPdf(zeros);
        info->printPage();
        QCOMPARE(h.dialogs.texts(Kind::Printer), QStringList{"Grade Information"});
        QVERIFY(pdfText(zeros).contains(QStringLiteral("Zeros")));
        QVERIFY(pdfText(zeros).contains(QStringLiteral("Cleo Park")));
        info->showPage(GradeInformationWindow::Page::Miscellaneous);
        info->statisticsAssignments()->setCurrentIndex(1);
        const QString statistics = h.path(QStringLiteral("statistics.pdf"));
        h.dialogs.printToPdf(statistics);
        info->printPage();
        QVERIFY(pdfText(statistics).contains(QStringLiteral("Test 1")));
        QVERIFY(pdfText(statistics).contains(QStringLiteral("Standard Deviation")));
    }

    void graphModesAndValuesAndItsPrintoutOnItsSide() {
        WindowHarness h;
        const QString path = openSmallClass(h);
        auto* graph = openedBy<GraphWindow>(*h.window, h.window->actions().graph);
        QVERIFY(graph);
        QVERIFY(graph->windowFlags() & Qt::WindowMaximizeButtonHint);
        QCOMPARE(helpTopicFor(graph->choice()), HelpTopic::Graph);

        // Opens by student, in points, on the first student.
        QVERIFY(graph->byStudentAction()->isChecked() && graph->pointsAction()->isChecked());
        QCOMPARE(graph->choiceLabel()->text(), QStringLiteral("Students"));
        QCOMPARE(itemTexts(graph->choice()), (QStringList{"Ann Lee", "Bob Stone", "Cleo Park"}));
        QCOMPARE(graph->chart()->title(), QStringLiteral("Ann Lee"));
        QCOMPARE(categories(*graph), (QStringList{"Quiz 1", "Test 1"}));
        QCOMPARE(barValues(*graph), (QList<qreal>{8, 90}));
        QCOMPARE(axisTitle(*graph, Qt::Vertical), QStringLiteral("Points"));
        QCOMPARE(axisTitle(*graph, Qt::Horizontal), QStringLiteral("Assignments"));
        QVERIFY(barSeries(*graph) && barSeries(*graph)->isLabelsVisible());
        QTRY_VERIFY_WITH_TIMEOUT(visibleValueLabels(*graph).contains(QStringLiteral("8")), kWaitLimitMs);
        QVERIFY(visibleValueLabels(*graph).contains(QStringLiteral("90")));
        graph->choice()->setCurrentIndex(2);  // Cleo: "-" is a bar of 0
        graph->percentageAction()->trigger();
        QCOMPARE(barValues(*graph), (QList<qreal>{0, 80}));
        QCOMPARE(axisTitle(*graph, Qt::Vertical), QStringLiteral("Percentage"));
        graph->byAssignmentAction()->trigger();
        QCOMPARE(graph->choiceLabel()->text(), QStringLiteral("Assignments"));
        QCOMPARE(itemTexts(graph->choice()), (QStringList{"Quiz 1", "Test 1", "Overall"}));
        QCOMPARE(graph->chart()->title(), QStringLiteral("Quiz 1"));
        QCOMPARE(categories(*graph), (QStringList{"Ann Lee", "Bob Stone", "Cleo Park"}));
        QCOMPARE(barValues(*graph), (QList<qreal>{80, 60, 0}));
        QCOMPARE(axisTitle(*graph, Qt::Horizontal), QStringLiteral("Students"));
        graph->choice()->setCurrentIndex(2);  // Overall, in percent: the Average column
        QCOMPARE(barValues(*graph), (QList<qreal>{89.09, 69.09, 80}));
        graph->pointsAction()->trigger();
        QCOMPARE(barValues(*graph), (QList<qreal>{98, 76, 80}));
        QCOMPARE(graph->chart()->title(), QStringLiteral("Overall"));

        // Printed by student in percent, with its title kept.
        if (!havePdfToText()) QSKIP("pdftotext is not installed");
        graph->byStudentAction()->trigger();
        graph->percentageAction()->trigger();
        const QString pdf = h.path(QStringLiteral("graph.pdf"));
        h.dialogs.printToPdf(pdf);
        graph->printAction()->trigger();
        QCOMPARE(h.dialogs.count(Kind::Printer), 1);
        QCOMPARE(h.dialogs.count(Kind::Warn), 0);
        QCOMPARE(pdfPageCount(pdf), 1);
        const QString size = pdfPageSize(pdf);
        QVERIFY2(size.startsWith(QStringLiteral("842 x 595")) || size.startsWith(QStringLiteral("792 x 612")),
                 qPrintable(size));
        const QString text = pdfText(pdf);
        for (const QString& expected : {QStringLiteral("Ann Lee"), QStringLiteral("Percentage"),
                                        QStringLiteral("Assignments"), QStringLiteral("Test 1"), path}) {
            QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral(" in\n") + text));
        }

        // The bars' values, 80 and 90 percent, are printed above them.
        const QString belowHeader = text.section(QLatin1Char('\n'), 1);
        for (const char* value : {"80", "90"}) {
            QVERIFY2(
                belowHeader.contains(QRegularExpression(QStringLiteral("(^|\\s)%1(\\s|$)").arg(QLatin1String(value)))),
                qPrintable(text));
        }

        // The window's chart keeps its title.
        QCOMPARE(graph->chart()->title(), QStringLiteral("Ann Lee"));
        QVERIFY(graph->chart()->titleBrush().color() == QColor(Qt::blue));
        h.dialogs.printToPdf(h.path(QStringLiteral("no/such/folder/graph.pdf")));
        graph->printChart();
        QCOMPARE(h.dialogs.count(Kind::Warn), 1);
    }

    void graphBarsTakeTheirOwnColoursAndAZeroIsWritten() {
        WindowHarness h;
        ClassRecord cls = smallClass();
        cls.assignments[0].namegrade[1] = makePointEntry("Bob Stone", "0");
        h.open(h.write(QStringLiteral("zero.grs"), cls));
        auto* graph = openedBy<GraphWindow>(*h.window, h.window->actions().graph);
        QVERIFY(graph);
        graph->byAssignmentAction()->trigger();
        graph->choice()->setCurrentIndex(2);  // Overall: three bars, three colours
        const QList<QColor> colours = barColours(*graph);
        QCOMPARE(colours.size(), 3);
        for (int i = 0; i < colours.size(); ++i) {
            QVERIFY2(colours[i].isValid(), qPrintable(QString::number(i)));
            for (int j = 0; j < i; ++j) QVERIFY(colours[i] != colours[j]);
        }

        // Quiz 1: Ann 8, Bob a mark of 0, Cleo "-". Bob's bar is written "0";
        // Cleo has no bar and nothing written.
        for (QAction* unit : {graph->pointsAction(), graph->percentageAction()}) {
            unit->trigger();
            graph->choice()->setCurrentIndex(0);
            QCOMPARE(barValues(*graph), (QList<qreal>{unit == graph->pointsAction() ? 8.0 : 80.0, 0, 0}));
            QTRY_COMPARE_WITH_TIMEOUT(visibleValueLabels(*graph).count(QStringLiteral("0")), 1, kWaitLimitMs);
        }

        // The "0" stands on Bob's bar, between Ann's and Cleo's names.
        QGraphicsTextItem* zero = nullptr;
        for (QGraphicsItem* item : graph->chart()->childItems()) {
            auto* text = dynamic_cast<QGraphicsTextItem*>(item);
            if (text && text->toPlainText() == QStringLiteral("0") && text->isVisible()) zero = text;
        }
        QVERIFY(zero);
        const double bobX = graph->chart()->mapToPosition(QPointF(1, 0), graph->chart()->series().front()).x();
        QVERIFY(std::abs(zero->mapToParent(zero->boundingRect().center()).x() - bobX) < 2);

        // Another choice takes the mark away.
        graph->choice()->setCurrentIndex(1);
        QCOMPARE(visibleValueLabels(*graph).count(QStringLiteral("0")), 0);
    }

    void graphItemsAreTakenByPosition() {
        WindowHarness h;
        ClassRecord cls = smallClass();
        cls.assignments[1].title = "Quiz 1";  // two assignments of one title
        cls.assignments.push_back(cls.assignments[0]);
        cls.assignments.back().title = "Overall";  // and one called like the last item
        h.open(h.write(QStringLiteral("same.grs"), cls));
        auto* graph = openedBy<GraphWindow>(*h.window, h.window->actions().graph);
        QVERIFY(graph);
        graph->byAssignmentAction()->trigger();
        QCOMPARE(itemTexts(graph->choice()), (QStringList{"Quiz 1", "Quiz 1", "Overall", "Overall"}));
        graph->choice()->setCurrentIndex(1);
        QCOMPARE(barValues(*graph), (QList<qreal>{90, 70, 80}));  // the second only: three bars
        graph->choice()->setCurrentIndex(2);
        QCOMPARE(barValues(*graph), (QList<qreal>{8, 6, 0}));  // the assignment called "Overall"
        graph->choice()->setCurrentIndex(3);
        QCOMPARE(barValues(*graph), (QList<qreal>{106, 82, 80}));  // the course result
        // A student's bars keep one bar per assignment, titles alike or not.
        graph->byStudentAction()->trigger();
        QCOMPARE(barValues(*graph), (QList<qreal>{8, 90, 8}));
        QCOMPARE(categories(*graph).size(), 3);
    }
};

MARKWELL_GUI_TEST_MAIN(ReportWindowsTest)
#include "ReportWindowsTest.moc"
