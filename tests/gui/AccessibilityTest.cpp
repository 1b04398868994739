// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// What assistive technology finds in the program's windows: every control
// that takes the keyboard has a name; the grades and attendance tables are
// tables with row and column headings; the seating chart's seats are items
// with their captions. Every dialog the menus open, in English, Spanish and
// French: each button opens with an Alt letter of its own, and no label,
// button, tab, group title or column heading is wider than the room it is
// given. The program's questions too, and the help's contents. Help: every
// window's page exists and links only to pages that exist, F1 opens the page
// of the window it is pressed in, also over a modal dialog, and the About
// window shows what it must and writes to its contact; every tool icon draws.

#include "core/data/Records.h"
#include "gui/editors/ImportAssignmentsDialog.h"
#include "gui/editors/ImportStudentsDialog.h"
#include "gui/help/AboutDialog.h"
#include "gui/help/HelpCenter.h"
#include "gui/help/HelpWindow.h"
#include "gui/options/PasswordDialog.h"
#include "gui/pages/AttendancePage.h"
#include "gui/pages/GradesPage.h"
#include "gui/pages/SeatingPage.h"
#include "gui/reports/MergeSetupDialog.h"
#include "gui/reports/MergedReportWindow.h"
#include "gui/seating/SeatItem.h"
#include "gui/seating/SeatingView.h"
#include "gui/shared/ButtonLetters.h"
#include "gui/shared/FontDialog.h"
#include "gui/shared/Icons.h"
#include "gui/shared/QtUserDialogs.h"
#include "gui/shared/ReadableColours.h"
#include "gui/shared/TextEntryDialog.h"
#include "gui/shared/TintedLabel.h"
#include "gui/shared/WindowHabits.h"
#include "gui/sheetview/ShownColours.h"
#include "tests/gui/support/AltLetters.h"
#include "tests/gui/support/ClassFixtures.h"
#include "tests/gui/support/GuiTestMain.h"
#include "tests/gui/support/InLanguage.h"
#include "tests/gui/support/MenuDialogs.h"
#include "tests/gui/support/ModalDialogs.h"
#include "tests/gui/support/ScriptedDialogs.h"
#include "tests/gui/support/TextRoom.h"

#include <QAccessible>
#include <QDate>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPalette>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QUrlQuery>
#include <QVBoxLayout>

using namespace markwell;
using namespace markwell::testing;

