// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// What assistive technology finds in the program's windows: every control
// that takes the keyboard has a name; the grades and attendance tables are
// tables with row and column headings; the seating chart's seats are items
// with their captions.

#include "core/data/Records.h"
#include "gui/editors/ImportAssignmentsDialog.h"
#include "gui/editors/ImportStudentsDialog.h"
#include "gui/help/HelpWindow.h"
#include "gui/options/PasswordDialog.h"
#include "gui/pages/AttendancePage.h"
#include "gui/pages/GradesPage.h"
#include "gui/pages/SeatingPage.h"
#include "gui/reports/MergeSetupDialog.h"
#include "gui/reports/MergedReportWindow.h"
#include "gui/seating/SeatItem.h"
#include "gui/seating/SeatingView.h"
#include "gui/shared/FontDialog.h"
#include "gui/shared/ReadableColours.h"
#include "gui/shared/TextEntryDialog.h"
#include "gui/shared/TintedLabel.h"
#include "gui/sheetview/ShownColours.h"
#include "tests/gui/support/ClassFixtures.h"
#include "tests/gui/support/GuiTestMain.h"
#include "tests/gui/support/MenuDialogs.h"
#include "tests/gui/support/ModalDialogs.h"

#include <QAccessible>
#include <QAction>
#include <QDate>
#include <QDialog>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QTabWidget>

#include <functional>

using namespace markwell;
using namespace markwell::testing;

namespace {

// Class name, object name and the chain of parents of a control, so that a
// failure says which one it is.
QString described(const QObject* object) {
    QStringList chain;
    for (const QObject* o = object; o; o = o->parent()) {
        const QString name = o->objectName();
        chain << QString::fromLatin1(o->metaObject()->className()) +
                     (name.isEmpty() ? QString() : QLatin1Char('#') + name);
    }
    return chain.join(QStringLiteral(" < "));
}

// Every shown control of the tree below `node` that takes the keyboard and
// has no name. The cells of tables and the items of lists are named by what
// they hold; the tables and lists themselves need a name.
void collectUnnamed(QAccessibleInterface* node, QStringList& unnamed, int depth = 0) {
    if (!node || !node->isValid() || depth > 40) return;
    const QAccessible::State state = node->state();
    if (state.invisible) return;
    if (state.focusable && node->text(QAccessible::Name).trimmed().isEmpty()) {
        unnamed << (node->object()
                        ? described(node->object())
                        : QStringLiteral("role %1 in %2")
                              .arg(node->role())
                              .arg(node->parent() && node->parent()->object() ? described(node->parent()->object())
                                                                              : QStringLiteral("?")));
    }
    if (node->tableInterface()) return;
    for (int i = 0; i < node->childCount(); ++i) collectUnnamed(node->child(i), unnamed, depth + 1);
}

QStringList unnamedControls(QWidget* window) {
    QStringList unnamed;
    collectUnnamed(QAccessible::queryAccessibleInterface(window), unnamed);
    return unnamed;
}

// The class of the window tests, with a dropped score (the lowest overall
// goes), marks in the current month and Bob and Cleo without seats.
void openClassWithEverything(WindowHarness& h) {
    ClassRecord cls = smallClass();
    cls.lowScoreInfo.drop_type = droprule::kLowestOverall;
    const QDate today = QDate::currentDate();
    const QString path =
        h.write(QStringLiteral("period 2.grs"), cls, {attendanceRecord("Ann Lee", today.month(), today.year(), "TUE")});
    h.window->resize(1000, 700);
    h.window->show();
    h.open(path);
}

QAccessibleInterface* tableOf(QWidget* view) {
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(view);
    return table && table->tableInterface() ? table : nullptr;
}

// Qt makes a new header cell at each call and leaves it to its caller; the
// desktop's accessibility bridge gives each one it hands out an id, which
// puts it in Qt's cache, and so does this.
QStringList headerNames(const QList<QAccessibleInterface*>& headers) {
    QStringList names;
    for (QAccessibleInterface* header : headers) {
        QAccessible::uniqueId(header);
        names << header->text(QAccessible::Name);
    }
    return names;
}

// What a screen reader says of a cell: its row and column headings, its
// value and its description (model coordinates).
QString spokenCell(QWidget* view, int row, int col) {
    QAccessibleInterface* table = tableOf(view);
    if (!table) return QStringLiteral("no table");
    QAccessibleInterface* cell = table->tableInterface()->cellAt(row, col);
    if (!cell || !cell->tableCellInterface()) return QStringLiteral("no cell");
    QStringList parts = headerNames(cell->tableCellInterface()->rowHeaderCells());
    parts << headerNames(cell->tableCellInterface()->columnHeaderCells()) << cell->text(QAccessible::Name);
    if (const QString description = cell->text(QAccessible::Description); !description.isEmpty()) parts << description;
    return parts.join(QStringLiteral(", "));
}

// A dark palette as a dark desktop theme gives one.
QPalette darkPalette() {
    QPalette dark;
    const QColor window(0x35, 0x35, 0x35);
    dark.setColor(QPalette::Window, window);
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
    dark.setColor(QPalette::AlternateBase, window);
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Button, window);
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    return dark;
}

