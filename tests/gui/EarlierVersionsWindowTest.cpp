// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// The safety net in the window: each save keeps the class it replaces,
// File > Earlier Versions... opens one as a new class, Options sets how many
// are kept, and a class open in another Markwell warns before it opens here.

#include "core/document/ClassLock.h"
#include "core/document/EarlierVersions.h"
#include "core/files/GradeFile.h"
#include "core/settings/KeptVersions.h"
#include "gui/document/EarlierVersionsDialog.h"
#include "gui/options/OptionsDialog.h"
#include "gui/sheetview/SheetView.h"
#include "tests/gui/support/ClassFixtures.h"
#include "tests/gui/support/GuiTestMain.h"
#include "tests/gui/support/ModalDialogs.h"
#include "tests/support/TestFiles.h"

#include <QLockFile>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>

using namespace markwell;
using namespace markwell::testing;
using Kind = ScriptedDialogs::Kind;
using Answer = UserDialogs::Answer;

namespace {

// The class with one more student, as the student list hands it back.
void addStudent(WindowHarness& h, const char* name) {
    ClassRecord changed = h.cls();
    StudentInfo s;
    s.name = name;
    changed.students.push_back(s);
    changed.comments.push_back({name, ""});
    changeClassTo(*h.window, changed);
}

// Whether the process `pid` holds the class's open lock now.
bool holdsOpenLock(const QString& gradePath, qint64 pid) {
    QLockFile probe(classLockPath(gradePath, ClassLock::Kind::Open));
    qint64 holder = 0;
    QString host;
    QString application;
    return probe.getLockInfo(&holder, &host, &application) && holder == pid;
}

}  // namespace

class EarlierVersionsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void eachSaveKeepsTheClassItReplacesAndOneOpensAsANewClass() {
        WindowHarness h;
        const QString path =
            h.write(QStringLiteral("period1.grs"), smallClass(), {attendanceRecord("Ann Lee", 9, 2026, "T")});
        h.open(path);
        addStudent(h, "Dee Fox");
        h.window->saveClass();
        addStudent(h, "Eve Gray");
        h.window->saveClass();
        QVERIFY(!h.window->document().modified);
        const QByteArray onDisk = classFiles(path);

        QString table3Version;
        QVERIFY(answered<EarlierVersionsDialog>(h.window->actions().earlierVersions,
                                                [&table3Version](EarlierVersionsDialog* d) {
                                                    const Sheet* table = d->view()->sheet();
                                                    table3Version = table->text(3, 1);
                                                    QCOMPARE(table->maxRow(), 3);
                                                    QCOMPARE(table->text(2, 3), QStringLiteral("4"));  // newest first
                                                    QCOMPARE(table->text(3, 3), QStringLiteral("3"));
                                                    QVERIFY(d->openButton()->isEnabled());
                                                    d->view()->selectRange(CellRange::cell(3, 1));
                                                    d->openButton()->click();
                                                }));

        // The class as it was first opened, untitled and unsaved.
        const Document& opened = h.window->document();
        QVERIFY(!opened.isTitled());
        QVERIFY(opened.modified);
        QCOMPARE(opened.classRecord.students.size(), std::size_t(3));
        QCOMPARE(classFiles(path), onDisk);
        QVERIFY(!h.window->actions().earlierVersions->isEnabled());
        // The title says which version it is.
        const QString versionTitle = QStringLiteral("period1.grs, version %1 (unsaved)").arg(table3Version);
        QVERIFY2(h.window->windowTitle().startsWith(versionTitle), qPrintable(h.window->windowTitle()));

