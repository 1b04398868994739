// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Recovery after a crash: the copy a window keeps of its unsaved changes,
// when it goes, and what the next start offers, answered as a teacher would
// answer; and the whole program killed in the middle of its work.

#include "core/data/PointEntry.h"
#include "core/document/DocumentFiles.h"
#include "core/document/RecoveryCopy.h"
#include "core/files/DataFolder.h"
#include "gui/document/RecoveryKeeper.h"
#include "tests/gui/support/ClassFixtures.h"
#include "tests/gui/support/GuiTestMain.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStatusBar>

#include <chrono>
#include <csignal>

using namespace markwell;
using namespace markwell::testing;
using namespace std::chrono_literals;
using Kind = ScriptedDialogs::Kind;
using Answer = UserDialogs::Answer;

namespace {

enum Button { Recover, Discard, DecideLater };

// What a save of the document would write, saved under `gradePath`.
QByteArray bytesSavedAs(Document document, const QString& gradePath) {
    QDir().mkpath(QFileInfo(gradePath).absolutePath());
    if (!saveDocument(document, gradePath).ok()) return {};
    return classFiles(gradePath);
}

// The small class with Bob's quiz raised and a new seat: unsaved work.
ClassRecord changedClass(const ClassRecord& cls) {
    ClassRecord changed = cls;
    changed.assignments[0].namegrade[1] = makePointEntry("Bob Stone", "9");
    changed.Seats.push_back(SeatingInfo{.name = "Bob Stone", .left = 200});
    return changed;
}

QString noteOf(const QString& gradePath) {
    return recoveryFolderFor(gradePath) + QStringLiteral("/recovery.txt");
}

bool hasCopy(const QString& gradePath) {
    return QFile::exists(noteOf(gradePath));
}

// A window on "period1.grs" of the small class, changed and with its copy
// written, that then ends without being closed, as at a crash.
struct CrashedWindow {
    QString classPath;
    QByteArray onDisk;
    QByteArray wouldSave;  // what Save would have written

    explicit CrashedWindow(const QString& folder) {
        WindowHarness h;
        classPath = writeClass(folder, QStringLiteral("period1.grs"), smallClass());
        onDisk = classFiles(classPath);
        h.open(classPath);
        changeClassTo(*h.window, changedClass(h.cls()));
        h.window->recoveryKeeper().writeCopy();
        wouldSave = bytesSavedAs(h.window->document(), folder + QStringLiteral("/expected/period1.grs"));
    }  // the window goes without closing
};

}  // namespace

class RecoveryTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        QDir(programDataFolder()).removeRecursively();
        QVERIFY(findLeftRecoveryCopies().empty());
    }

    void keepsACopyAfterAPauseAndEveryFewMinutesWhileChangesGoOn() {
        WindowHarness h;
        MainWindow& w = *h.window;
        const QString path = h.write(QStringLiteral("period1.grs"));
        const QStringList besideTheClass = filesIn(h.folder.path());
        const QByteArray onDisk = classFiles(path);
        h.open(path);
        w.recoveryKeeper().setIntervals(60s, 100ms);
        w.recoveryKeeper().writeCopy();
        QVERIFY(!hasCopy(path));  // nothing to recover from a class without changes
        changeClassTo(w, changedClass(h.cls()));
        QTRY_VERIFY_WITH_TIMEOUT(hasCopy(path), kWaitLimitMs);
        QCOMPARE(w.recoveryKeeper().keptClass(), path);

        // Changes that never pause still reach the copy at every interval.
        w.recoveryKeeper().setIntervals(300ms, 60s);
        const QByteArray first = fileContents(noteOf(path));
        const auto changeAgainAndLook = [&] {
            makeUnsavedChange(w);
            return fileContents(noteOf(path)) != first;
        };
        QTRY_VERIFY_WITH_TIMEOUT(changeAgainAndLook(), kWaitLimitMs);  // a change every 50 ms
        QCOMPARE(filesIn(h.folder.path()), besideTheClass);
        QCOMPARE(classFiles(path), onDisk);
    }

    void aSaveAndLettingTheChangesGoRemoveTheCopy() {
        WindowHarness h;
        MainWindow& w = *h.window;
        const QString path = h.write(QStringLiteral("period1.grs"));
        const QString other = h.write(QStringLiteral("other.grs"));
        const auto changeAndKeep = [&] {
            changeClassTo(w, changedClass(h.cls()));
            w.recoveryKeeper().writeCopy();
            return hasCopy(w.document().markwellFile);
        };
        h.open(path);
        QVERIFY(changeAndKeep());
        w.saveClass();
        QVERIFY(!hasCopy(path));

        // No to the save question, before opening another class or a new one.
        QVERIFY(changeAndKeep());
        h.dialogs.answer(Answer::No);
        h.open(other);
        QVERIFY(!hasCopy(path));
        QVERIFY(changeAndKeep());
        h.dialogs.answer(Answer::No);
        w.newClass();
        QVERIFY(!hasCopy(other));

        // Closing: Cancel keeps the changes and their copy; No lets both go.
        h.open(path);
        QVERIFY(changeAndKeep());
        h.dialogs.answer(Answer::Cancel);
        QVERIFY(!w.close());
        QVERIFY(hasCopy(path));
        h.dialogs.answer(Answer::No);
        QVERIFY(w.close());
        QVERIFY(!hasCopy(path));
        QVERIFY(findLeftRecoveryCopies().empty());
        QCOMPARE(h.dialogs.unanswered, 0);
    }

    void theNextStartRecoversTheChangesAsTheyWouldHaveBeenSaved() {
        QTemporaryDir folder;
        const CrashedWindow crashed(folder.path());
        const std::vector<RecoveryCopy> left = findLeftRecoveryCopies();
        QCOMPARE(left.size(), std::size_t{1});
        WindowHarness h;
        MainWindow& w = *h.window;
        w.openAtStart(crashed.classPath);
        h.dialogs.choose(Recover);
        w.offerRecovery();
        const QString when = left[0].madeAt.toLocalTime().toString(QStringLiteral("HH:mm"));
        QCOMPARE(h.dialogs.texts(Kind::Choice),
                 QStringList{QStringLiteral("Recover the unsaved changes to \"period1.grs\" from %1?").arg(when)});
        QCOMPARE(h.dialogs.choiceButtons.front(), (QStringList{"&Recover", "&Discard", "Decide &later"}));

        // The class itself, with its changes unsaved; its files still as they were.
        QCOMPARE(w.document().markwellFile, crashed.classPath);
        QVERIFY(w.document().modified);
        QCOMPARE(w.windowTitle(), QStringLiteral("period1.grs[*] — Computerized Markwell"));
        QVERIFY(w.isWindowModified());
        QCOMPARE(h.cls().assignments[0].namegrade[1], makePointEntry("Bob Stone", "9"));
        QCOMPARE(classFiles(crashed.classPath), crashed.onDisk);
        w.saveClass();
        QCOMPARE(h.dialogs.count(Kind::Choice), 1);  // no question about changes made elsewhere
        QCOMPARE(classFiles(crashed.classPath), crashed.wouldSave);
        QVERIFY(!hasCopy(crashed.classPath));
        QCOMPARE(h.dialogs.unanswered, 0);
    }

    void discardAndDecideLaterDoWhatTheySay() {
        QTemporaryDir folder;
        const CrashedWindow crashed(folder.path());
        {
            // Decide later, and closing the question, leave the class and its copy alone.
            WindowHarness h;
            h.dialogs.choose(DecideLater);
            h.window->offerRecovery();
            QVERIFY(!h.window->document().isTitled());
            QVERIFY(!h.window->document().modified);
            h.window->offerRecovery();
            QCOMPARE(h.dialogs.count(Kind::Choice), 2);
            QCOMPARE(h.dialogs.unanswered, 1);
            QVERIFY(!h.window->document().isTitled());
        }
        QCOMPARE(findLeftRecoveryCopies().size(), std::size_t{1});
        {
            WindowHarness h;
            h.dialogs.choose(Discard);
            h.window->offerRecovery();
            QVERIFY(!h.window->document().isTitled());
            QVERIFY(!hasCopy(crashed.classPath));
        }
        WindowHarness next;
        next.window->offerRecovery();
        QVERIFY(next.dialogs.shown.empty());
        QCOMPARE(classFiles(crashed.classPath), crashed.onDisk);
    }

    void aCopyInUseByALivingWindowIsNeitherOfferedNorOverwritten() {
        WindowHarness first;
        const QString path = first.write(QStringLiteral("period1.grs"));
        first.open(path);
        changeClassTo(*first.window, changedClass(first.cls()));
        first.window->recoveryKeeper().writeCopy();
        const QByteArray note = fileContents(noteOf(path));
        WindowHarness second;
        second.window->offerRecovery();
        QVERIFY(second.dialogs.shown.empty());
        second.dialogs.choose(0);  // Open anyway: the class is open in the first window
        second.open(path);
        makeUnsavedChange(*second.window);
        second.window->recoveryKeeper().writeCopy();
        QCOMPARE(fileContents(noteOf(path)), note);
        QVERIFY(second.window->statusBar()->currentMessage().contains(QStringLiteral("Another Markwell window")));
    }

    void aKilledProgramLeavesItsChangesForTheNextStart() {
        QTemporaryDir folder;
        const QString path = writeClass(folder.path(), QStringLiteral("period1.grs"), smallClass());
        const QByteArray onDisk = classFiles(path);
        WindowHarness h;
        Result<Document> opened = openDocument(path, *h.scales);
        QVERIFY(opened.ok());
        Document changed = std::move(opened).value();
        changed.classRecord = changedClass(changed.classRecord);
        changed.modified = true;
        const QByteArray wouldSave = bytesSavedAs(changed, folder.filePath(QStringLiteral("expected/p.grs")));

        // The changes the program starts from: a copy of an earlier start.
        const QDateTime earlier = QDateTime::currentDateTime().addSecs(-120);
        QVERIFY(writeRecoveryCopy(changed, earlier).ok());
        const QByteArray earlierNote = fileContents(noteOf(path));
        QProcess markwell;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("MARKWELL_RECOVERY_ANSWER"), QStringLiteral("recover"));
        environment.insert(QStringLiteral("MARKWELL_RECOVERY_MS"), QStringLiteral("200"));
        markwell.setProcessEnvironment(environment);
        markwell.start(QStringLiteral(MARKWELL_APP_PATH), {path});
        QVERIFY(markwell.waitForStarted(kWaitLimitMs));

        // The program keeps the recovered changes as its own copy, under its lock.
        QTRY_VERIFY_WITH_TIMEOUT(fileContents(noteOf(path)) != earlierNote, kWaitLimitMs);

        // One copy more; the next one is perhaps cut short by the kill.
        const QByteArray ownNote = fileContents(noteOf(path));
        QTRY_VERIFY_WITH_TIMEOUT(fileContents(noteOf(path)) != ownNote, kWaitLimitMs);
        QVERIFY(findLeftRecoveryCopies().empty());
        ::kill(static_cast<pid_t>(markwell.processId()), SIGKILL);
        QVERIFY(markwell.waitForFinished(kWaitLimitMs));
        QCOMPARE(markwell.exitStatus(), QProcess::CrashExit);
        QCOMPARE(classFiles(path), onDisk);
        const std::vector<RecoveryCopy> left = findLeftRecoveryCopies();
        QCOMPARE(left.size(), std::size_t{1});
        QVERIFY(left[0].madeAt > earlier);
        h.window->openAtStart(path);
        h.dialogs.choose(Recover);
        h.window->offerRecovery();
        QVERIFY(h.window->document().modified);
        h.window->saveClass();
        QCOMPARE(classFiles(path), wouldSave);
        QCOMPARE(h.dialogs.unanswered, 0);
    }
};

MARKWELL_GUI_TEST_MAIN(RecoveryTest)
#include "RecoveryTest.moc"