namespace {
const QStringList kLanguages = {QString(), QStringLiteral("es_ES"), QStringLiteral("fr_FR")};

QString languageName(const QString& language) {
    return language.isEmpty() ? QStringLiteral("en") : language;
}

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

// One line for each, empty when every control is named.
QString unnamedControls(QWidget* window) {
    QStringList unnamed;
    collectUnnamed(QAccessible::queryAccessibleInterface(window), unnamed);
    return unnamed.join(QLatin1Char('\n'));
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

// The icon draws something at that size: not every pixel is transparent. A
// missing SVG plugin gives an empty pixmap (or a blank one) instead.
bool drawsSomething(const QIcon& icon, QSize size) {
    const QImage image = icon.pixmap(size).toImage();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 0) return true;
        }
    }
    return false;
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // The type a desktop without settings of its own gives Qt (what the
        // program shows under a bare X server), so that widths are the same on
        // every test machine.
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    }

    void aButtonTakesTheFirstLetterNoOtherCaptionHas() {
        QList<QChar> taken{u'o'};
        QCOMPARE(withAltLetter(QStringLiteral("Open anyway"), taken), QStringLiteral("O&pen anyway"));
        QCOMPARE(withAltLetter(QStringLiteral("&Cancel"), taken), QStringLiteral("&Cancel"));  // its own stays
        QCOMPARE(withAltLetter(QStringLiteral("Copy"), taken), QStringLiteral("Cop&y"));       // c, o, p are taken
        QCOMPARE(withAltLetter(QStringLiteral("R&&D 2"), taken), QStringLiteral("&R&&D 2"));
        QCOMPARE(withAltLetter(QStringLiteral("Éxito"), taken), QStringLiteral("&Éxito"));
        QCOMPARE(withAltLetter(QStringLiteral("- ."), taken), QStringLiteral("- ."));  // nothing to mark
        QCOMPARE(QString(taken.constData(), taken.size()), QStringLiteral("opcyré"));
    }

    void everyDialogNamesItsControlsHasAltLettersOfItsOwnAndRoomForItsTexts_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<DialogOpener>("open");
        for (const QString& language : kLanguages) {
            for (const auto& [name, open] : menuDialogs()) {
                QTest::newRow(qPrintable(languageName(language) + u' ' + QLatin1String(name))) << language << open;
            }
        }
    }

    void everyDialogNamesItsControlsHasAltLettersOfItsOwnAndRoomForItsTexts() {
        QFETCH(QString, language);
        QFETCH(DialogOpener, open);
        InLanguage in(language);
        QString unnamed;
        QStringList letters;
        const QStringList room = lookAtMenuDialog(open, [&](QDialog& dialog) {
            if (language.isEmpty()) unnamed = unnamedControls(&dialog);  // names are looked at in English
            for (const QString& caption : buttonsWithoutAltLetter(dialog))
                letters << QStringLiteral("no letter: ") + caption;
            for (const QString& clash : clashingAltLetters(dialog)) letters << QStringLiteral("shared: ") + clash;
            if (!letters.isEmpty())
                letters << QStringLiteral("in view: ") + altCaptions(dialog).join(QStringLiteral(" | "));
            // Every page of the dialog's tabs, as the teacher turns them.
            QStringList found = textsWiderThanTheirRoom(dialog);
            for (QTabWidget* tabs : dialog.findChildren<QTabWidget*>()) {
                for (int page = 0; page < tabs->count(); ++page) {
                    tabs->setCurrentIndex(page);
                    QApplication::processEvents();  // the page's own layout
                    found << textsWiderThanTheirRoom(dialog);
                }
            }
            found.removeDuplicates();
            return found;
        });
        QVERIFY2(room.isEmpty(), qPrintable(room.join(u'\n')));
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed));
        // The student list's fields over its tabs take every letter of Cancel
        // (Esc cancels there); no letter is better than one shared with a field.
        if (QString(QTest::currentDataTag()).endsWith(QLatin1String(" student list"))) {
            QEXPECT_FAIL("", "every letter of the student list's Cancel is taken by its fields", Continue);
        }
        QVERIFY2(letters.isEmpty(), qPrintable(letters.join(u'\n')));
    }

    void questionsAndTheHelpContentsShowTheirTitlesAndLetters_data() {
        QTest::addColumn<QString>("language");
        for (const QString& language : kLanguages) QTest::newRow(qPrintable(languageName(language))) << language;
    }

    void questionsAndTheHelpContentsShowTheirTitlesAndLetters() {
        QFETCH(QString, language);
        InLanguage in(language);
        QtUserDialogs dialogs;
        QWidget parent;
        QStringList faults;
        const auto look = [&faults](QMessageBox* box) {
            for (const QString& caption : buttonsWithoutAltLetter(*box))
                faults << QStringLiteral("no letter: ") + caption;
            faults << clashingAltLetters(*box);
            if (box->width() < titleBarWidth(*box)) faults << QStringLiteral("title cut: ") + box->text();
        };
        const std::vector<std::function<void()>> questions = {
            [&] { dialogs.inform(&parent, QStringLiteral("Every student has a seat.")); },
            [&] { dialogs.askYesNoCancel(&parent, QStringLiteral("Do you wish to save changes?")); },
            [&] {
                dialogs.askChoice(&parent, QStringLiteral("Open it?"),
                                  {QStringLiteral("Open anyway"), QStringLiteral("Cancel")});
            },
        };
        for (const auto& ask : questions) {
            bool shown = false;
            whenModalShows<QMessageBox>(look, &shown);
            ask();
            QVERIFY(shown);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));

        // The help's contents show their titles whole.
        HelpWindow help;
        help.showTopic(HelpTopic::Grades);
        QVERIFY(showExposed(help));
        auto* contents = help.findChild<QListWidget*>();
        QVERIFY(contents);
        QStringList cut;
        const int room = contents->viewport()->width();
        for (int i = 0; i < contents->count(); ++i) {
            const QListWidgetItem* item = contents->item(i);
            const int needed =
                contents->visualItemRect(item).left() + contents->fontMetrics().horizontalAdvance(item->text());
            if (needed > room) cut << item->text();
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
    }

    void everyPageAndTheMergedReportNameTheirControls() {
        WindowHarness h;
        openClassWithEverything(h);
        for (const Page page : {Page::Grades, Page::Attendance, Page::Seating}) {
            QVERIFY(h.window->showPage(page));
            const QString unnamed = unnamedControls(h.window.get());
            QVERIFY2(unnamed.isEmpty(), qPrintable(QStringLiteral("page %1:\n").arg(int(page)) + unnamed));
        }
        // The merged report, opened from Merge Setup, itself open without a modal loop.
        QVERIFY(h.window->showPage(Page::Grades));
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
        const QString unnamed = unnamedControls(report);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed));
        setup->close();
    }

    void dialogsMadeElsewhereNameTheirControlsAndTheWalkFindsOneUnnamed() {
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
        for (QWidget* window : QList<QWidget*>{&fonts, &password, &text, &students, &assignments, help}) {
            QVERIFY(showExposed(*window));
            const QString unnamed = unnamedControls(window);
            QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed));
            window->hide();
        }

        // A line edit without a label or a name is found, named by its parents.
        QDialog dialog;
        dialog.setObjectName(QStringLiteral("plantDialog"));
        auto* box = new QLineEdit(&dialog);
        box->setObjectName(QStringLiteral("plantedBox"));
        auto* hidden = new QLineEdit(&dialog);
        dialog.show();
        hidden->hide();  // not shown: nobody can reach it
        QVERIFY(QTest::qWaitForWindowExposed(&dialog, kWaitLimitMs));
        QCOMPARE(unnamedControls(&dialog), QStringLiteral("QLineEdit#plantedBox < QDialog#plantDialog"));
        box->setAccessibleName(QStringLiteral("Planted"));
        QCOMPARE(unnamedControls(&dialog), QString());
    }

    void theTablesAndTheSeatingChartSpeakWhatTheyHold() {
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

        // The attendance table spells out its marks.
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

        // The seating chart names its seats.
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

    void everyTopicHasAPageWhoseLinksLeadToPages_data() {
        QTest::addColumn<QString>("folder");
        QTest::newRow("English") << QStringLiteral(":/help/");
        QTest::newRow("Spanish") << QStringLiteral(":/help/es/");
        QTest::newRow("French") << QStringLiteral(":/help/fr/");
    }

    // A translated page links where its English one does, so the help reads the
    // same way in every language.
    void everyTopicHasAPageWhoseLinksLeadToPages() {
        QFETCH(QString, folder);
        QStringList files;
        for (const HelpPage& page : helpPages()) {
            const QString file = QString::fromUtf8(page.file);
            QVERIFY2(!files.contains(file), qPrintable(file));
            files << file;
            QCOMPARE(helpPage(page.topic).file, page.file);
        }
        const QRegularExpression link(QStringLiteral("href=\"([^\"#:]+)\""));
        const auto linksOf = [&link](const QString& path, QStringList& targets) {
            QFile f(path);
            if (!f.open(QIODevice::ReadOnly)) return false;
            const QString html = QString::fromUtf8(f.readAll());
            for (auto it = link.globalMatch(html); it.hasNext();) targets << it.next().captured(1);
            return html.contains(QStringLiteral("<h1>"));
        };
        for (const QString& file : files) {
            QStringList targets;
            QVERIFY2(linksOf(folder + file, targets), qPrintable(folder + file));
            for (const QString& target : targets) {
                QVERIFY2(files.contains(target), qPrintable(folder + file + QStringLiteral(" links to ") + target));
            }
            QStringList englishTargets;
            QVERIFY(linksOf(QStringLiteral(":/help/") + file, englishTargets));
            QCOMPARE(targets, englishTargets);
        }
    }

    void f1OpensThePageOfTheWindowItIsPressedInAlsoOverAModalDialog() {
        HelpCenter help;
        qApp->installEventFilter(&help);

        QWidget window;
        setHelpTopic(&window, HelpTopic::Attendance);
        auto* inner = new QLineEdit(&window);
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(inner);
        QVERIFY(showExposed(window));

        QTest::keyClick(inner, Qt::Key_F1);
        QVERIFY(help.window());
        QVERIFY(help.window()->isVisible());
        QCOMPARE(help.window()->currentTopic(), HelpTopic::Attendance);
        QVERIFY(help.window()->browser()->toPlainText().contains(QStringLiteral("Attendance page")));

        // Another topic reuses the same window; F1 inside the help window itself opens nothing new.
        setHelpTopic(inner, HelpTopic::Grades);
        QTest::keyClick(inner, Qt::Key_F1);
        QCOMPARE(help.window()->currentTopic(), HelpTopic::Grades);
        HelpWindow* first = help.window();
        QTest::keyClick(first->browser(), Qt::Key_F1);
        QCOMPARE(help.window(), first);
        QCOMPARE(help.window()->currentTopic(), HelpTopic::Grades);

        // The contents list and the title follow the page, also through a link in a page.
        auto* contents = help.window()->findChild<QListWidget*>();
        QVERIFY(contents);
        QCOMPARE(contents->currentItem()->text(), QStringLiteral("The Grades page"));
        help.window()->browser()->setSource(QUrl(QStringLiteral("printing.html")));
        QCOMPARE(help.window()->currentTopic(), HelpTopic::Printing);
        QCOMPARE(contents->currentItem()->text(), QStringLiteral("Printing and PDF"));
        QVERIFY(help.window()->windowTitle().endsWith(QStringLiteral("Printing and PDF")));

        // Over a modal dialog the help belongs to the dialog.
        QDialog dialog;
        setHelpTopic(&dialog, HelpTopic::GradeScale);
        auto* field = new QLineEdit(&dialog);
        (new QVBoxLayout(&dialog))->addWidget(field);

        bool wasChild = false;
        HelpTopic shown = HelpTopic::Contents;
        QTimer::singleShot(0, &dialog, [&] {
            QTest::keyClick(field, Qt::Key_F1);
            if (help.window()) {
                wasChild = help.window()->parentWidget() == &dialog;
                shown = help.window()->currentTopic();
            }
            dialog.reject();
        });
        dialog.exec();
        QVERIFY(wasChild);  // a top-level help window would be blocked by the modal dialog
        QCOMPARE(shown, HelpTopic::GradeScale);
        qApp->removeEventFilter(&help);
    }

    void theHelpMenuFollowsThePageAndGoesWithTheProgram() {
        WindowHarness h;
        MainWindow& w = *h.window;
        h.open(h.write(QStringLiteral("help.grs")));
        QVERIFY(showExposed(w));

        w.actions().help->trigger();
        QVERIFY(h.help.window() && h.help.window()->isVisible());
        QCOMPARE(h.help.window()->currentTopic(), HelpTopic::Grades);
        QVERIFY(w.showPage(Page::Attendance));
        w.showHelp();
        QCOMPARE(h.help.window()->currentTopic(), HelpTopic::Attendance);

        // Exit takes the help window along: left open, it kept the program running.
        w.close();
        QVERIFY(!w.isVisible());
        QVERIFY(!h.help.window()->isVisible());
    }

    void aboutShowsVersionContactAndClose() {
        ScriptedDialogs dialogs;
        AboutDialog about(dialogs);
        QCOMPARE(about.findChild<QLabel*>(QStringLiteral("versionLabel"))->text(), QStringLiteral("Version 2.0"));
        auto* close = about.findChild<QPushButton*>(QStringLiteral("closeButton"));
        QVERIFY(close);
        QCOMPARE(helpTopicFor(&about), HelpTopic::About);

        auto* contact = about.findChild<QLabel*>(QStringLiteral("contactLabel"));
        QVERIFY(contact);
        QCOMPARE(contact->cursor().shape(), Qt::PointingHandCursor);
        emit contact->linkActivated(QStringLiteral("ignored"));
        QCOMPARE(dialogs.openedUrls.size(), std::size_t{1});
        const QUrl url = dialogs.openedUrls.front();
        QCOMPARE(url.scheme(), QStringLiteral("mailto"));
        QCOMPARE(url.path(), AboutDialog::contactAddress());
        QCOMPARE(QUrlQuery(url).queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
                 QStringLiteral("Computerized Markwell"));

        QVERIFY(showExposed(about));
        QTest::mouseClick(close, Qt::LeftButton);
        QCOMPARE(about.result(), int(QDialog::Accepted));
        QVERIFY(!about.isVisible());
    }

    void everyToolIconAndToolBarButtonHasAPicture() {
        for (int i = 0; i <= static_cast<int>(ToolIcon::Redo); ++i) {
            const auto which = static_cast<ToolIcon>(i);
            QVERIFY2(drawsSomething(shippedIcon(which), QSize(24, 24)), qPrintable(QString::number(i)));
            QVERIFY2(drawsSomething(toolIcon(which), QSize(24, 24)), qPrintable(QString::number(i)));
        }
        QVERIFY(drawsSomething(applicationIcon(), QSize(64, 64)));

        // Every button of every tool bar, those of pages not shown included.
        WindowHarness h;
        const QList<QToolBar*> toolBars = h.window->findChildren<QToolBar*>();
        QVERIFY(!toolBars.isEmpty());
        int buttons = 0;
        for (const QToolBar* bar : toolBars) {
            for (const QAction* action : bar->actions()) {
                if (action->isSeparator()) continue;
                ++buttons;
                QVERIFY2(drawsSomething(action->icon(), bar->iconSize()), qPrintable(action->toolTip()));
            }
        }
        QVERIFY(buttons >= 20);
    }

    void noPageSaysItsCommandComesLater() {
        // Every command of the program works now: a page that still says its
        // command comes later is out of date.
        const QRegularExpression comesLater(QStringLiteral("\\b(comes? with a later version|not available yet)"));
        for (const HelpPage& page : helpPages()) {
            const QString file = QString::fromUtf8(page.file);
            QFile f(QStringLiteral(":/help/") + file);
            QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(file));
            const QString html = QString::fromUtf8(f.readAll()).simplified();
            const QRegularExpressionMatch match = comesLater.match(html);
            QVERIFY2(!match.hasMatch(), qPrintable(file + QStringLiteral(": ") + match.captured()));
        }
    }
};

MARKWELL_GUI_TEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
