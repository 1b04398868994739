// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/mail/ServerSending.h"

#include "gui/shared/UserDialogs.h"
#include "render/paging/PrintProgress.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMutex>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <memory>

namespace markwell {
namespace {

struct ServerSendingText {
    Q_DECLARE_TR_FUNCTIONS(ServerSending)
};

// How often the window asks the progress whether Cancel was pressed.
constexpr int kProgressPollMs = 100;

// The sending thread's side: writes the log and answers Cancel.
class ThreadWatcher : public SendWatcher {
public:
    explicit ThreadWatcher(const SendLog& log) : log_(log) {}

    std::atomic<int> family{0};
    std::atomic<int> families{0};
    std::atomic<bool> cancel{false};

    void familyStarting(int index, int count, const QString&) override {
        family = index;
        families = count;
    }
    void attempted(const SendLogEntry& entry) override {
        if (const Result<void> logged = log_.append({entry}); !logged) {
            const QMutexLocker lock(&mutex_);
            if (logProblem_.isEmpty()) logProblem_ = logged.message();
        }
    }
    void waitingToRetry(int) override {}
    bool cancelRequested() override { return cancel; }

    QString logProblem() {
        const QMutexLocker lock(&mutex_);
        return logProblem_;
    }

private:
    const SendLog& log_;
    QMutex mutex_;
    QString logProblem_;
};

}  // namespace

Result<QByteArray> makeOnThreadOf(QObject* context, const std::function<Result<QByteArray>()>& make) {
    if (QThread::currentThread() == context->thread()) return make();
    std::optional<Result<QByteArray>> made;
    QMetaObject::invokeMethod(
        context, [&made, &make] { made = make(); }, Qt::BlockingQueuedConnection);
    if (!made) return fail(ServerSendingText::tr("The report could not be made."));
    return std::move(*made);
}

ServerSendOutcome sendThroughServer(QWidget* parent, UserDialogs& dialogs, ServerSendRequest request) {
    ThreadWatcher watcher(request.log);
    ServerSendOutcome outcome;
    const int count = static_cast<int>(request.families.size());
    std::unique_ptr<QThread> thread(QThread::create([&request, &watcher, &outcome] {
        SmtpSession session(request.endpoint);
        outcome.run = sendFamilyMail(session, request.senderAddress, request.families, request.timings, watcher);
    }));
    std::unique_ptr<PrintProgress> progress =
        dialogs.showProgress(parent, ServerSendingText::tr("Sending message %1 of %2..."));
    // The window goes on answering meanwhile, the report drawing the
    // sending thread asks of it and the Cancel button above all.
    QEventLoop loop;
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (!progress->pageStarting(std::min(watcher.family + 1, count), count)) watcher.cancel = true;
    });
    poll.start(kProgressPollMs);
    thread->start();
    loop.exec();
    thread->wait();
    progress.reset();
    outcome.logProblem = watcher.logProblem();
    return outcome;
}

}  // namespace markwell