// Restores the program's palette when the test ends, passed or not.
struct PaletteKeeper {
    QPalette kept = QApplication::palette();
    ~PaletteKeeper() { QApplication::setPalette(kept); }
};

QString contrastFailure(const char* what, const ShownColours& shown) {
    const double ratio = contrastRatio(shown.text, shown.background);
    if (ratio >= kReadableContrast) return {};
    return QStringLiteral("%1: %2 on %3 is %4:1\n")
        .arg(QLatin1String(what), shown.text.name(), shown.background.name())
        .arg(ratio, 0, 'f', 2);
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void everyPageNamesItsControls() {
        WindowHarness h;
        openClassWithEverything(h);
        for (const Page page : {Page::Grades, Page::Attendance, Page::Seating}) {
            QVERIFY(h.window->showPage(page));
            const QStringList unnamed = unnamedControls(h.window.get());
            QVERIFY2(unnamed.isEmpty(), qPrintable(QStringLiteral("page %1, unnamed:\n").arg(int(page)) +
                                                   unnamed.join(QLatin1Char('\n'))));
        }
    }

    void dialogsNameTheirControls_data() {
        QTest::addColumn<DialogOpener>("open");
        for (const auto& [name, open] : menuDialogs()) QTest::newRow(name) << open;
    }

    void dialogsNameTheirControls() {
        QFETCH(DialogOpener, open);
        const QStringList unnamed = lookAtMenuDialog(open, [](QDialog& dialog) { return unnamedControls(&dialog); });
        QVERIFY2(unnamed.isEmpty(), qPrintable(QStringLiteral("unnamed:\n") + unnamed.join(QLatin1Char('\n'))));
    }

    void dialogsMadeElsewhereNameTheirControls() {
        // The dialogs the program's questions open, those the list editors open
        // to take students and assignments from another class, and the help window.
        WindowHarness h;
        UserDialogs::FontChoice font;
        font.family = QStringLiteral("Arial");
        font.pointSize = 10;
        FontDialog fonts(font);
        PasswordDialog password(*h.passwords, h.dialogs);
        UserDialogs::TextRequest request;
        request.title = QStringLiteral("Title");
        request.label = QStringLiteral("Label");
        TextEntryDialog text(request);
        ImportStudentsDialog students(h.dialogs, QString(), smallClass());
        ImportAssignmentsDialog assignments(h.dialogs, QString());
        h.help.showTopic(HelpTopic::Grades);
        QWidget* help = h.help.window();
        QVERIFY(help);
        const QList<QWidget*> windows{&fonts, &password, &text, &students, &assignments, help};
        for (QWidget* window : windows) {
            QVERIFY(showExposed(*window));
            const QStringList unnamed = unnamedControls(window);
            QVERIFY2(unnamed.isEmpty(), qPrintable(QStringLiteral("unnamed:\n") + unnamed.join(QLatin1Char('\n'))));
            window->hide();
        }
    }

    void mergedReportNamesItsControls() {
        // Opened from Merge Setup, itself open without a modal loop.
        WindowHarness h;
        openClassWithEverything(h);
        const QString second = h.write(QStringLiteral("term 2.grs"));
        h.window->actions().merge->trigger();
        auto* setup = h.window->findChild<MergeSetupDialog*>();
        QVERIFY(setup);
        h.dialogs.openWith(second);
        setup->chooseSecondFile();
        setup->mergeButton()->click();
        auto* report = setup->findChild<MergedReportWindow*>();
        QVERIFY(report);
        QVERIFY(QTest::qWaitForWindowExposed(report, kWaitLimitMs));
        const QStringList unnamed = unnamedControls(report);
        QVERIFY2(unnamed.isEmpty(), qPrintable(QStringLiteral("unnamed:\n") + unnamed.join(QLatin1Char('\n'))));
        setup->close();
    }

    void theWalkFindsAnUnnamedControl() {
        // A line edit without a label or a name is found, named by its parents.
        QDialog dialog;
        dialog.setObjectName(QStringLiteral("plantDialog"));
        auto* box = new QLineEdit(&dialog);
        box->setObjectName(QStringLiteral("plantedBox"));
        auto* hidden = new QLineEdit(&dialog);
        dialog.show();
        hidden->hide();  // not shown: nobody can reach it
        QVERIFY(QTest::qWaitForWindowExposed(&dialog, kWaitLimitMs));
        QCOMPARE(unnamedControls(&dialog), QStringList{QStringLiteral("QLineEdit#plantedBox < QDialog#plantDialog")});
        box->setAccessibleName(QStringLiteral("Planted"));
        QCOMPARE(unnamedControls(&dialog), QStringList());
    }

    void gradesTableSpeaksNamesTitlesAndDroppedScores() {
        WindowHarness h;
        openClassWithEverything(h);
        SheetView* grades = h.window->gradesPage()->view();
        QVERIFY(tableOf(grades));
        // Model row 1 is Ann's (row 0 is the heading row, shown as the headings);
        // column 1 is Quiz 1, where she has 8 of 10, column 2 Test 1 with 90 of 100.
        // Her lowest score, in percent or in points, is the quiz's.
        QCOMPARE(spokenCell(grades, 1, 1), QStringLiteral("Ann Lee, Quiz 1, 8, dropped"));
        QCOMPARE(spokenCell(grades, 1, 2), QStringLiteral("Ann Lee, Test 1, 90"));
        QCOMPARE(spokenCell(grades, 2, 3), QStringLiteral("Bob Stone, Total, 76"));

        // The table's own description of its headings says the same.
        QAccessibleTableInterface* table = tableOf(grades)->tableInterface();
        QCOMPARE(table->rowDescription(3), QStringLiteral("Cleo Park"));
        QCOMPARE(table->columnDescription(2), QStringLiteral("Test 1"));

        // The box a score is typed into is named after its cell.
        grades->setFocus();
        grades->selectRange(CellRange::cell(2, 3));
        QTest::keyClick(grades, Qt::Key_Return);
        QVERIFY(grades->isEditing());
        QWidget* editor = grades->indexWidget(grades->currentIndex());
        QVERIFY(editor);
        QCOMPARE(editor->accessibleName(), QStringLiteral("Ann Lee, Test 1"));
        QVERIFY(!editor->accessibleDescription().isEmpty());
        grades->cancelEdit();
    }

    void attendanceTableSpellsOutItsMarks() {
        WindowHarness h;
        openClassWithEverything(h);
        QVERIFY(h.window->showPage(Page::Attendance));
        AttendancePage* page = h.window->attendancePage();
        const QDate today = QDate::currentDate();
        page->showMonth(today.month(), today.year());
        // Ann's row: a tardy on the 1st, an unexcused absence on the 2nd, an excused one on the 3rd.
        const QStringList marks{QStringLiteral("Tardy"), QStringLiteral("Unexcused absence"),
                                QStringLiteral("Excused absence")};
        for (int day = 1; day <= 3; ++day) {
            QCOMPARE(spokenCell(page->view(), 1, day),
                     QStringLiteral("Ann Lee, %1/%2, %3").arg(today.month()).arg(day).arg(marks[day - 1]));
        }
        QCOMPARE(spokenCell(page->view(), 2, 1), QStringLiteral("Bob Stone, %1/1, ").arg(today.month()));
        // The counts' headings are letters on the screen and words aloud.
        const int tardies = page->sheet().maxCol() - 4;
        QCOMPARE(spokenCell(page->view(), 1, tardies), QStringLiteral("Ann Lee, Tardies, 1"));
    }

    void seatingChartNamesItsSeats() {
        WindowHarness h;
        openClassWithEverything(h);
        QVERIFY(h.window->showPage(Page::Seating));
        SeatingView* chart = h.window->seatingPage()->view();
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(chart);
        QVERIFY(iface);
        QCOMPARE(iface->childCount(), 2);  // the teacher's desk and Ann's seat
        QStringList names;
        for (int i = 0; i < iface->childCount(); ++i) {
            QAccessibleInterface* seat = iface->child(i);
            QVERIFY(seat && seat->isValid());
            QCOMPARE(seat->parent(), iface);
            QCOMPARE(iface->indexOfChild(seat), i);
            names << seat->text(QAccessible::Name);
            // Placed where the chart shows it.
            const SeatItem* item = chart->itemOf(i == 0 ? SeatId::teacher() : SeatId::student(0));
            const QPoint centre = chart->viewport()->mapToGlobal(chart->mapFromScene(item->shownRect().center()));
            QVERIFY(seat->rect().contains(centre));
            QCOMPARE(iface->childAt(centre.x(), centre.y()), seat);
        }
        QCOMPARE(names, (QStringList{QString::fromLatin1(kTeacherSeatName), QStringLiteral("Ann Lee")}));

        // The keyboard goes from seat to seat; the one chosen has the focus.
        QVERIFY(showActive(*h.window));
        chart->setFocus();
        QVERIFY(chart->hasFocus());
        QTest::keyClick(chart, Qt::Key_PageDown);
        QVERIFY(iface->child(0)->state().selected);
        QTest::keyClick(chart, Qt::Key_PageDown);
        QVERIFY(iface->child(1)->state().selected);
        QVERIFY(!iface->child(0)->state().selected);
        QTest::keyClick(chart, Qt::Key_PageDown);  // round to the first again
        QVERIFY(iface->child(0)->state().selected);
        QTest::keyClick(chart, Qt::Key_PageUp);
        QVERIFY(iface->focusChild());
        QCOMPARE(iface->focusChild()->text(QAccessible::Name), QStringLiteral("Ann Lee"));

        // A seat added shows up as a new child; the current one is selected.
        const int before = iface->childCount();
        whenModalShows<QDialog>([](QDialog* dialog) { dialog->accept(); });
        h.window->actions().addSeat->trigger();
        QCOMPARE(iface->childCount(), before + 1);
        QCOMPARE(iface->child(before)->text(QAccessible::Name), QStringLiteral("Bob Stone"));
        QVERIFY(iface->child(before)->state().selected);
        QVERIFY(!iface->child(0)->state().selected);
    }

    void tableColoursReadOnLightAndDarkPalettes_data() {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light") << false;
        QTest::newRow("dark") << true;
    }

    void tableColoursReadOnLightAndDarkPalettes() {
        QFETCH(bool, dark);
        const PaletteKeeper keeper;
        if (dark) QApplication::setPalette(darkPalette());
        WindowHarness h;
        openClassWithEverything(h);
        SheetView* grades = h.window->gradesPage()->view();
        grades->selectRange(CellRange::cell(4, 3));  // Cleo's test: selected
        // Sheet rows: 1 the headings, 2 Ann, 3 Bob; their quizzes (column 2) are dropped, their tests (3) not.
        const ShownColours dropped = grades->shownColours(2, 2);
        QString failures =
            contrastFailure("heading", grades->shownColours(1, 2)) +
            contrastFailure("name heading", grades->shownColours(1, 1)) + contrastFailure("dropped score", dropped) +
            contrastFailure("score", grades->shownColours(3, 3)) + contrastFailure("name", grades->shownColours(3, 1)) +
            contrastFailure("selected score", grades->shownColours(4, 3));
        QVERIFY2(failures.isEmpty(), qPrintable(failures));
        // Still red to the eye, and red in the sheet that is printed and exported.
        QVERIFY(dropped.text.red() > 2 * std::max(dropped.text.green(), dropped.text.blue()));
        QCOMPARE(grades->sheet()->format(2, 2).font.color, colour::kRed);

        // The attendance page: its headings, a mark on a school day and a weekend's shade.
        QVERIFY(h.window->showPage(Page::Attendance));
        SheetView* attendance = h.window->attendancePage()->view();
        failures = contrastFailure("day heading", attendance->shownColours(1, 2)) +
                   contrastFailure("mark", attendance->shownColours(2, 2));
        const Sheet& month = *attendance->sheet();
        for (int col = 2; col <= month.maxCol() - 4; ++col) {
            if (month.format(2, col).fill.pattern != FillPattern::Solid) continue;
            failures += contrastFailure("weekend", attendance->shownColours(2, col));
            break;
        }
        // The legends beside the calendar are blue on the window, as readable.
        const auto legends = h.window->attendancePage()->findChildren<TintedLabel*>();
        QVERIFY(legends.size() >= 3);
        for (const TintedLabel* legend : legends) {
            const ShownColours shown{legend->shownTint(), legend->palette().color(QPalette::Window)};
            failures += contrastFailure("legend", shown);
            QVERIFY2(shown.text.blue() > std::max(shown.text.red(), shown.text.green()) || legend->isHidden(),
                     qPrintable(legend->text() + QLatin1Char(' ') + shown.text.name()));
        }
        QVERIFY2(failures.isEmpty(), qPrintable(failures));
    }
};

MARKWELL_GUI_TEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
