// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// A class whose files another program changed while it was open: Save asks
// before overwriting them, and coming back to the window offers to reload a
// class without unsaved changes. A grade file holding more than its class
// is saved over only when the teacher says so.

#include "core/data/PointEntry.h"
#include "core/document/EarlierVersions.h"
#include "tests/gui/support/ClassFixtures.h"
#include "tests/gui/support/GuiTestMain.h"
#include "tests/support/TestFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QStatusBar>

using namespace markwell;
using namespace markwell::testing;
using Kind = ScriptedDialogs::Kind;
using Answer = UserDialogs::Answer;

namespace {

enum Button { Overwrite, SaveAs, Cancel };

const QString kOverwriteQuestion =
    QStringLiteral("\"period1.grs\" was changed by another program since it was opened. Overwrite it?");
const QString kReloadQuestion =
    QStringLiteral("\"period1.grs\" was changed by another program since it was opened. Reload it?");

// The class as another program (another computer on a shared drive) leaves it.
ClassRecord changedElsewhere() {
    ClassRecord cls = smallClass();
    cls.students[2].name = "Cleo Parker";
    cls.comments[2].name = "Cleo Parker";
    cls.assignments[0].namegrade[2] = makePointEntry("Cleo Parker", "7");
    cls.assignments[1].namegrade[2] = makePointEntry("Cleo Parker", "80");
    return cls;
}

bool appendTo(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::Append) && f.write("x") == 1;
}

// The small class open in a window as "period1.grs", with a change not yet saved.
struct OpenedClass {
    WindowHarness h;
    QString path = h.write(QStringLiteral("period1.grs"));

    OpenedClass() {
        h.open(path);
        ClassRecord mine = h.cls();
        mine.assignments[0].namegrade[0] = makePointEntry("Ann Lee", "10");
        changeClassTo(*h.window, mine);
    }
    QByteArray theirs() const {
        h.write(QStringLiteral("theirs.grs"), changedElsewhere());
        return fileContents(h.path(QStringLiteral("theirs.grs")));
    }
};

}  // namespace

class ChangesElsewhereTest : public QObject {
    Q_OBJECT
private slots:
    void saveAsksBeforeOverwritingAndEachAnswerDoesWhatItSays() {
        OpenedClass c;
        MainWindow& w = *c.h.window;
        const QByteArray theirs = c.theirs();
        QVERIFY(!writeFile(c.path, theirs).isEmpty());

        // Cancel, and closing the question: their file stays, the changes too.
        c.h.dialogs.choose(Cancel);
        w.saveClass();
        QCOMPARE(c.h.dialogs.texts(Kind::Choice), QStringList{kOverwriteQuestion});
        QCOMPARE(
            c.h.dialogs.choiceButtons.front(),
            (QStringList{QStringLiteral("&Overwrite"), QStringLiteral("Save &As\u2026"), QStringLiteral("&Cancel")}));
        QCOMPARE(fileContents(c.path), theirs);
        QVERIFY(w.document().modified);
        w.saveClass();
        QCOMPARE(c.h.dialogs.unanswered, 1);
        QCOMPARE(fileContents(c.path), theirs);

        // Save As... saves the class under another name and leaves theirs alone.
        const QString copy = c.h.path(QStringLiteral("mine.grs"));
        c.h.dialogs.choose(SaveAs);
        c.h.dialogs.saveAs(copy);
        w.saveClass();
        QCOMPARE(fileContents(c.path), theirs);
        QCOMPARE(w.document().markwellFile, copy);
        QVERIFY(!w.document().modified);

        // The save question on the way out asks it too; Overwrite writes.
        OpenedClass again;
        QVERIFY(!writeFile(again.path, theirs).isEmpty());
        again.h.dialogs.answer(Answer::Yes);
        again.h.dialogs.choose(Overwrite);
        QVERIFY(again.h.window->close());
        QCOMPARE(again.h.dialogs.count(Kind::Choice), 1);
        QVERIFY(fileContents(again.path) != theirs);
        QCOMPARE(again.h.window->document().classRecord.students[2].name, std::string("Cleo Park"));
    }

    void anyChangeOfAnyOfTheThreeFilesIsNoticed() {
        // The grade file with the same size and time, and each sibling alone.
        const auto sameSizeAndTime = [](const QString& path) {
            const QDateTime modified = QFileInfo(path).lastModified();
            QByteArray bytes = fileContents(path);
            bytes[bytes.size() - 1] = static_cast<char>(bytes[bytes.size() - 1] ^ 1);
            QFile f(path);
            return !writeFile(path, bytes).isEmpty() && f.open(QIODevice::ReadWrite) &&
                   f.setFileTime(modified, QFileDevice::FileModificationTime);
        };
        for (int file = 0; file < 3; ++file) {
            OpenedClass c;
            const QString paths[] = {c.path, c.h.window->document().attendFile, c.h.window->document().seatingFile};
            QVERIFY(file == 0 ? sameSizeAndTime(paths[file]) : appendTo(paths[file]));
            c.h.dialogs.choose(Cancel);
            c.h.window->saveClass();
            QCOMPARE(c.h.dialogs.count(Kind::Choice), 1);
            QVERIFY(c.h.window->document().modified);
        }
    }

