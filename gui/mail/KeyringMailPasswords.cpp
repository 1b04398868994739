// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/mail/KeyringMailPasswords.h"

#include <QEventLoop>
#include <QTimer>

#include <qt6keychain/keychain.h>

namespace markwell {
namespace {

// The name the keyring shows the entries under.
const QString kService = QStringLiteral("Computerized Markwell mail server");

struct Answer {
    bool answered = false;
    QKeychain::Error error = QKeychain::NoError;
    QString errorText;
    QString text;  // what a read found
};

// Starts the job and waits for its answer. The job belongs to the
// application, so that one the keyring never answers goes with it.
Answer runJob(QKeychain::Job* job) {
    job->setAutoDelete(true);
    job->setInsecureFallback(false);  // never a plain file in its place
    Answer answer;
    QEventLoop loop;
    // Connected to the loop: an answer after the wait ended reaches nothing.
    QObject::connect(job, &QKeychain::Job::finished, &loop, [&answer, &loop](QKeychain::Job* done) {
        answer = {true, done->error(), done->errorString(), {}};
        if (auto* read = qobject_cast<QKeychain::ReadPasswordJob*>(done)) answer.text = read->textData();
        loop.quit();
    });
    QTimer::singleShot(KeyringMailPasswords::kLongestWaitMs, &loop, &QEventLoop::quit);
    job->start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    return answer;
}

bool keyringAnswered(const Answer& answer) {
    return answer.answered && answer.error != QKeychain::NoBackendAvailable &&
           answer.error != QKeychain::NotImplemented && answer.error != QKeychain::OtherError &&
           answer.error != QKeychain::AccessDenied && answer.error != QKeychain::AccessDeniedByUser;
}

}  // namespace

QString mailPasswordAccount(const QString& user, const QString& host, int port) {
    return QStringLiteral("%1@%2:%3").arg(user, host).arg(port);
}

MailPasswords::Lookup KeyringMailPasswords::read(const QString& account) {
    auto* job = new QKeychain::ReadPasswordJob(kService, QCoreApplication::instance());
    job->setKey(account);
    Lookup lookup;
    const Answer answer = runJob(job);
    if (!keyringAnswered(answer)) {
        lookup.problem = answer.answered ? answer.errorText : tr("The keyring did not answer.");
        return lookup;
    }
    lookup.status = answer.error == QKeychain::NoError ? Status::Found : Status::NotFound;
    lookup.password = answer.text;
    return lookup;
}

Result<void> KeyringMailPasswords::store(const QString& account, const QString& password) {
    auto* job = new QKeychain::WritePasswordJob(kService, QCoreApplication::instance());
    job->setKey(account);
    job->setTextData(password);
    const Answer answer = runJob(job);
    if (answer.answered && answer.error == QKeychain::NoError) return {};
    return fail(tr("The password could not be kept in the keyring: %1")
                    .arg(answer.answered ? answer.errorText : tr("the keyring did not answer.")));
}

Result<void> KeyringMailPasswords::forget(const QString& account) {
    auto* job = new QKeychain::DeletePasswordJob(kService, QCoreApplication::instance());
    job->setKey(account);
    const Answer answer = runJob(job);
    if (answer.answered && (answer.error == QKeychain::NoError || answer.error == QKeychain::EntryNotFound)) return {};
    return fail(tr("The password could not be removed from the keyring: %1")
                    .arg(answer.answered ? answer.errorText : tr("the keyring did not answer.")));
}

}  // namespace markwell