        // Close keeps the class that is open.
        h.dialogs.answer(Answer::No);  // the version's changes are let go
        h.open(path);
        QCOMPARE(h.window->document().markwellFile, path);
        // A class just opened is clean, whatever the one before it was: no mark,
        // and neither New nor closing asks to save it.
        QVERIFY(!h.window->document().modified);
        QVERIFY(!h.window->isWindowModified());
        QVERIFY(!h.window->windowTitle().contains(QStringLiteral("version")));
        const int questions = h.dialogs.count(Kind::YesNoCancel);
        h.window->newClass();
        QVERIFY(!h.window->isWindowModified());
        QCOMPARE(h.dialogs.count(Kind::YesNoCancel), questions);
        h.open(path);
        QVERIFY(answered<EarlierVersionsDialog>(h.window->actions().earlierVersions,
                                                [](EarlierVersionsDialog* d) { d->reject(); }));
        QCOMPARE(h.window->document().markwellFile, path);
    }

    void theCommandWaitsForAClassOnDisk() {
        WindowHarness h;
        QVERIFY(!h.window->actions().earlierVersions->isEnabled());
        const QString path = h.path(QStringLiteral("fresh.grs"));
        h.dialogs.saveAs(path);
        h.window->saveClass();
        QVERIFY(h.window->actions().earlierVersions->isEnabled());

        // No version yet: the window says so and offers nothing to open.
        QVERIFY(answered<EarlierVersionsDialog>(h.window->actions().earlierVersions, [](EarlierVersionsDialog* d) {
            QCOMPARE(d->view()->sheet()->maxRow(), 1);
            QVERIFY(!d->openButton()->isEnabled());
            d->reject();
        }));
    }

    void aSaveWhereNoVersionCanBeKeptStillSaves() {
        WindowHarness h;
        const QString path = h.write(QStringLiteral("period1.grs"));
        h.open(path);
        addStudent(h, "Dee Fox");
        const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", unwritablePath(h.folder.path(), QStringLiteral("data")).toLocal8Bit());
        h.window->saveClass();
        qputenv("XDG_DATA_HOME", dataHome);

        QVERIFY(!h.window->document().modified);
        QCOMPARE(h.dialogs.count(Kind::Warn), 0);
        QVERIFY2(h.window->statusBar()->currentMessage().startsWith(
                     QStringLiteral("No earlier version of %1 could be kept: ").arg(path)),
                 qPrintable(h.window->statusBar()->currentMessage()));
        QCOMPARE(readGradeFile(path)->students.size(), std::size_t(4));
    }

    void optionsSetHowManyVersionsAreKept() {
        WindowHarness h;
        QVERIFY(answered<OptionsDialog>(h.window->actions().options, [](OptionsDialog* d) {
            QCOMPARE(d->keptVersionsBox()->value(), kDefaultKeptVersions);
            d->keptVersionsBox()->setValue(2);
            clickOk(d);
        }));
        QCOMPARE(keptVersionCount(*h.settings), 2);

        const QString path = h.write(QStringLiteral("period1.grs"));
        h.open(path);
        for (const char* name : {"Dee Fox", "Eve Gray", "Flo Hart", "Gus Ives"}) {
            addStudent(h, name);
            h.window->saveClass();
        }
        const std::vector<EarlierVersion> kept = earlierVersions(path);
        QCOMPARE(kept.size(), std::size_t(2));
        QCOMPARE(kept.front().students, 6);

        // Cancel stores nothing.
        QVERIFY(answered<OptionsDialog>(h.window->actions().options, [](OptionsDialog* d) {
            d->keptVersionsBox()->setValue(0);
            d->reject();
        }));
        QCOMPARE(keptVersionCount(*h.settings), 2);
    }

    void aClassOpenInAnotherMarkwellWarnsUntilThatOneIsGone() {
        WindowHarness h;
        const QString path = h.write(QStringLiteral("period1.grs"));
        QProcess other;
        other.start(QStringLiteral(MARKWELL_APP_PATH), {path});
        QVERIFY(other.waitForStarted(kWaitLimitMs));
        QTRY_VERIFY_WITH_TIMEOUT(holdsOpenLock(path, other.processId()), kWaitLimitMs);

        const QString warning =
            QStringLiteral("\"period1.grs\" is open in another Markwell window; changes saved there "
                           "and here will overwrite each other.");
        h.open(path);  // Cancel
        QCOMPARE(h.dialogs.texts(Kind::Choice), QStringList{warning});
        QVERIFY(!h.window->document().isTitled());

        h.dialogs.choose(0);  // Open anyway
        h.open(path);
        QCOMPARE(h.dialogs.count(Kind::Choice), 2);
        QCOMPARE(h.window->document().markwellFile, path);

        // The other Markwell dies holding its lock: the next opening takes it over without a word.
        other.kill();
        QVERIFY(other.waitForFinished(kWaitLimitMs));
        h.open(path);
        QCOMPARE(h.dialogs.count(Kind::Choice), 2);
        ClassLock probe(path, ClassLock::Kind::Open);
        QCOMPARE(probe.take().value(), false);  // held by this window now

        // New lets it go.
        h.window->newClass();
        QCOMPARE(probe.take().value(), true);
    }
};

MARKWELL_GUI_TEST_MAIN(EarlierVersionsWindowTest)
#include "EarlierVersionsWindowTest.moc"
