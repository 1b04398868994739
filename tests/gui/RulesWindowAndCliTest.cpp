// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The grading rules set through the windows and through markwell-cli give
// the same class: the same table in `show` and on the Grades page.

#include "gui/rules/DropRuleDialog.h"
#include "gui/rules/GradeScaleDialog.h"
#include "gui/rules/WeightsDialog.h"
#include "tests/core/cli/CliRunner.h"
#include "tests/gui/support/ClassFixtures.h"
#include "tests/gui/support/GuiTestMain.h"
#include "tests/gui/support/ModalDialogs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>

using namespace markwell;
using namespace markwell::testing;

class RulesWindowAndCliTest : public QObject {
    Q_OBJECT
private slots:
    void theWindowsAndTheCommandsGiveTheSameTable();
};

void RulesWindowAndCliTest::theWindowsAndTheCommandsGiveTheSameTable() {
    WindowHarness h;
    MainWindow& w = *h.window;
    const QString byWindow = writeClass(h.folder.path(), QStringLiteral("windows.grs"), smallClass());
    const QString byCli = writeClass(h.folder.path(), QStringLiteral("cli.grs"), smallClass());
    h.open(byWindow);

    bool handled = false;
    whenModalShows<WeightsDialog>(
        [](WeightsDialog* d) {
            d->weightBox(1)->setValue(70);
            d->weightBox(2)->setValue(30);
            d->useBox()->setChecked(true);
            d->accept();
        },
        &handled);
    w.actions().weightedGrades->trigger();
    QVERIFY(handled);
    whenModalShows<DropRuleDialog>(
        [](DropRuleDialog* d) {
            d->ruleButton(droprule::kLowestPerType)->click();
            d->typeBox(1)->click();
            d->accept();
        },
        &handled);
    w.actions().dropLowest->trigger();
    QVERIFY(handled);
    h.dialogs.answerText(QStringLiteral("Pass at 72"));
    whenModalShows<GradeScaleDialog>(
        [](GradeScaleDialog* d) {
            d->kindButton(ScaleKind::PassFail)->click();
            d->table()->item(0, 0)->setText(QStringLiteral("72"));
            d->table()->item(1, 1)->setText(QStringLiteral("71.9"));
            d->saveAsButton()->click();
            d->accept();
        },
        &handled);
    w.actions().gradeScale->trigger();
    QVERIFY(handled);
    w.saveClass();
    QVERIFY(!w.document().modified);

    using test::runCli;
    const QString cli = byCli;
    QCOMPARE(runCli({QStringLiteral("weights"), cli, QStringLiteral("0"), QStringLiteral("70"), QStringLiteral("30"),
                     QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("--use")})
                 .exitCode,
             0);
    QCOMPARE(runCli({QStringLiteral("drop"), cli, QStringLiteral("by-type"), QStringLiteral("--types"),
                     QStringLiteral("test")})
                 .exitCode,
             0);
    QCOMPARE(runCli({QStringLiteral("scale"), QStringLiteral("set"), QStringLiteral("Pass at 72"),
                     QStringLiteral("pass-fail"), QStringLiteral("72,100,0,71.9")})
                 .exitCode,
             0);
    QCOMPARE(runCli({QStringLiteral("use-scale"), cli, QStringLiteral("Pass at 72")}).exitCode, 0);

    const QString shownByCli = runCli({QStringLiteral("show"), cli}).out;
    QCOMPARE(runCli({QStringLiteral("show"), byWindow}).out, shownByCli);
    QCOMPARE(w.gradesTable().sheet.toTsv(CellRange::all()), shownByCli);
    // The rules did change the table: Test is dropped and weighted, letters are pass/fail.
    QVERIFY(shownByCli.contains(QStringLiteral("Pass")));
    QVERIFY(shownByCli.contains(QStringLiteral("Fail")));
}

MARKWELL_GUI_TEST_MAIN(RulesWindowAndCliTest)
#include "RulesWindowAndCliTest.moc"
