// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Merge Setup and Merged Files: naming the two files, what is refused before
// anything is read, the question for a dirty open class, and the report's
// tool bar, which changes the report alone.

#include "gui/reports/MergeSetupDialog.h"
#include "gui/reports/MergedReportWindow.h"
#include "gui/rules/GradeScaleDialog.h"
#include "gui/sheetview/SheetView.h"
#include "tests/gui/support/ClassFixtures.h"
#include "tests/gui/support/GuiTestMain.h"
#include "tests/gui/support/ModalDialogs.h"
#include "tests/gui/support/ShownText.h"
#include "tests/support/PdfText.h"
#include "tests/support/TestFiles.h"

#include "core/data/PointEntry.h"
#include "core/files/GradeFile.h"

#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

using namespace markwell;
using namespace markwell::testing;
using Kind = ScriptedDialogs::Kind;

namespace {

// Ann Lee again (her points join hers of the small class) and Dan Roe.
ClassRecord secondTerm() {
    ClassRecord cls = smallClass();
    cls.students.resize(2);
    cls.students[1].name = "Dan Roe";
    cls.students[1].id = "D-4";
    cls.comments.resize(2);
    cls.assignments.resize(1);
    cls.assignments[0].title = "Final";
    cls.assignments[0].total = 50;
    cls.assignments[0].namegrade = {makePointEntry("Ann Lee", "40"), makePointEntry("Dan Roe", "30")};
    return cls;
}

struct MergeHarness : WindowHarness {
    QString first;
    QString second;

    MergeHarness() {
        first = write(QStringLiteral("term1.grs"));
        second = write(QStringLiteral("term2.grs"), secondTerm());
        open(first);
    }
    MergeSetupDialog* openSetup() {
        window->actions().merge->trigger();
        return window->findChild<MergeSetupDialog*>();
    }

    // Closes Merge Setup (and its report) for good, as the teacher does.
    void closeSetup() {
        if (auto* setup = window->findChild<MergeSetupDialog*>()) setup->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Merge Setup with the second term chosen, its Merge button pressed.
    MergedReportWindow* mergeTerms() {
        MergeSetupDialog* setup = openSetup();
        if (!setup) return nullptr;
        dialogs.openWith(second);
        setup->chooseSecondFile();
        setup->mergeButton()->click();
        return setup->findChild<MergedReportWindow*>();
    }
};

}  // namespace

class MergeWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void setupStartsWithTheOpenClassOpensTheReportAndOffersASaveFirst() {
        MergeHarness h;
        QVERIFY(h.window->actions().merge->isEnabled());
        MergeSetupDialog* setup = h.openSetup();
        QVERIFY(setup);
        QVERIFY(setup->isModal());
        QCOMPARE(helpTopicFor(setup), HelpTopic::Merge);
        QCOMPARE(setup->firstFileEdit()->text(), h.window->document().markwellFile);
        QVERIFY(!setup->mergeButton()->isEnabled());
        h.dialogs.openWith(QString());  // cancelled
        setup->chooseSecondFile();
        QVERIFY(setup->secondFileEdit()->text().isEmpty());
        h.dialogs.openWith(h.second);
        setup->chooseSecondFile();
        QCOMPARE(h.dialogs.texts(Kind::OpenFile).mid(1),
                 (QStringList{"Select 2nd Merge File", "Select 2nd Merge File"}));
        QCOMPARE(h.dialogs.fileRequests.back().filters, QStringList{"Markwell File (*.grs)"});
        QCOMPARE(setup->secondFileEdit()->text(), h.second);
        QVERIFY(setup->mergeButton()->isEnabled());
        setup->mergeButton()->click();
        auto* report = setup->findChild<MergedReportWindow*>();
        QVERIFY(report);
        QCOMPARE(helpTopicFor(report->view()), HelpTopic::Merge);

