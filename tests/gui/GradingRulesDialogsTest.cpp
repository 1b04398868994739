// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Weighted Grades and Drop Scores: what they show, what OK gives the class,
// and that Cancel and refusals leave it alone.

#include "core/data/Tables.h"
#include "core/grading/GradesLayout.h"
#include "gui/rules/DropRuleDialog.h"
#include "gui/rules/WeightsDialog.h"
#include "tests/gui/support/AltLetters.h"
#include "tests/gui/support/ClassFixtures.h"
#include "tests/gui/support/GuiTestMain.h"
#include "tests/gui/support/ModalDialogs.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace markwell;
using namespace markwell::testing;

namespace {

// Ann Lee's Average and Grade as the Grades page shows them.
QString annAverage(const MainWindow& w) {
    const Sheet& sheet = w.gradesTable().sheet;
    return sheet.text(2, sheet.maxCol() - 1) + QLatin1Char(' ') + sheet.text(2, sheet.maxCol());
}

DropLowScoreInfo byType(std::initializer_list<int> types) {
    DropLowScoreInfo rule;
    rule.drop_type = droprule::kLowestPerType;
    for (int type : types) rule.setFlag(type, true);
    return rule;
}

}  // namespace

class GradingRulesDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void weightsNeedAHundredEvenWhenNotUsed() {
        ScriptedDialogs dialogs;
        WeightsDialog dialog(WeightedGrades{}, dialogs);
        dialog.weightBox(1)->setValue(60);
        dialog.weightBox(2)->setValue(30);
        clickOk(&dialog);
        QCOMPARE(dialogs.messages(), QStringList{QStringLiteral("Percentage values do not equal to 100%")});
        QCOMPARE(dialog.result(), int(QDialog::Rejected));  // still open, nothing accepted

