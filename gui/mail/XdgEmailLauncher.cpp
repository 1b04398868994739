// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/mail/XdgEmailLauncher.h"

#include <QCursor>
#include <QDir>
#include <QGuiApplication>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

namespace markwell {
namespace {

const QString kProgram = QStringLiteral("xdg-email");

// What a failure message ends with: where the report file is, when the
// message was to carry one, so that the teacher can attach it by hand.
QString attachByHand(const QString& attachment) {
    if (attachment.isEmpty()) return {};
    return QLatin1Char('\n') +
           XdgEmailLauncher::tr("The grades are in %1: please attach that file to a message by hand.")
               .arg(QDir::toNativeSeparators(attachment));
}

// Starting the mail program, or finding that it cannot start, takes a few
// seconds: the busy pointer shows meanwhile that something is under way. It
// goes when xdg-email ends or fails, and after kLongestBusy at the latest,
// since xdg-email may go on as the mail program itself.
constexpr int kLongestBusy = 10000;

class BusyPointer : public QObject {
public:
    explicit BusyPointer(QObject* parent) : QObject(parent) {
        QGuiApplication::setOverrideCursor(Qt::BusyCursor);
        QTimer::singleShot(kLongestBusy, this, &QObject::deleteLater);
    }
    ~BusyPointer() override { QGuiApplication::restoreOverrideCursor(); }
};

// Holds the mail programs that were still running when their launcher went,
// until each ends and is freed. Never deleted, since deleting a running
// QProcess kills it: one still running when Markwell ends is left running.
QObject& outlivingMailPrograms() {
    static QObject* const keeper = new QObject;
    return *keeper;
}

}  // namespace

XdgEmailLauncher::XdgEmailLauncher(QObject* parent) : MailLauncher(parent) {}

XdgEmailLauncher::~XdgEmailLauncher() {
    // xdg-email may be the mail program itself by now, with the message the
    // teacher is writing: it is handed on rather than deleted with us.
    for (QProcess* process : findChildren<QProcess*>(Qt::FindDirectChildrenOnly)) {
        if (process->state() == QProcess::NotRunning) continue;
        process->disconnect();
        process->setParent(&outlivingMailPrograms());
        connect(process, &QProcess::finished, process, &QObject::deleteLater);
    }
}

QStringList XdgEmailLauncher::arguments(const MailDraft& draft) {
    QStringList args;
    if (!draft.subject.isEmpty()) args << QStringLiteral("--subject") << draft.subject;
    if (!draft.body.isEmpty()) args << QStringLiteral("--body") << draft.body;
    if (!draft.attachment.isEmpty()) args << QStringLiteral("--attach") << draft.attachment;
    if (!draft.recipient.isEmpty()) args << QString::fromLatin1(draft.recipient);
    return args;
}

void XdgEmailLauncher::compose(const MailDraft& draft) {
    const QString program = QStandardPaths::findExecutable(kProgram);
    if (program.isEmpty()) {
        emit failed(tr("No mail program could be started: \"%1\" (from the package xdg-utils) is not installed.")
                        .arg(kProgram) +
                    attachByHand(draft.attachment));
        return;
    }
    auto* process = new QProcess(this);
    // The launcher's, not the process's: a mail program left running when
    // the launcher goes takes no busy pointer with it.
    QPointer<BusyPointer> busy = new BusyPointer(this);
    process->setProgram(program);
    process->setArguments(arguments(draft));
    // No pipes: a mail program that outlives Markwell must not lose its
    // output or input with it. What xdg-email says goes to our own stderr.
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const QString attachment = draft.attachment;
    connect(process, &QProcess::errorOccurred, this, [this, process, attachment, busy](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart) return;  // a crash also ends in finished()
        delete busy.data();
        emit failed(tr("The mail program could not be started: %1").arg(process->errorString()) +
                    attachByHand(attachment));
        process->deleteLater();
    });
    connect(process, &QProcess::finished, this,
            [this, process, attachment, busy](int exitCode, QProcess::ExitStatus status) {
                delete busy.data();
                if (status != QProcess::NormalExit || exitCode != 0) {
                    const QString message =
                        status == QProcess::NormalExit
                            ? tr("The mail program could not prepare the message (%1 ended with code %2).")
                                  .arg(kProgram, QString::number(exitCode))
                            : tr("The mail program stopped before the message was ready.");
                    emit failed(message + attachByHand(attachment));
                }
                process->deleteLater();
            });
    process->start();
}

}  // namespace markwell
