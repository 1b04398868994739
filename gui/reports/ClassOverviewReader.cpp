// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/reports/ClassOverviewReader.h"

#include <QThread>

namespace markwell {

ClassOverviewReader::ClassOverviewReader(QObject* parent) : QObject(parent) {}

ClassOverviewReader::~ClassOverviewReader() {
    stopAndWait();
}

void ClassOverviewReader::stopAndWait() {
    if (!thread_) return;
    cancelled_->store(true);
    thread_->wait();
    thread_.reset();
    reading_ = false;
}

void ClassOverviewReader::start(const QStringList& paths, const ScaleSnapshot& scales) {
    stopAndWait();
    // Each reading has its own flag: one stopped for a newer one stays stopped.
    auto cancelled = std::make_shared<std::atomic<bool>>(false);
    cancelled_ = cancelled;
    reading_ = true;
    thread_.reset(QThread::create([this, paths, scales, cancelled] {
        const auto carryOn = [this, &cancelled](int done, int count) {
            if (cancelled->load()) return false;
            // Progress of a reading stopped for a newer one must not show over it.
            QMetaObject::invokeMethod(
                this,
                [this, done, count, cancelled] {
                    if (cancelled_ == cancelled) emit progressed(done, count);
                },
                Qt::QueuedConnection);
            return true;
        };
        std::vector<ClassSummary> classes = summariseClassFiles(paths, scales, carryOn);
        const bool stopped = cancelled->load();
        // Back on the reader's thread, where Qt drops it if the reader is gone
        // first; a newer reading drops it too.
        QMetaObject::invokeMethod(
            this,
            [this, classes = std::move(classes), stopped, cancelled]() {
                if (cancelled_ != cancelled) return;
                reading_ = false;
                emit finished(classes, stopped);
            },
            Qt::QueuedConnection);
    }));
    thread_->start();
}

void ClassOverviewReader::cancel() {
    if (cancelled_) cancelled_->store(true);
}

}  // namespace markwell