    void ownSavesAndUntouchedFilesAskNothing() {
        OpenedClass c;
        MainWindow& w = *c.h.window;
        w.saveClass();
        changeClassTo(w, smallClass());
        w.saveClass();
        // A class saved under a new name is watched under that name.
        c.h.dialogs.saveAs(c.h.path(QStringLiteral("period2.grs")));
        w.saveClassAs();
        changeClassTo(w, changedElsewhere());
        w.saveClass();
        w.documentCommands().reviewChangesOnDisk();
        QVERIFY(c.h.dialogs.messages().isEmpty());
        QVERIFY(!w.document().modified);
    }

    void comingBackOffersToReloadAClassWithoutChanges() {
        OpenedClass c;
        MainWindow& w = *c.h.window;
        w.saveClass();
        QVERIFY(!writeFile(c.path, c.theirs()).isEmpty());

        // No keeps the class shown and asks no more about that change.
        c.h.dialogs.answer(Answer::No);
        w.documentCommands().reviewChangesOnDisk();
        w.documentCommands().reviewChangesOnDisk();
        QCOMPARE(c.h.dialogs.texts(Kind::YesNo), QStringList{kReloadQuestion});
        QCOMPARE(c.h.cls().students[2].name, std::string("Cleo Park"));

        // Coming back to the window checks again; Yes reloads their class.
        QVERIFY(!writeFile(c.path, c.theirs()).isEmpty());
        QFile touched(c.path);
        QVERIFY(touched.open(QIODevice::ReadWrite));
        QVERIFY(touched.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
        touched.close();
        c.h.dialogs.answer(Answer::Yes);
        QVERIFY(showExposed(w));
        w.activateWindow();
        QTRY_COMPARE_WITH_TIMEOUT(c.h.dialogs.count(Kind::YesNo), 2, kWaitLimitMs);
        QTRY_COMPARE_WITH_TIMEOUT(c.h.cls().students[2].name, std::string("Cleo Parker"), kWaitLimitMs);
        QVERIFY(!w.document().modified);

        // With unsaved changes nothing is reloaded: the status line says why Save will ask.
        changeClassTo(w, smallClass());
        QVERIFY(appendTo(c.path));
        w.documentCommands().reviewChangesOnDisk();
        QCOMPARE(c.h.dialogs.count(Kind::YesNo), 2);
        QVERIFY(w.statusBar()->currentMessage().startsWith(
            QStringLiteral("\"period1.grs\" was changed by another program since it was opened.")));
        QCOMPARE(c.h.cls().students[2].name, std::string("Cleo Park"));
        QVERIFY(w.document().modified);
    }

    void bytesSkippedWhenOpenedAreDroppedOnlyWhenTheTeacherSaysSo() {
        WindowHarness h;
        MainWindow& w = *h.window;
        const QString path = h.write(QStringLiteral("period1.grs"));
        const QByteArray damaged = fileContents(path) + QByteArray(236, 'x');
        QVERIFY(!writeFile(path, damaged).isEmpty());
        h.open(path);
        QVERIFY(h.dialogs.onlyText(Kind::Warn).contains(QStringLiteral("holds 236 bytes after the end of the class")));

        // Unanswered, the question keeps the file: Don't Save is its default.
        changeClassTo(w, changedElsewhere());
        w.saveClass();
        QVERIFY(h.dialogs.onlyText(Kind::Choice).contains(QStringLiteral("the earlier version keeps the file")));
        QCOMPARE(h.dialogs.choiceButtons.front(),
                 (QStringList{QStringLiteral("&Save"), QStringLiteral("&Don't Save")}));
        QCOMPARE(fileContents(path), damaged);
        QVERIFY(w.document().modified);

        h.dialogs.choose(0);
        w.saveClass();
        QVERIFY(!w.document().modified);
        QVERIFY(fileContents(path) != damaged);
        const std::vector<EarlierVersion> versions = earlierVersions(path);
        QCOMPARE(versions.size(), std::size_t{1});
        QCOMPARE(readEarlierVersion(versions.front())->grade, damaged);
        // Saved once, the class asks no more.
        changeClassTo(w, smallClass());
        w.saveClass();
        QCOMPARE(h.dialogs.count(Kind::Choice), 2);
    }
};

MARKWELL_GUI_TEST_MAIN(ChangesElsewhereTest)
#include "ChangesElsewhereTest.moc"
