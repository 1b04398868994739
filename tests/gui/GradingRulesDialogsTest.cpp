// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Weighted Grades and Drop Scores: what they show, what OK gives the class,
// and that Cancel and refusals leave it alone. Grade Scale: the scales of the
// store, the class's own scale, and what Save As, Delete and OK do to the
// store and the class.

#include "core/data/Tables.h"
#include "core/grading/GradesLayout.h"
#include "core/scales/ScaleChecks.h"
#include "gui/rules/DropRuleDialog.h"
#include "gui/rules/GradeScaleDialog.h"
#include "gui/rules/WeightsDialog.h"
#include "gui/shared/QtUserDialogs.h"
#include "tests/gui/support/AltLetters.h"
#include "tests/gui/support/ClassFixtures.h"
#include "tests/gui/support/GuiTestMain.h"
#include "tests/gui/support/ModalDialogs.h"
#include "tests/gui/support/ShownText.h"
#include "tests/support/TestFiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
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

using Kind = ScriptedDialogs::Kind;

QString q(const char* text) {
    return QString::fromUtf8(text);
}

// A scale store of its own, with the default scale and "Biology".
struct Store {
    QTemporaryDir dir;
    QSettingsStore settings{dir.filePath(QStringLiteral("Grades.ini"))};
    ScaleStore scales{settings};

    Store() {
        (void)scales.createDefaultScale();
        (void)scales.saveScale(biology());
    }
    static StoredScale biology() {
        return {q("Biology"),
                ScaleKind::Standard,
                {{q("A"), q("92"), q("100")},
                 {q("B"), q("85"), q("91.9")},
                 {q("C"), q("75"), q("84.9")},
                 {q("D"), q("65"), q("74.9")},
                 {q("F"), q("0"), q("64.9")}}};
    }
};

CurrentGradeScale classScale(const char* name) {
    return CurrentGradeScale{name, 1, "90,100,80,89.9,70,79.9,60,69.9,0,59.9"};
}

// The dialog over the store, opened on the class's scale `name`.
struct Opened : Store {
    ScriptedDialogs dialogs;
    GradeScaleDialog dialog;
    explicit Opened(const char* name) : dialog(scales, classScale(name), dialogs) {}
};

// The table's current cell as (row, column).
std::pair<int, int> currentCell(const QTableWidget* table) {
    return {table->currentRow(), table->currentColumn()};
}

QStringList rowHeadings(const QTableWidget* table) {
    QStringList letters;
    for (int r = 0; r < table->rowCount(); ++r) letters << table->verticalHeaderItem(r)->text();
    return letters;
}

QStringList cells(const QTableWidget* table) {
    QStringList texts;
    for (int r = 0; r < table->rowCount(); ++r) texts << table->item(r, 0)->text() << table->item(r, 1)->text();
    return texts;
}

// Keys as a person types them: each goes to whatever has the focus then.
void typeKeys(const QString& text) {
    for (QChar ch : text) QTest::keyClicks(QApplication::focusWidget(), QString(ch));
}

}  // namespace

class GradingRulesDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void weightsNeedAHundredEvenWhenNotUsedAndOneStillBeingTypedCounts() {
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

        // A weight still being typed counts: 50 typed into Homework, and OK
        // pressed with Enter while the box still has the cursor.
        dialogs.clearRecord();
        WeightedGrades current;
        current.Test = 50;
        current.enabled = true;
        WeightsDialog typed(current, dialogs);
        QVERIFY(showExposed(typed));
        QSpinBox* homework = typed.weightBox(3);
        homework->setFocus();
        homework->findChild<QLineEdit*>()->selectAll();
        QTest::keyClicks(homework, QStringLiteral("50"));
        QTest::keyClick(homework, Qt::Key_Return);
        QCOMPARE(dialogs.messages(), QStringList());
        QCOMPARE(typed.result(), int(QDialog::Accepted));
        QCOMPARE(typed.weights().Homework, 50);
        QVERIFY(typed.weights().enabled);

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