        dialog.weightBox(3)->setValue(10);
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("weightTotal"))->text(), QStringLiteral("100%"));
        clickOk(&dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        WeightedGrades expected;
        expected.Test = 60;
        expected.Quiz = 30;
        expected.Homework = 10;
        QCOMPARE(dialog.weights(), expected);
    }

    void aWeightStillBeingTypedCounts() {
        ScriptedDialogs dialogs;
        WeightedGrades current;
        current.Test = 50;
        current.enabled = true;
        WeightsDialog dialog(current, dialogs);
        QVERIFY(showExposed(dialog));
        // 50 typed into Homework, and OK pressed with Enter while the box still has the cursor.
        QSpinBox* homework = dialog.weightBox(3);
        homework->setFocus();
        homework->findChild<QLineEdit*>()->selectAll();
        QTest::keyClicks(homework, QStringLiteral("50"));
        QTest::keyClick(homework, Qt::Key_Return);
        QCOMPARE(dialogs.messages(), QStringList());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.weights().Homework, 50);
        QVERIFY(dialog.weights().enabled);

        // "105" is not yet a value while it is being typed: OK reads it as 100.
        WeightsDialog typing(WeightedGrades{}, dialogs);
        QVERIFY(showExposed(typing));
        QSpinBox* final_ = typing.weightBox(0);
        final_->setFocus();
        final_->findChild<QLineEdit*>()->selectAll();
        QTest::keyClicks(final_, QStringLiteral("105"));
        clickOk(&typing);
        QCOMPARE(dialogs.messages(), QStringList());
        QCOMPARE(typing.result(), int(QDialog::Accepted));
        QCOMPARE(typing.weights().Final, 100);
    }

    void weightsOkRebuildsTheAveragesAndCancelChangesNothing() {
        WindowHarness h(smallClass());
        MainWindow& w = *h.window;
        QCOMPARE(annAverage(w), QStringLiteral("89.09% B"));  // 98 of 110

        QVERIFY(answered<WeightsDialog>(w.actions().weightedGrades, [](WeightsDialog* d) {
            d->weightBox(1)->setValue(80);
            d->weightBox(2)->setValue(20);
            d->useBox()->setChecked(true);
            d->reject();
        }));
        QVERIFY(!w.document().modified);
        QCOMPARE(h.cls().weightGrades, WeightedGrades{});

        QVERIFY(answered<WeightsDialog>(w.actions().weightedGrades, [](WeightsDialog* d) {
            d->weightBox(1)->setValue(80);
            d->weightBox(2)->setValue(20);
            d->useBox()->setChecked(true);
            d->accept();
        }));
        QVERIFY(w.document().modified);
        QCOMPARE(h.cls().weightGrades.Test, 80);
        QVERIFY(h.cls().weightGrades.enabled);
        // Test is the reference; quizzes count 20/80: (90 + 8/4) of (100 + 10/4).
        QCOMPARE(annAverage(w), QStringLiteral("89.76% B"));
    }

    void dropRuleShowsWhatTheClassDoes() {
        // A rule this program does not know drops nothing, and shows so: shown
        // as "by type" it would start dropping after an OK.
        DropLowScoreInfo unknown;
        unknown.drop_type = 5;
        unknown.drop_quiz = true;
        DropRuleDialog odd(unknown);
        QVERIFY(odd.ruleButton(droprule::kNone)->isChecked());
        QVERIFY(!odd.typeBox(2)->isChecked());
        QVERIFY(!odd.typeBox(2)->isEnabled());
        QCOMPARE(odd.rule(), DropLowScoreInfo{});

        DropRuleDialog perType(byType({1, 3}));
        QVERIFY(perType.ruleButton(droprule::kLowestPerType)->isChecked());
        for (int type = 0; type < 6; ++type) {
            QVERIFY(perType.typeBox(type)->isEnabled());
            QCOMPARE(perType.typeBox(type)->isChecked(), type == 1 || type == 3);
        }
    }

    void onlyTheByTypeRuleKeepsTypeBoxes() {
        DropRuleDialog dialog(byType({0, 2, 5}));
        dialog.ruleButton(droprule::kLowestOverall)->click();
        for (int type = 0; type < 6; ++type) {
            QVERIFY(!dialog.typeBox(type)->isChecked());
            QVERIFY(!dialog.typeBox(type)->isEnabled());
        }
        DropLowScoreInfo overall;
        overall.drop_type = droprule::kLowestOverall;
        QCOMPARE(dialog.rule(), overall);

        dialog.ruleButton(droprule::kLowestPerType)->click();
        QVERIFY(dialog.typeBox(4)->isEnabled());
        QCOMPARE(dialog.rule(), byType({}));  // by type with nothing ticked drops nothing
        dialog.typeBox(4)->click();
        QCOMPARE(dialog.rule(), byType({4}));
    }

    void dropRuleOkMarksTheClassChangedAndKeysReachEveryChoice() {
        WindowHarness h(smallClass());
        MainWindow& w = *h.window;
        QVERIFY(showExposed(w));

        QVERIFY(answered<DropRuleDialog>(w.actions().dropLowest, [](DropRuleDialog* d) {
            // Keyboard only: Alt+Y chooses "by type", Alt+Q ticks Quiz, Enter is OK.
            QVERIFY(
                pressLetterUntil(d, Qt::Key_Y, [d] { return d->ruleButton(droprule::kLowestPerType)->isChecked(); }));
            QVERIFY(pressLetterUntil(d, Qt::Key_Q, [d] { return d->typeBox(2)->isChecked(); }));
            QTest::keyClick(d->focusWidget(), Qt::Key_Return);
        }));
        QCOMPARE(h.cls().lowScoreInfo, byType({2}));
        QVERIFY(w.document().modified);
        // Ann's quiz (8 of 10) is dropped: 90 of 100.
        QCOMPARE(annAverage(w), QStringLiteral("90.00% A"));

        // Escape is Cancel.
        QVERIFY(answered<DropRuleDialog>(w.actions().dropLowest, [](DropRuleDialog* d) {
            QVERIFY(QTest::qWaitForWindowActive(d, kWaitLimitMs));
            QTest::keyClick(d, Qt::Key_D, Qt::AltModifier);
            QTest::keyClick(d->focusWidget(), Qt::Key_Escape);
        }));
        QCOMPARE(h.cls().lowScoreInfo, byType({2}));
    }

    void okWithoutAChangeLeavesTheClassAsSaved() {
        WindowHarness h;
        MainWindow& w = *h.window;
        ClassRecord cls = smallClass();
        cls.weightGrades.Test = 60;
        cls.weightGrades.Quiz = 40;
        cls.weightGrades.enabled = true;
        h.open(h.write(QStringLiteral("unchanged.grs"), cls));

        QVERIFY(answered<WeightsDialog>(w.actions().weightedGrades, [](WeightsDialog* d) { d->accept(); }));
        QVERIFY(!w.document().modified);
        QVERIFY(answered<DropRuleDialog>(w.actions().dropLowest, [](DropRuleDialog* d) { d->accept(); }));
        QVERIFY(!w.document().modified);
        QCOMPARE(h.cls(), cls);
    }

    void everyDialogIsWideEnoughForItsTitle() {
        ScriptedDialogs dialogs;
        WeightsDialog weights(WeightedGrades{}, dialogs);
        DropRuleDialog drop{DropLowScoreInfo{}};
        // Any dialog of the program, however little it holds.
        QDialog small;
        small.setWindowTitle(QStringLiteral("Assignment Information for the Whole Class"));
        auto* layout = new QVBoxLayout(&small);
        layout->addWidget(new QPushButton(QStringLiteral("OK")));
        for (QDialog* dialog : {static_cast<QDialog*>(&weights), static_cast<QDialog*>(&drop), &small}) {
            QVERIFY(showExposed(*dialog));
            const int titleText = QFontMetrics(dialog->font()).horizontalAdvance(dialog->windowTitle());
            QVERIFY2(dialog->minimumWidth() > titleText + 100, qPrintable(dialog->windowTitle()));
            QVERIFY(dialog->width() >= dialog->minimumWidth());
            // Still no narrower than its contents.
            QVERIFY(dialog->minimumWidth() >= dialog->layout()->totalMinimumSize().width());
            dialog->hide();
        }
    }
};

MARKWELL_GUI_TEST_MAIN(GradingRulesDialogsTest)
#include "GradingRulesDialogsTest.moc"
