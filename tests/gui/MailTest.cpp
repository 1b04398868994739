// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// E-mail: the address File > E-mail... opens, and a student's report handed
// to a stand-in xdg-email that records what it was given.

#include "gui/mail/XdgEmailLauncher.h"
#include "gui/pages/GradesPage.h"
#include "gui/reports/IndividualReportWindow.h"
#include "tests/gui/support/ClassFixtures.h"
#include "tests/gui/support/GuiTestMain.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QProcess>
#include <QPushButton>

#include <optional>

using namespace markwell;
using namespace markwell::testing;
using Kind = ScriptedDialogs::Kind;

namespace {

// Points PATH at a folder of stand-in programs and XDG_CACHE_HOME at a
// folder of the test's, for as long as it lives.
class MailEnvironment {
public:
    // With an xdg-email installed as installXdgEmail does.
    explicit MailEnvironment(int exitCode = 0, const QString& seconds = QStringLiteral("0"))
        : path_(qgetenv("PATH")), cache_(qgetenv("XDG_CACHE_HOME")) {
        qputenv("PATH", bin_.path().toLocal8Bit());
        qputenv("XDG_CACHE_HOME", cacheDir_.path().toLocal8Bit());
        installXdgEmail(exitCode, seconds);
    }
    ~MailEnvironment() {
        qputenv("PATH", path_);
        qputenv("XDG_CACHE_HOME", cache_);
    }

    // An xdg-email that writes its arguments, each ended by a NUL byte, to
    // argvFile() and ends with `exitCode`, after `seconds` as a mail program
    // that takes its time; given `waitFor`, it first waits until that file
    // exists, as a mail program waits for its message to go.
    void installXdgEmail(int exitCode, const QString& seconds = QStringLiteral("0"), const QString& waitFor = {}) {
        QFile script(bin_.filePath(QStringLiteral("xdg-email")));
        QVERIFY(script.open(QIODevice::WriteOnly));
        const QString wait = waitFor.isEmpty()
                                 ? QString()
                                 : QStringLiteral("while [ ! -e '%1' ]; do /bin/sleep 0.05; done\n").arg(waitFor);

        // Written aside and renamed: once argvFile() exists it is whole.
        script.write(
            QStringLiteral(
                "#!/bin/sh\n%1printf '%s\\0' \"$@\" > '%2.new'\n/bin/mv '%2.new' '%2'\n/bin/sleep %4\nexit %3\n")
                .arg(wait, argvFile())
                .arg(exitCode)
                .arg(seconds)
                .toLocal8Bit());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QString argvFile() const { return bin_.filePath(QStringLiteral("argv")); }
    QStringList recordedArguments() const {
        QFile file(argvFile());
        if (!file.open(QIODevice::ReadOnly)) return {};
        QStringList args = QString::fromLocal8Bit(file.readAll()).split(QChar(0));
        args.removeLast();  // after the last NUL
        return args;
    }
    void removeXdgEmail() { QFile::remove(bin_.filePath(QStringLiteral("xdg-email"))); }
    QString cacheFolder() const { return cacheDir_.path(); }

    // Makes the cache folder impossible to write into.
    void blockCache() { qputenv("XDG_CACHE_HOME", (cacheDir_.path() + QStringLiteral("/file")).toLocal8Bit()); }

private:
    QTemporaryDir bin_;
    QTemporaryDir cacheDir_;
    QByteArray path_;
    QByteArray cache_;
};

// The names of the worksheets of an .xls file as the project's independent
// reader finds them; none when the reader cannot run here.
std::optional<QStringList> worksheetNamesIn(const QString& xls) {
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral(MARKWELL_SOURCE_DIR "/tests/core/export/read_xls.py"), xls});
    if (!python.waitForFinished(60000) || python.exitStatus() != QProcess::NormalExit) return std::nullopt;
    if (python.exitCode() != 0) return std::nullopt;
    QStringList names;
    const QJsonObject json = QJsonDocument::fromJson(python.readAllStandardOutput()).object();
    for (const auto& sheet : json[QStringLiteral("sheets")].toArray()) {
        names << sheet.toObject()[QStringLiteral("name")].toString();
    }
    return names;
}

// The mail programs the window started that have not ended yet (each is
// made at once, when the message is handed on).
int mailProgramsOf(MainWindow& window) {
    return static_cast<int>(window.reportCommands().findChildren<QProcess*>().size());
}

IndividualReportWindow* openReport(WindowHarness& h, const ClassRecord& cls) {
    h.open(h.write(QStringLiteral("mail.grs"), cls));
    h.window->actions().individualReport->trigger();
    return h.window->findChild<IndividualReportWindow*>();
}

}  // namespace

