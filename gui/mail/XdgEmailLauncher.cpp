#include "mail/XdgEmailLauncher.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

namespace markwell {
namespace {

const QString kProgram = QStringLiteral("xdg-email");

QString attachByHand(const QString& attachment) {
    return XdgEmailLauncher::tr("The grades are in %1: please attach that file to a message by hand.")
        .arg(QDir::toNativeSeparators(attachment));
}

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
    QStringList args{QStringLiteral("--subject"), draft.subject, QStringLiteral("--body"), draft.body,
                     QStringLiteral("--attach"), draft.attachment};
    if (!draft.recipient.isEmpty()) args << QString::fromLatin1(draft.recipient);
    return args;
}

void XdgEmailLauncher::compose(const MailDraft& draft) {
    const QString program = QStandardPaths::findExecutable(kProgram);
    if (program.isEmpty()) {
        emit failed(tr("No mail program could be started: \"%1\" (from the package xdg-utils) is not installed.")
                        .arg(kProgram) +
                    QLatin1Char('\n') + attachByHand(draft.attachment));
        return;
    }
    auto* process = new QProcess(this);
    process->setProgram(program);
    process->setArguments(arguments(draft));
    // No pipes: a mail program that outlives Markwell must not lose its
    // output or input with it. What xdg-email says goes to our own stderr.
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const QString attachment = draft.attachment;
    connect(process, &QProcess::errorOccurred, this, [this, process, attachment](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart) return;  // a crash also ends in finished()
        emit failed(tr("The mail program could not be started: %1").arg(process->errorString()) + QLatin1Char('\n') +
                    attachByHand(attachment));
        process->deleteLater();
    });
    connect(process, &QProcess::finished, this,
            [this, process, attachment](int exitCode, QProcess::ExitStatus status) {
                if (status != QProcess::NormalExit || exitCode != 0) {
                    const QString message = status == QProcess::NormalExit
                                          ? tr("The mail program could not prepare the message (%1 ended with code %2).")
                                                .arg(kProgram)
                                                .arg(exitCode)
                                          : tr("The mail program stopped before the message was ready.");
                    emit failed(message + QLatin1Char('\n') + attachByHand(attachment));
                }
                process->deleteLater();
            });
    process->start();
}

}  // namespace markwell
