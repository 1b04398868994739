// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Help: every window's page exists and links only to pages that exist, F1
// opens the page of the window it is pressed in, also over a modal dialog,
// and the About window shows what it must and writes to its contact.

#include "gui/help/AboutDialog.h"
#include "gui/help/HelpCenter.h"
#include "gui/help/HelpWindow.h"
#include "gui/shared/Icons.h"
#include "tests/gui/support/ClassFixtures.h"
#include "tests/gui/support/GuiTestMain.h"
#include "tests/gui/support/ScriptedDialogs.h"

#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QUrlQuery>
#include <QVBoxLayout>

using namespace markwell;
using markwell::testing::ScriptedDialogs;
using markwell::testing::showExposed;

namespace {

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

class HelpTest : public QObject {
    Q_OBJECT
private slots:
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

    void f1OpensThePageOfTheWindowItIsPressedIn() {
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
        qApp->removeEventFilter(&help);
    }

    void helpOverAModalDialogBelongsToTheDialog() {
        HelpCenter help;
        qApp->installEventFilter(&help);
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
        testing::WindowHarness h;
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

    void everyToolIconHasAPicture() {
        for (int i = 0; i <= static_cast<int>(ToolIcon::Redo); ++i) {
            const auto which = static_cast<ToolIcon>(i);
            QVERIFY2(drawsSomething(shippedIcon(which), QSize(24, 24)), qPrintable(QString::number(i)));
            QVERIFY2(drawsSomething(toolIcon(which), QSize(24, 24)), qPrintable(QString::number(i)));
        }
        QVERIFY(drawsSomething(applicationIcon(), QSize(64, 64)));
    }

    void everyToolBarButtonShowsItsPicture() {
        // Every button of every tool bar, those of pages not shown included.
        testing::WindowHarness h;
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

MARKWELL_GUI_TEST_MAIN(HelpTest)
#include "HelpTest.moc"