class MailTest : public QObject {
    Q_OBJECT
private slots:
    void mainWindowMailsTheSelectedStudentAndSaysWhenTheMailProgramFails() {
        MailEnvironment env;
        WindowHarness h;
        ClassRecord cls = smallClass();
        cls.students[0].student_email.clear();
        cls.students[1].student_email = " bob&co@x.org?bcc=all@school.example ";
        h.open(h.write(QStringLiteral("c.grs"), cls));
        SheetView* view = h.window->gradesPage()->view();
        view->selectRange(CellRange::cell(3, 1));
        h.window->actions().sendMail->trigger();

        // The whole address, as one argument: nothing in it can add a recipient.
        QTRY_COMPARE_WITH_TIMEOUT(env.recordedArguments(),
                                  QStringList{"mailto:bob%26co@x.org%3Fbcc%3Dall@school.example?subject=Grades&body="},
                                  kWaitLimitMs);
        QTRY_COMPARE_WITH_TIMEOUT(mailProgramsOf(*h.window), 0, kWaitLimitMs);

        // The heading, the Total row, a points cell: which student?
        for (const CellRange& range : {CellRange::cell(1, 1), CellRange::cell(6, 1), CellRange::cell(2, 2)}) {
            view->selectRange(range);
            h.window->reportCommands().sendMail();
        }
        QCOMPARE(h.dialogs.texts(Kind::Inform),
                 QStringList(3, QStringLiteral("Please highlight student you wish to e-mail information about.")));
        QCOMPARE(mailProgramsOf(*h.window), 0);
        QCOMPARE(h.dialogs.count(Kind::Warn), 0);

        // A failing mail program, as with none set up: a busy pointer while it starts, then a warning.
        QFile::remove(env.argvFile());
        env.installXdgEmail(3, QStringLiteral("0.3"));
        view->selectRange(CellRange::cell(2, 1));
        h.window->reportCommands().sendMail();
        QVERIFY(QGuiApplication::overrideCursor());
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::BusyCursor);
        QTRY_COMPARE_WITH_TIMEOUT(h.dialogs.count(Kind::Warn), 1, kWaitLimitMs);
        QVERIFY(!QGuiApplication::overrideCursor());
        QCOMPARE(env.recordedArguments(), QStringList{"mailto:?subject=Grades&body="});
        const QString failed = h.dialogs.texts(Kind::Warn).front();
        QVERIFY2(failed.contains(QStringLiteral("could not prepare the message")), qPrintable(failed));
        QVERIFY2(!failed.contains(QStringLiteral("attach")), qPrintable(failed));  // there is no file to attach
    }

    void reportIsAttachedWithTheExactArguments() {
        MailEnvironment env;
        WindowHarness h;
        ClassRecord cls = smallClass();
        cls.students[1].student_email = "b o@x.org#1";
        IndividualReportWindow* report = openReport(h, cls);
        QVERIFY(report);
        report->studentList()->setCurrentIndex(1);
        report->pages()->setCurrentIndex(1);  // E-mail sends the Overall table whatever is shown
        report->findChild<QPushButton*>(QStringLiteral("emailButton"))->click();
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(env.argvFile()), kWaitLimitMs);
        QTRY_COMPARE_WITH_TIMEOUT(env.recordedArguments().size(), 7, kWaitLimitMs);
        const QStringList args = env.recordedArguments();
        const QString& attachment = args.at(5);
        QCOMPARE(args, (QStringList{"--subject", "Grade Statistics", "--body", "Current grades: \r\n\r\n", "--attach",
                                    attachment, "mailto:b%20o@x.org%231"}));
        QCOMPARE(QFileInfo(attachment).fileName(), QStringLiteral("Bob Stone.xls"));
        QVERIFY(attachment.startsWith(env.cacheFolder() + QStringLiteral("/")));
        QVERIFY(QFileInfo(attachment).size() > 0);

        // The Overall table and the explanation, each on a sheet of its own.
        if (const std::optional<QStringList> sheets = worksheetNamesIn(attachment)) {
            QCOMPARE(*sheets, (QStringList{"Overall", "Why"}));
        } else {
            qWarning("The spreadsheet reader cannot run here: the attachment's sheets are not read back.");
        }
        QTRY_COMPARE_WITH_TIMEOUT(mailProgramsOf(*h.window), 0, kWaitLimitMs);  // ended well: no warning
        QCOMPARE(h.dialogs.count(Kind::Warn), 0);

        // Without an address the message has no recipient.
        QFile::remove(env.argvFile());
        cls.students[0].student_email.clear();
        WindowHarness again;
        IndividualReportWindow* second = openReport(again, cls);
        second->emailReport();
        QTRY_COMPARE_WITH_TIMEOUT(env.recordedArguments().size(), 6, kWaitLimitMs);
        QCOMPARE(env.recordedArguments().at(4), QStringLiteral("--attach"));
        QCOMPARE(QFileInfo(env.recordedArguments().at(5)).fileName(), QStringLiteral("Ann Lee.xls"));
    }

    void attachmentsStayInTheirFolderWhateverTheName() {
        MailEnvironment env;
        WindowHarness h;
        ClassRecord cls = smallClass();
        cls.students[0].name = "../../x";
        cls.students[1].name = "a/b";
        cls.students[2].name = "..";
        cls.students.push_back(StudentInfo{});  // no name at all
        cls.comments.push_back(CommentInfo{});
        IndividualReportWindow* report = openReport(h, cls);
        QVERIFY(report);
        QStringList attachments;
        for (int i = 0; i < report->studentList()->count(); ++i) {
            QFile::remove(env.argvFile());
            report->studentList()->setCurrentIndex(i);
            report->emailReport();
            QTRY_VERIFY_WITH_TIMEOUT(env.recordedArguments().size() >= 6,
                                     kWaitLimitMs);  // the nameless student has no address either
            attachments << env.recordedArguments().at(5);
        }
        const QString folder = env.cacheFolder() + QStringLiteral("/Larkhaven/Grades/mail");
        for (const QString& attachment : attachments) {
            const QFileInfo file(attachment);
            QVERIFY2(file.isFile(), qPrintable(attachment));
            QCOMPARE(QFileInfo(file.absolutePath()).absolutePath(), folder);
        }
        QCOMPARE(QFileInfo(attachments.at(0)).fileName(), QStringLiteral("______x.xls"));
        QCOMPARE(QFileInfo(attachments.at(3)).fileName(), QStringLiteral("student.xls"));

        // One folder each: nothing written over, nothing outside.
        QCOMPARE(QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), attachments.size());
        QCOMPARE(QDir(env.cacheFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"Larkhaven"});
    }

    void aFailingOrMissingXdgEmailOrAFailedWriteIsReported() {
        MailEnvironment env(3, QStringLiteral("0.3"));
        WindowHarness h;
        IndividualReportWindow* report = openReport(h, smallClass());
        QVERIFY(report);
        report->emailReport();
        QTRY_COMPARE_WITH_TIMEOUT(h.dialogs.count(Kind::Warn), 1, kWaitLimitMs);
        const QString failed = h.dialogs.texts(Kind::Warn).front();
        QVERIFY2(failed.contains(QStringLiteral("code 3")), qPrintable(failed));
        QVERIFY2(failed.contains(QStringLiteral("/Ann Lee.xls")), qPrintable(failed));
        env.removeXdgEmail();
        report->close();  // the launcher reports after the window is gone too
        report = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT(!h.window->findChild<IndividualReportWindow*>(), kWaitLimitMs);
        h.window->actions().individualReport->trigger();
        h.window->findChild<IndividualReportWindow*>()->emailReport();
        QTRY_COMPARE_WITH_TIMEOUT(h.dialogs.count(Kind::Warn), 2, kWaitLimitMs);
        QVERIFY(!QGuiApplication::overrideCursor());  // the pointer as it was
        const QString missing = h.dialogs.texts(Kind::Warn).at(1);
        QVERIFY2(missing.contains(QStringLiteral("xdg-utils")), qPrintable(missing));
        QVERIFY2(missing.contains(QStringLiteral("/Ann Lee.xls")), qPrintable(missing));

        // A report that cannot be written starts no mail.
        env.installXdgEmail(0);
        QVERIFY(!writeFile(env.cacheFolder() + QStringLiteral("/file"), {}).isEmpty());
        env.blockCache();
        h.window->findChild<IndividualReportWindow*>()->emailReport();
        QCOMPARE(h.dialogs.count(Kind::Warn), 3);
        QVERIFY(h.dialogs.texts(Kind::Warn).at(2).contains(QStringLiteral("no message was started")));
        QCOMPARE(mailProgramsOf(*h.window), 0);
    }

    void aMailProgramOutlivesItsLauncherAndIsFreedWhenItEnds() {
        MailEnvironment env;
        const QString messageSent = env.cacheFolder() + QStringLiteral("/sent");
        env.installXdgEmail(0, QStringLiteral("0"), messageSent);
        auto* launcher = new XdgEmailLauncher;
        launcher->compose(MailDraft{{}, QStringLiteral("Grades"), QString(), QStringLiteral("/tmp/a.xls")});
        const QPointer<QProcess> process = launcher->findChild<QProcess*>();
        QVERIFY(process);
        QTRY_COMPARE_WITH_TIMEOUT(process->state(), QProcess::Running, kWaitLimitMs);

        // Markwell closes while the teacher is still writing: the message stays open.
        delete launcher;
        QVERIFY(process);
        QCOMPARE(process->state(), QProcess::Running);
        QVERIFY(!writeFile(messageSent, {}).isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(env.recordedArguments().size(), 4, kWaitLimitMs);  // --subject Grades --attach FILE
        QTRY_VERIFY_WITH_TIMEOUT(process.isNull(), kWaitLimitMs);
    }
};

MARKWELL_GUI_TEST_MAIN(MailTest)
#include "MailTest.moc"