    void dropRuleShowsWhatTheClassDoesAndOnlyByTypeKeepsTypeBoxes() {
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

        // Only the by-type rule keeps type boxes.
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

    void opensOnTheClassScaleAndLaysOutEachKind() {
        Opened f("<Default>");
        QCOMPARE(itemTexts(f.dialog.scaleList()), (QStringList{q("<Default>"), q("Biology")}));
        QCOMPARE(f.dialog.scaleList()->currentText(), q("<Default>"));
        QCOMPARE(rowHeadings(f.dialog.table()), (QStringList{q("A"), q("B"), q("C"), q("D"), q("F")}));
        QCOMPARE(cells(f.dialog.table()), (QStringList{q("90"), q("100"), q("80"), q("89.9"), q("70"), q("79.9"),
                                                       q("60"), q("69.9"), q("0"), q("59.9")}));
        QCOMPARE(currentCell(f.dialog.table()), std::pair(0, 0));
        QVERIFY(f.dialog.kindButton(ScaleKind::Standard)->isChecked());

        f.dialog.kindButton(ScaleKind::Expanded)->click();
        QCOMPARE(rowHeadings(f.dialog.table()), (QStringList{q("A "), q("A-"), q(" B+"), q("B "), q("B-"), q(" C+"),
                                                             q("C "), q("C-"), q(" D+"), q("D "), q("D-"), q("F ")}));
        QCOMPARE(cells(f.dialog.table()).mid(0, 6),
                 (QStringList{q("94"), q("100"), q("90"), q("93.9"), q("87"), q("89.9")}));

        f.dialog.scaleList()->setCurrentText(q("Biology"));
        QVERIFY(f.dialog.kindButton(ScaleKind::Standard)->isChecked());
        QCOMPARE(cells(f.dialog.table()).mid(0, 4), (QStringList{q("92"), q("100"), q("85"), q("91.9")}));

        // A class of a file that names no scale starts on the default.
        GradeScaleDialog unnamed(f.scales, classScale(""), f.dialogs);
        QCOMPARE(unnamed.scaleList()->currentText(), q("<Default>"));
    }

    void passFailOkGivesTheClassItsBoundsAndLetters() {
        WindowHarness h(smallClass());
        MainWindow& w = *h.window;
        const Sheet before = w.gradesTable().sheet;         // a copy: the table changes with the scale
        QCOMPARE(before.text(3, before.maxCol()), q("D"));  // Bob Stone, 69.09%

        h.dialogs.choose(0);  // Change
        QVERIFY(answered<GradeScaleDialog>(w.actions().gradeScale, [](GradeScaleDialog* d) {
            d->kindButton(ScaleKind::PassFail)->click();
            clickOk(d);
        }));
        QCOMPARE(h.dialogs.texts(Kind::Choice),
                 QStringList{q("Change the scale \"<Default>\" for every class that uses it?")});
        QCOMPARE(h.cls().gradeScale, (CurrentGradeScale{"<Default>", 2, "75,100,0,74"}));
        QVERIFY(w.document().modified);
        const Sheet& after = w.gradesTable().sheet;
        QCOMPARE(after.text(2, after.maxCol()), q("Pass"));  // Ann Lee, 89.09%
        QCOMPARE(after.text(3, after.maxCol()), q("Fail"));  // Bob Stone, 69.09%
        QCOMPARE(after.text(2, after.maxCol() - 1), before.text(2, before.maxCol() - 1));
        // OK saved the scale shown under its name.
        QCOMPARE(h.scales->scaleNamed(q("<Default>"))->num_values, "75,100,0,74");

        // Cancel changes nothing of the class.
        const ClassRecord kept = h.cls();
        h.dialogs.choose(0);  // Discard
        QVERIFY(answered<GradeScaleDialog>(w.actions().gradeScale, [](GradeScaleDialog* d) {
            d->kindButton(ScaleKind::Expanded)->click();
            d->reject();
        }));
        QCOMPARE(h.cls(), kept);
    }

    void saveAsRefusesAnEmptyNameAndBoundsThatAreNoNumbers() {
        Opened f("<Default>");

        // An empty name would address the group that holds every scale.
        for (const char* name : {"", "   "}) {
            f.dialogs.answerText(q(name));
            f.dialog.saveAsButton()->click();
        }
        QCOMPARE(f.dialogs.texts(Kind::Text), (QStringList{q("Saved Grade Scale"), q("Saved Grade Scale")}));
        QCOMPARE(f.dialogs.textRequests.front().text, q("<Default>"));
        QCOMPARE(f.dialogs.texts(Kind::Inform),
                 (QStringList{q("A grade scale needs a name."), q("A grade scale needs a name.")}));
        f.dialogs.answerText(q("Bio/Chem"));
        f.dialog.saveAsButton()->click();
        QCOMPARE(f.scales.scaleNames(), (QStringList{q("<Default>"), q("Biology")}));
        QCOMPARE(itemTexts(f.dialog.scaleList()), (QStringList{q("<Default>"), q("Biology")}));

        // "a,b" would shift every bound after it in the class's comma text.
        f.dialogs.clearRecord();
        f.dialog.table()->item(2, 1)->setText(q("a,b"));
        f.dialogs.answerText(q("Chemistry"));
        f.dialog.saveAsButton()->click();
        QCOMPARE(f.dialogs.messages(), QStringList{q("Invalid value!")});
        QCOMPARE(f.dialogs.textRequests.size(), std::size_t(0));  // refused before a name was asked
        QCOMPARE(currentCell(f.dialog.table()), std::pair(2, 1));
        QVERIFY(!f.scales.contains(q("Chemistry")));
    }

    void saveAsOntoAnExistingNameAsksAndListsItOnce() {
        Opened f("<Default>");
        f.dialog.table()->item(0, 0)->setText(q("91"));

        f.dialogs.answerText(q(" biology "));
        f.dialogs.answer(UserDialogs::Answer::No);
        f.dialog.saveAsButton()->click();
        QCOMPARE(f.dialogs.texts(Kind::YesNo),
                 QStringList{q("A grade scale named \"biology\" already exists. Do you want to replace it?")});
        QCOMPARE(f.scales.readScale(q("Biology")), Store::biology());

        f.dialogs.answerText(q("BIOLOGY"));
        f.dialogs.answer(UserDialogs::Answer::Yes);
        f.dialog.saveAsButton()->click();
        QCOMPARE(itemTexts(f.dialog.scaleList()), (QStringList{q("<Default>"), q("BIOLOGY")}));
        QCOMPARE(f.dialog.scaleList()->currentText(), q("BIOLOGY"));
        QCOMPARE(f.scales.scaleNames(), (QStringList{q("<Default>"), q("BIOLOGY")}));
        QCOMPARE(f.scales.readScale(q("BIOLOGY"))->ranges[0].low, q("91"));

        // A new name joins the list; Cancel afterwards keeps the saved scale.
        f.dialogs.answerText(q("Chemistry"));
        f.dialog.saveAsButton()->click();
        QCOMPARE(itemTexts(f.dialog.scaleList()), (QStringList{q("<Default>"), q("BIOLOGY"), q("Chemistry")}));
        f.dialog.reject();
        QVERIFY(f.scales.contains(q("Chemistry")));
        QCOMPARE(f.dialogs.unanswered, 0);
    }

    void aScaleTheStoreLacksIsShownUnderItsName() {
        Store store;
        ScriptedDialogs dialogs;
        const CurrentGradeScale carried{"From home", 0,
                                        "95,100,90,94.9,86,89.9,83,85.9,80,82.9,76,79.9,73,75.9,70,72.9,"
                                        "66,69.9,63,65.9,60,62.9,0,59.9"};
        GradeScaleDialog dialog(store.scales, carried, dialogs);
        QCOMPARE(dialog.scaleList()->currentText(), q("From home"));
        QVERIFY(dialog.kindButton(ScaleKind::Expanded)->isChecked());
        QCOMPARE(dialog.table()->rowCount(), 12);
        QCOMPARE(cells(dialog.table()).mid(0, 4), (QStringList{q("95"), q("100"), q("90"), q("94.9")}));

        // Other scales can be looked at and the carried one shown again.
        dialog.scaleList()->setCurrentText(q("Biology"));
        QCOMPARE(dialog.table()->rowCount(), 5);
        dialog.scaleList()->setCurrentText(q("From home"));
        QCOMPARE(cells(dialog.table()).mid(0, 2), (QStringList{q("95"), q("100")}));

        clickOk(&dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.chosenScale().name, q("From home"));
        QCOMPARE(gradeScaleOf(dialog.chosenScale()).value(), carried);
        QVERIFY(store.scales.contains(q("From home")));
    }

    void deleteAsksFirstAndNeverTakesTheDefault() {
        Opened f("Biology");
        QCOMPARE(f.dialog.scaleList()->currentText(), q("Biology"));

        f.dialogs.answer(UserDialogs::Answer::No);
        f.dialog.deleteButton()->click();
        QCOMPARE(f.dialogs.count(Kind::YesNo), 1);
        QVERIFY(f.scales.contains(q("Biology")));

        f.dialogs.answer(UserDialogs::Answer::Yes);
        f.dialog.deleteButton()->click();
        QVERIFY(!f.scales.contains(q("Biology")));
        QCOMPARE(itemTexts(f.dialog.scaleList()), QStringList{q("<Default>")});
        QCOMPARE(cells(f.dialog.table()).mid(0, 2), (QStringList{q("90"), q("100")}));

        f.dialogs.clearRecord();
        f.dialog.deleteButton()->click();
        QCOMPARE(f.dialogs.count(Kind::YesNo), 0);
        QCOMPARE(f.dialogs.texts(Kind::Inform),
                 QStringList{q("The scale <Default> cannot be deleted: new classes use it.")});
        QVERIFY(f.scales.contains(q("<Default>")));
    }

    void okChecksTheBoundsAndShowsTheCell() {
        Opened f("Biology");
        f.dialog.table()->item(1, 1)->setText(q("95"));  // B up to 95, above A's 92
        clickOk(&f.dialog);
        QCOMPARE(f.dialogs.messages(),
                 QStringList{q("Minimum percentage of higher grade is greater than maximum percentage of lower grade: "
                               "\u201cA\u201d starts at 92, below 95 where \u201cB\u201d ends.")});
        QCOMPARE(f.dialog.result(), int(QDialog::Rejected));
        // Of the two bounds compared, the one typed is the one to correct.
        QCOMPARE(currentCell(f.dialog.table()), std::pair(1, 1));
        QCOMPARE(f.scales.readScale(q("Biology")), Store::biology());
        f.dialog.table()->item(0, 0)->setText(q("101"));  // now A starts above where it ends
        clickOk(&f.dialog);
        QCOMPARE(f.dialogs.messages().last(), q("Minimum percentage is greater than maximum percentage for same grade: "
                                                "\u201cA\u201d starts at 101 but ends at 100."));
        QCOMPARE(currentCell(f.dialog.table()), std::pair(0, 0));
        f.dialog.table()->item(0, 0)->setText(q("92"));

        f.dialog.table()->item(1, 1)->setText(q("91.9"));
        f.dialog.table()->item(4, 0)->setText(q(" "));
        clickOk(&f.dialog);
        QCOMPARE(f.dialogs.messages().last(), q("No range fields can be left blank"));
        QCOMPARE(currentCell(f.dialog.table()), std::pair(4, 0));

        f.dialog.table()->item(4, 0)->setText(q("0"));
        clickOk(&f.dialog);
        QCOMPARE(f.dialog.result(), int(QDialog::Accepted));
    }

    void aCellStillBeingTypedIsSaved() {
        Opened f("Biology");
        QVERIFY(showExposed(f.dialog));
        QTableWidget* table = f.dialog.table();
        table->setCurrentCell(0, 0);
        table->editItem(table->item(0, 0));
        auto* editor = qobject_cast<QLineEdit*>(table->indexWidget(table->currentIndex()));
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, q("93"));
        f.dialogs.choose(0);  // Change
        clickOk(&f.dialog);
        QCOMPARE(f.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(f.dialog.chosenScale().ranges[0].low, q("93"));
        QCOMPARE(f.scales.readScale(q("Biology"))->ranges[0].low, q("93"));
    }

    void keysTypeBoundsAndRefuseEverythingElse() {
        Opened f("Biology");
        QVERIFY(showActive(f.dialog));
        QTableWidget* table = f.dialog.table();
        const auto* hint = f.dialog.findChild<QLabel*>(QStringLiteral("boundHint"));
        QCOMPARE(QApplication::focusWidget(), table);

        // Typing on a cell replaces it; Enter stores it.
        typeKeys(q("93.5"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(table->item(0, 0)->text(), q("93.5"), kWaitLimitMs);  // stored once Enter is handled
        QVERIFY(hint->text().isEmpty());
        QVERIFY(f.dialog.isVisible());  // Enter in a cell is not OK

        // Letters, signs, commas and quotes are refused and the reason shown;
        // a bound takes at most six characters.
        QTest::keyClick(table, Qt::Key_Right);
        typeKeys(q("1a-,\""));
        QVERIFY(hint->text().startsWith(q("Invalid value!")));
        typeKeys(q("00.009"));
        QVERIFY(hint->text().isEmpty());  // gone with the first good key
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(table->item(0, 1)->text(), q("100.00"), kWaitLimitMs);
        QCOMPARE(f.dialogs.messages(), QStringList());

        // Every other control has its letter.
        QVERIFY(pressLetterUntil(&f.dialog, Qt::Key_S,
                                 [&] { return QApplication::focusWidget() == f.dialog.scaleList(); }));
        QVERIFY(pressLetterUntil(&f.dialog, Qt::Key_P,
                                 [&] { return f.dialog.kindButton(ScaleKind::PassFail)->isChecked(); }));
        QCOMPARE(table->rowCount(), 2);
        f.dialogs.cancelText();
        QVERIFY(pressLetterUntil(&f.dialog, Qt::Key_A, [&] { return f.dialogs.count(Kind::Text) == 1; }));
        f.dialogs.choose(0);  // Discard the bounds typed
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(f.dialogs.count(Kind::Choice), 1);
        QVERIFY(!f.dialog.isVisible());
        QCOMPARE(f.dialog.result(), int(QDialog::Rejected));
    }

    void aFailedSettingsWriteKeepsTheDialogOpen() {
        QTemporaryDir dir;
        QSettingsStore settings(unwritablePath(dir.path(), QStringLiteral("Grades.ini")));
        ScaleStore scales(settings);
        ScriptedDialogs dialogs;
        GradeScaleDialog dialog(scales, classScale("<Default>"), dialogs);
        clickOk(&dialog);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(dialogs.onlyText(Kind::Warn).contains(q("could not be saved")));
    }

    void okOnAChangedStoredScaleAsksFirst() {
        Opened unchanged("<Default>");
        clickOk(&unchanged.dialog);  // nothing changed: nothing to ask
        QCOMPARE(unchanged.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(unchanged.dialogs.count(Kind::Choice), 0);
        ScaleStore& scales = unchanged.scales;
        ScriptedDialogs& dialogs = unchanged.dialogs;
        const StoredScale standard = *scales.readScale(q("<Default>"));

        // Cancel in the question: the dialog stays open and the store as it was.
        GradeScaleDialog dialog(scales, classScale("<Default>"), dialogs);
        dialog.kindButton(ScaleKind::PassFail)->click();
        dialogs.choose(2);
        clickOk(&dialog);
        QCOMPARE(dialogs.texts(Kind::Choice),
                 QStringList{q("Change the scale \"<Default>\" for every class that uses it?")});
        QCOMPARE(dialogs.choiceButtons.front(), (QStringList{q("Change"), q("Save as New..."), q("Cancel")}));
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(scales.readScale(q("<Default>")), standard);

        // Save as New... with its name dialog cancelled stays open too.
        dialogs.choose(1);
        dialogs.cancelText();
        clickOk(&dialog);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(scales.scaleNames(), (QStringList{q("<Default>"), q("Biology")}));

        // Save as New... with a name: the class takes the new scale, every other keeps the default.
        dialogs.choose(1);
        dialogs.answerText(q("Pass or fail"));
        clickOk(&dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.chosenScale().name, q("Pass or fail"));
        QCOMPARE(dialog.chosenScale().kind, ScaleKind::PassFail);
        QCOMPARE(scales.readScale(q("Pass or fail"))->kind, ScaleKind::PassFail);
        QCOMPARE(scales.readScale(q("<Default>")), standard);

        // Change: the stored scale itself changes, for every class.
        GradeScaleDialog changed(scales, classScale("Biology"), dialogs);
        changed.table()->item(0, 0)->setText(q("93"));
        dialogs.choose(0);
        clickOk(&changed);
        QCOMPARE(changed.result(), int(QDialog::Accepted));
        QCOMPARE(dialogs.texts(Kind::Choice).last(), q("Change the scale \"Biology\" for every class that uses it?"));
        QCOMPARE(scales.readScale(q("Biology"))->ranges[0].low, q("93"));
        QCOMPARE(dialogs.unanswered, 0);
    }

    void cancelAsksOnlyAfterAChange() {
        Opened looked("Biology");
        looked.dialog.scaleList()->setCurrentText(q("<Default>"));  // looking at other scales changes nothing
        looked.dialog.reject();
        QCOMPARE(looked.dialog.result(), int(QDialog::Rejected));
        ScriptedDialogs& dialogs = looked.dialogs;
        QCOMPARE(dialogs.count(Kind::Choice), 0);

        GradeScaleDialog dialog(looked.scales, classScale("Biology"), dialogs);
        QVERIFY(showActive(dialog));
        dialog.table()->item(0, 0)->setText(q("91"));
        QVERIFY(!dialog.close());  // unanswered: Keep editing
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialogs.texts(Kind::Choice), QStringList{q("Discard what you typed in \"Grade Scale\"?")});
        QCOMPARE(dialogs.choiceButtons.front(), (QStringList{q("Discard"), q("Keep editing")}));
        QCOMPARE(dialog.table()->item(0, 0)->text(), q("91"));

        dialogs.choose(0);
        QTest::keyClick(dialog.table(), Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(looked.scales.readScale(q("Biology")), Store::biology());
    }

    void aRefusedBoundIsCorrectedInItsOwnCell() {
        Store store;
        QtUserDialogs boxes;  // real message boxes: focus comes back from them as for the teacher
        GradeScaleDialog dialog(store.scales, classScale("<Default>"), boxes);
        QVERIFY(showActive(dialog));
        QTableWidget* table = dialog.table();
        dialog.kindButton(ScaleKind::Expanded)->click();
        table->setFocus();
        table->setCurrentCell(1, 1);  // A- Max %
        typeKeys(q("95"));

        QString message;
        whenModalShows<QMessageBox>([&message](QMessageBox* box) {
            message = box->text();
            box->button(QMessageBox::Ok)->click();
        });
        QTest::mouseClick(dialog.saveAsButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!message.isEmpty(), kWaitLimitMs);
        QVERIFY2(message.contains(q("\u201cA\u201d")) && message.contains(q("\u201cA-\u201d")), qPrintable(message));
        QCOMPARE(table->item(1, 1)->text(), q("95"));
        // The desktop gives the dialog back its focus once the box is gone.
        QVERIFY(showActive(dialog));
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), table, kWaitLimitMs);
        QCOMPARE(currentCell(table), std::pair(1, 1));

        // The correction goes into that cell, its first key included.
        typeKeys(q("93.9"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(table->item(1, 1)->text(), q("93.9"), kWaitLimitMs);
        QCOMPARE(table->item(1, 0)->text(), q("90"));
    }
};

MARKWELL_GUI_TEST_MAIN(GradingRulesDialogsTest)
#include "GradingRulesDialogsTest.moc"