        // Ann Lee: 8 + 90 + 40 of 160; the others from one file each.
        QCOMPARE(tableText(report->report().sheet),
                 (QStringList{"Names|Points|Total|Average|Grade", "Ann Lee|138|160|86.25%|B",
                              "Bob Stone|76|110|69.09%|D", "Cleo Park|80|100|80.00%|B", "Dan Roe|30|50|60.00%|D"}));
        QCOMPARE(report->view()->model()->rowCount(), 5);

        // Under the table: why a grade here can differ from the class's.
        const auto* note = report->findChild<QLabel*>(QStringLiteral("mergedNote"));
        QVERIFY(note && note->isVisible());
        QCOMPARE(note->text(),
                 QStringLiteral("Points of both files added up; weights and dropped scores are not applied."));
        QVERIFY(note->geometry().top() >= report->view()->geometry().bottom());
        report->close();

        // The setup stays for another merge.
        QVERIFY(setup->isVisible());
        QVERIFY(!h.window->document().modified);
        h.closeSetup();

        // A dirty open class named as one of the files is offered a save first.
        h.window->tableCommands().toggleGridLines();  // kept in the grade file: a change
        QVERIFY(h.window->document().modified);
        const QByteArray onDisk = fileContents(h.first);
        h.dialogs.answer(UserDialogs::Answer::Cancel);
        QVERIFY(!h.mergeTerms());
        QCOMPARE(h.dialogs.texts(Kind::YesNoCancel), QStringList{"Save changes before merging?"});
        QVERIFY(h.window->document().modified);
        h.closeSetup();

        // No: the file as it is on disk, the class still unsaved.
        h.dialogs.answer(UserDialogs::Answer::No);
        report = h.mergeTerms();
        QVERIFY(report);
        QVERIFY(!report->report().sheet.showGridLines());
        QVERIFY(h.window->document().modified);
        QCOMPARE(fileContents(h.first), onDisk);
        h.closeSetup();

        // Yes: saved first, and merged as saved.
        h.dialogs.answer(UserDialogs::Answer::Yes);
        report = h.mergeTerms();
        QVERIFY(report);
        QVERIFY(report->report().sheet.showGridLines());
        QVERIFY(!h.window->document().modified);
        QVERIFY(fileContents(h.first) != onDisk);
        h.closeSetup();

        // Not asked when the open class is not among the files.
        h.window->tableCommands().toggleGridLines();
        h.dialogs.clearRecord();
        setup = h.openSetup();
        const QString other = h.write(QStringLiteral("other.grs"), secondTerm());
        h.dialogs.openWith(other);
        setup->chooseFirstFile();
        h.dialogs.openWith(h.second);
        setup->chooseSecondFile();
        setup->mergeButton()->click();
        QVERIFY(setup->findChild<MergedReportWindow*>());
        QCOMPARE(h.dialogs.count(Kind::YesNoCancel), 0);
        QCOMPARE(h.dialogs.unanswered, 0);
        setup->close();
    }

    void oneFileInBothBoxesOrAMissingFileIsRefusedAndNoReportOpens() {
        MergeHarness h;
        MergeSetupDialog* setup = h.openSetup();
        QVERIFY(setup);
        const QString link = h.path(QStringLiteral("link.grs"));
        QVERIFY(QFile::link(h.first, link));
        h.dialogs.openWith(link);
        setup->chooseSecondFile();
        QCOMPARE(h.dialogs.texts(Kind::Inform), QStringList{"Unable to merge the same file!"});
        QVERIFY(setup->secondFileEdit()->text().isEmpty());
        QVERIFY(!setup->mergeButton()->isEnabled());

        // The first box keeps its file when the second's is picked for it.
        QVERIFY(QDir(h.folder.path()).mkdir(QStringLiteral("sub")));
        h.dialogs.openWith(h.second);
        setup->chooseSecondFile();
        h.dialogs.openWith(h.path(QStringLiteral("sub/../term2.grs")));
        setup->chooseFirstFile();
        QCOMPARE(h.dialogs.count(Kind::Inform), 2);
        QCOMPARE(setup->firstFileEdit()->text(), h.first);

        // A file that became the other one since it was picked.
        const QString third = h.write(QStringLiteral("term3.grs"), secondTerm());
        h.dialogs.openWith(third);
        setup->chooseSecondFile();
        QVERIFY(QFile::remove(third));
        QVERIFY(QFile::link(h.first, third));
        h.dialogs.clearRecord();
        setup->mergeButton()->click();
        QCOMPARE(h.dialogs.texts(Kind::Inform), QStringList{"Unable to merge the same file!"});
        QVERIFY(!setup->findChild<MergedReportWindow*>());

        // A file gone since it was picked is reported.
        h.dialogs.openWith(h.second);
        setup->chooseSecondFile();
        QVERIFY(QFile::remove(h.second));
        setup->mergeButton()->click();
        QVERIFY2(h.dialogs.onlyText(Kind::Warn).contains(h.second), qPrintable(h.dialogs.onlyText(Kind::Warn)));
        QVERIFY(!QFile::exists(h.second));
        QVERIFY(!setup->findChild<MergedReportWindow*>());
        setup->close();
    }

