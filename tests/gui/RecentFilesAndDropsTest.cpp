// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Other ways to a class than File > Open: File > Open Recent, kept from one
// run to the next, and a grade file dropped on the window.

#include "gui/document/GradeFileDrops.h"
#include "gui/document/RecentFiles.h"
#include "gui/document/RecentFilesMenu.h"
#include "tests/gui/support/ClassFixtures.h"
#include "tests/gui/support/GuiTestMain.h"

#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QMimeData>

using namespace markwell;
using namespace markwell::testing;
using Kind = ScriptedDialogs::Kind;
using Answer = UserDialogs::Answer;

namespace {

// File > Open Recent as the teacher sees it once the File menu opens: the
// file items, without the separator and Clear Recent.
QList<QAction*> recentItems(const WindowHarness& h) {
    emit h.window->menuBar()->findChild<QMenu*>(QStringLiteral("fileMenu"))->aboutToShow();
    auto* menu = h.window->findChild<RecentFilesMenu*>();
    QList<QAction*> items;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator()) break;
        items << action;
    }
    return items;
}

QStringList recentNames(const QList<QAction*>& items) {
    QStringList names;
    for (const QAction* item : items) names << QFileInfo(item->data().toString()).fileName();
    return names;
}

// Drags `data` over the window and drops it there; true when the window
// accepted the drag (a pointer that says the drop is welcome).
bool dragAndDrop(MainWindow& window, const QMimeData& data) {
    const QPoint middle = window.rect().center();
    QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    enter.accept();  // only a refusal may take it back
    QApplication::sendEvent(&window, &enter);
    QDropEvent drop(QPointF(middle), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    QCoreApplication::processEvents();  // the window opens a dropped file once the drop is over (a queued call)
    return enter.isAccepted();
}

QMimeData* filesData(const QStringList& paths) {
    auto* data = new QMimeData;
    QList<QUrl> urls;
    for (const QString& path : paths) urls << QUrl::fromLocalFile(path);
    data->setUrls(urls);
    return data;
}

}  // namespace

class RecentFilesAndDropsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { clearRecentFiles(); }

    void theLastEightClassesOpenedOrSavedAreListedNewestFirstWithTheirFolders() {
        WindowHarness h;
        QVERIFY(!h.window->findChild<RecentFilesMenu*>()->menuAction()->isEnabled());
        QVERIFY(QDir(h.folder.path()).mkdir(QStringLiteral("b & c")));
        const QString a = h.write(QStringLiteral("a.grs"));
        const QString b = writeClass(h.path(QStringLiteral("b & c")), QStringLiteral("b.grs"), smallClass());
        h.open(a);
        h.open(b);
        h.dialogs.saveAs(h.path(QStringLiteral("saved.grs")));
        h.window->saveClassAs();
        QList<QAction*> items = recentItems(h);
        QCOMPARE(recentNames(items), (QStringList{"saved.grs", "b.grs", "a.grs"}));
        QVERIFY(h.window->findChild<RecentFilesMenu*>()->menuAction()->isEnabled());
        QCOMPARE(items.at(1)->text(),
                 QStringLiteral("&2 b.grs  (%1)").arg(QDir::toNativeSeparators(h.path(QStringLiteral("b && c")))));
        QCOMPARE(items.at(1)->data().toString(), b);

        // Opening one again (or saving it) brings it to the top.
        h.open(a);
        QCOMPARE(recentNames(recentItems(h)), (QStringList{"a.grs", "saved.grs", "b.grs"}));
        h.window->saveClass();
        QCOMPARE(recentNames(recentItems(h)), (QStringList{"a.grs", "saved.grs", "b.grs"}));

        // The next run finds the same list.
        WindowHarness next;
        QCOMPARE(recentNames(recentItems(next)), (QStringList{"a.grs", "saved.grs", "b.grs"}));

        // The list keeps the last eight, each once.
        QStringList opened;
        for (int i = 1; i <= 9; ++i) {
            const QString name = QStringLiteral("c%1.grs").arg(i);
            next.open(next.write(name));
            opened.prepend(name);
        }
        QCOMPARE(recentNames(recentItems(next)), opened.mid(0, kMaxRecentFiles));

        // A name given another way (a relative path through its folder) is still the same file.
        rememberRecentFile(next.path(QStringLiteral("x/../c5.grs")));
        QCOMPARE(recentFiles().size(), kMaxRecentFiles);
        QCOMPARE(recentFiles().front(), next.path(QStringLiteral("c5.grs")));
        QCOMPARE(recentFiles().count(next.path(QStringLiteral("c5.grs"))), 1);
    }

    void aRecentClassOpensAfterTheSaveQuestionAndAMissingOneIsGreyed() {
        WindowHarness h;
        ClassRecord other = smallClass();
        other.students.pop_back();
        other.comments.pop_back();
        const QString a = h.write(QStringLiteral("a.grs"), other);
        const QString b = h.write(QStringLiteral("b.grs"));
        h.open(a);
        h.open(b);
        makeUnsavedChange(*h.window);
        h.dialogs.answer(Answer::Cancel);
        recentItems(h).at(1)->trigger();
        QCOMPARE(h.dialogs.texts(Kind::YesNoCancel), QStringList{"Do you wish to save changes to \"b.grs\"?"});
        QCOMPARE(h.window->document().markwellFile, b);
        QVERIFY(h.window->document().modified);
        h.dialogs.answer(Answer::No);
        recentItems(h).at(1)->trigger();
        QCOMPARE(h.window->document().markwellFile, a);
        QCOMPARE(h.cls().students.size(), other.students.size());
        QVERIFY(!h.window->document().modified);
        QCOMPARE(recentNames(recentItems(h)), (QStringList{"a.grs", "b.grs"}));

        // A missing file is greyed; Clear Recent empties the list.
        QVERIFY(QFile::remove(b));
        const QList<QAction*> items = recentItems(h);
        QVERIFY(items.at(0)->isEnabled());
        QVERIFY(!items.at(1)->isEnabled());
        QVERIFY(items.at(1)->statusTip().contains(QStringLiteral("missing")));
        h.window->findChild<RecentFilesMenu*>()->findChild<QAction*>(QStringLiteral("clearRecentFiles"))->trigger();
        QVERIFY(recentFiles().isEmpty());
        QVERIFY(recentItems(h).isEmpty());
        QVERIFY(!h.window->findChild<RecentFilesMenu*>()->menuAction()->isEnabled());
    }

    void aDroppedGradeFileOpensAfterTheSaveQuestionAndAnythingElseIsRefused() {
        WindowHarness h;
        const QString a = h.write(QStringLiteral("a.grs"));
        const QString b = h.write(QStringLiteral("b.grs"));
        const QString text = writeFile(h.path(QStringLiteral("notes.txt")), {});
        QVERIFY(!text.isEmpty());
        QVERIFY(QDir(h.folder.path()).mkdir(QStringLiteral("folder.grs")));
        std::vector<std::unique_ptr<QMimeData>> refused;
        refused.emplace_back(filesData({a, b}));  // one class at a time
        refused.emplace_back(filesData({text}));
        refused.emplace_back(filesData({h.path(QStringLiteral("folder.grs"))}));
        refused.emplace_back(filesData({h.path(QStringLiteral("gone.grs"))}));
        refused.emplace_back(new QMimeData);
        refused.back()->setText(a);
        refused.emplace_back(new QMimeData);
        refused.back()->setUrls({QUrl(QStringLiteral("https://example.org/a.grs"))});
        for (const auto& data : refused) {
            QVERIFY2(!dragAndDrop(*h.window, *data), qPrintable(data->urls().value(0).toString() + data->text()));
            QVERIFY(GradeFileDrops::gradeFileIn(data.get()).isEmpty());
        }
        QVERIFY(!h.window->document().isTitled());
        QCOMPARE(h.dialogs.shown.size(), 0u);
        QVERIFY(recentFiles().isEmpty());

        // A grade file, whatever the case of its name, after the save question.
        const QString upper = h.write(QStringLiteral("A.GRS"));
        changeClassTo(*h.window, smallClass());
        const std::unique_ptr<QMimeData> data(filesData({upper}));
        h.dialogs.answer(Answer::Cancel);
        QVERIFY(dragAndDrop(*h.window, *data));
        QCOMPARE(h.dialogs.texts(Kind::YesNoCancel), QStringList{"Do you wish to save changes?"});
        QVERIFY(!h.window->document().isTitled());
        h.dialogs.answer(Answer::No);
        QVERIFY(dragAndDrop(*h.window, *data));
        QCOMPARE(h.window->document().markwellFile, upper);
        QCOMPARE(h.cls().students.size(), smallClass().students.size());
        QCOMPARE(recentFiles(), QStringList{upper});
    }
};

MARKWELL_GUI_TEST_MAIN(RecentFilesAndDropsTest)
#include "RecentFilesAndDropsTest.moc"
