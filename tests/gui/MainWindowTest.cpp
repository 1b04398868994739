// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The main window as a desktop window: its title, its place on the screen,
// and the keys that reach its pages and the help.

#include "gui/help/HelpWindow.h"
#include "gui/pages/GradesPage.h"
#include "tests/gui/support/AltLetters.h"
#include "tests/gui/support/ClassFixtures.h"
#include "tests/gui/support/GuiTestMain.h"

#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTabWidget>

using namespace markwell;
using namespace markwell::testing;

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void theTitleNamesTheClassAndShowsUnsavedChangesAndEveryMenuItemHasAnAltLetter() {
        WindowHarness h;
        MainWindow& w = *h.window;
        h.open(h.write(QStringLiteral("period1.grs")));
        QCOMPARE(QString(w.windowTitle()).remove(QStringLiteral("[*]")),
                 QStringLiteral("period1.grs — Computerized Markwell"));
        QVERIFY(!w.isWindowModified());

        // A change marks the window; saving takes the mark away again.
        w.tableCommands().toggleGridLines();
        QVERIFY(w.isWindowModified());
        w.saveClass();
        QVERIFY(!w.document().modified);
        QVERIFY(!w.isWindowModified());

        // Two items of one menu sharing a letter would make it open neither at once.
        const QStringList faults = menuItemsWithoutTheirOwnAltLetter(*w.menuBar());
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    void sizeAndPlaceAreRememberedFromOneRunToTheNext() {
        QSettings().remove(QStringLiteral("MainWindow"));
        QRect placed;
        {
            WindowHarness first;
            QVERIFY(showExposed(*first.window));
            first.window->setGeometry(40, 30, 900, 610);
            placed = first.window->geometry();
            QVERIFY(first.window->close());
        }
        WindowHarness second;
        QCOMPARE(second.window->geometry(), placed);

        // A window closed maximised opens maximised again.
        second.window->showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(second.window.get(), kWaitLimitMs));
        QVERIFY(second.window->close());
        WindowHarness third;
        third.window->show();
        QVERIFY(third.window->isMaximized());
    }

    void keysSwitchPagesOnlyWhereTheTabsWouldAndCloseTheHelp() {
        WindowHarness h;
        MainWindow& w = *h.window;
        QVERIFY(showExposed(w));
        SheetView* table = w.gradesPage()->view();
        table->setFocus();

        // An untitled class keeps the other pages closed, to the keys as to the tabs.
        QTest::keyClick(table, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(w.currentPage(), Page::Grades);
        h.open(h.write(QStringLiteral("keys.grs")));
        table->setFocus();
        QTest::keyClick(table, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(w.currentPage(), Page::Attendance);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(w.currentPage(), Page::Seating);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(w.currentPage(), Page::Grades);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(w.currentPage(), Page::Seating);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.currentPage(), Page::Attendance);

        // X11 hands Ctrl+Shift+Tab to the shortcuts as Tab with Shift.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.currentPage(), Page::Grades);

        // Escape and Ctrl+W close the help.
        h.window->showHelp();
        HelpWindow* help = h.help.window();
        QVERIFY(help);
        QVERIFY(QTest::qWaitForWindowExposed(help, kWaitLimitMs));
        QTest::keyClick(help, Qt::Key_Escape);
        QVERIFY(!help->isVisible());
        h.window->showHelp();
        QVERIFY(QTest::qWaitForWindowExposed(h.help.window(), kWaitLimitMs));
        QTest::keyClick(h.help.window(), Qt::Key_W, Qt::ControlModifier);
        QVERIFY(!h.help.window() || !h.help.window()->isVisible());
    }
};

MARKWELL_GUI_TEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