    void theReportsToolBarSavesSpreadsheetsPrintsAndChangesTheReportAlone() {
        MergeHarness h;
        const ClassRecord before = h.cls();
        MergedReportWindow* report = h.mergeTerms();
        QVERIFY(report);
        const QString csv = h.path(QStringLiteral("merged.csv"));
        h.dialogs.saveAs(csv);
        report->actions().save->trigger();
        QCOMPARE(h.dialogs.texts(Kind::SaveFile), QStringList{"Save As"});
        QCOMPARE(h.dialogs.fileRequests.back().filters.front(), QStringLiteral("Excel File (*.xls)"));
        QCOMPARE(fileContents(csv), QByteArray("Names,Points,Total,Average,Grade\r\nAnn Lee,138,160,86.25%,B\r\n"
                                               "Bob Stone,76,110,69.09%,D\r\nCleo Park,80,100,80.00%,B\r\n"
                                               "Dan Roe,30,50,60.00%,D\r\n"));
        QVERIFY(h.dialogs.messages().isEmpty());
        const QString xls = h.path(QStringLiteral("merged.XLS"));
        h.dialogs.saveAs(xls);
        report->saveReport();
        QVERIFY(fileContents(xls).startsWith(QByteArray::fromHex("d0cf11e0a1b11ae1")));  // an OLE2 workbook
        const QString text = h.path(QStringLiteral("merged.txt"));
        h.dialogs.saveAs(text);
        report->saveReport();
        QVERIFY(h.dialogs.onlyText(Kind::Warn).contains(QStringLiteral(".xls, .xlsx or .csv")));
        QVERIFY(!QFile::exists(text));
        h.dialogs.cancelSave();
        report->saveReport();
        QCOMPARE(h.dialogs.count(Kind::Warn), 1);
        QCOMPARE(h.dialogs.unanswered, 0);
        QToolButton* print = report->printButton();
        QCOMPARE(print->popupMode(), QToolButton::InstantPopup);
        QCOMPARE(print->menu()->actions(),
                 (QList<QAction*>{report->actions().printWithNames, report->actions().printWithIds}));
        if (havePdfToText()) {
            const QString names = h.path(QStringLiteral("names.pdf"));
            h.dialogs.printToPdf(names);
            report->actions().printWithNames->trigger();
            QString text = pdfText(names);
            QVERIFY2(text.contains(QStringLiteral("Merged Files: ")), qPrintable(text));
            QVERIFY(text.contains(QStringLiteral("Dan Roe")));
            const QString ids = h.path(QStringLiteral("ids.pdf"));
            h.dialogs.printToPdf(ids);
            report->actions().printWithIds->trigger();
            text = pdfText(ids);
            QVERIFY(text.contains(QStringLiteral("Student ID's")));
            for (const char* id : {"A-1", "B-2", "C-3", "D-4"}) QVERIFY2(text.contains(QLatin1String(id)), id);
            QVERIFY(!text.contains(QStringLiteral("Dan Roe")));
        }
        h.dialogs.clearRecord();
        h.dialogs.printToPdf(h.path(QStringLiteral("no-such-folder/out.pdf")));
        report->printWithIds();
        QVERIFY(h.dialogs.onlyText(Kind::Warn).startsWith(QStringLiteral("The merged report could not be printed")));
        QCOMPARE(report->report().sheet.text(2, 1), QStringLiteral("Ann Lee"));

        // Grid lines, font, sort and grade scale change the report alone.
        QAction* gridLines = report->actions().gridLines;
        QCOMPARE(gridLines->isChecked(), report->report().sheet.showGridLines());
        gridLines->trigger();
        QVERIFY(report->report().sheet.showGridLines());
        QVERIFY(gridLines->isChecked());
        QVERIFY(report->view()->showGrid());
        gridLines->trigger();
        QVERIFY(!report->report().sheet.showGridLines());
        h.dialogs.fonts.push_back(
            UserDialogs::FontChoice{.family = QStringLiteral("Courier New"), .pointSize = 12, .italic = true});
        report->actions().font->trigger();
        QCOMPARE(h.dialogs.fontRequests.back().family, QStringLiteral("MS Sans Serif"));
        QCOMPARE(report->report().sheet.format(3, 1).font.name, QStringLiteral("Courier New"));
        report->view()->selectRange(CellRange::cell(3, 2));
        report->actions().sortDescending->trigger();
        QCOMPARE(tableText(report->report().sheet).mid(1, 2),
                 (QStringList{"Ann Lee|138|160|86.25%|B", "Cleo Park|80|100|80.00%|B"}));
        QCOMPARE(report->report().sheet.text(1, 1), QStringLiteral("Names"));
        report->view()->selectRange(CellRange{2, 1, 2, 2});
        report->actions().copy->trigger();
        QCOMPARE(QApplication::clipboard()->text(), report->report().sheet.text(2, 1) + QLatin1Char('\t') +
                                                        report->report().sheet.text(2, 2) + QLatin1Char('\n'));
        QCOMPARE(h.cls(), before);
        QVERIFY(!h.window->document().modified);

        // Another grade scale regrades the report; Cancel changes nothing.
        h.dialogs.choose(0);  // Discard the kind chosen
        QVERIFY(answered<GradeScaleDialog>(report->actions().gradeScale, [](GradeScaleDialog* d) {
            d->kindButton(ScaleKind::PassFail)->click();
            d->reject();
        }));
        QCOMPARE(report->report().sheet.text(2, 5), QStringLiteral("B"));

        // The editor opens on the report's scale; OK regrades the report with the
        // scale shown: Ann Lee's 86.25% passes, Dan Roe's 60.00% does not.
        QString shownName;
        h.dialogs.choose(0);  // Change the default scale
        QVERIFY(answered<GradeScaleDialog>(report->actions().gradeScale, [&shownName](GradeScaleDialog* d) {
            shownName = d->scaleList()->currentText();
            d->kindButton(ScaleKind::PassFail)->click();
            clickOk(d);
        }));
        QCOMPARE(shownName, QStringLiteral("<Default>"));
        QCOMPARE(report->report().scale, (CurrentGradeScale{"<Default>", 2, "75,100,0,74"}));
        QCOMPARE(report->report().sheet.text(2, 5), QStringLiteral("Pass"));
        QCOMPARE(report->report().sheet.text(5, 5), QStringLiteral("Fail"));
        QCOMPARE(report->view()->model()->index(4, 4).data().toString(), QStringLiteral("Fail"));

        // The open class keeps its scale and its letters, and nothing to save.
        QCOMPARE(h.cls().gradeScale, before.gradeScale);
        QCOMPARE(h.window->gradesTable().sheet.text(2, h.window->gradesTable().sheet.maxCol()), QStringLiteral("B"));
        QVERIFY(!h.window->document().modified);
        h.closeSetup();
    }
};

MARKWELL_GUI_TEST_MAIN(MergeWindowsTest)
#include "MergeWindowsTest.moc"
