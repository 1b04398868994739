// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/reports/ClassOverview.h"
#include "core/scales/ScaleSnapshot.h"

#include <QObject>
#include <QStringList>

#include <atomic>
#include <memory>
#include <vector>

class QThread;

namespace markwell {

// Reads and sums up a teacher's classes on a thread of its own, so that the
// window answers (its Cancel above all) while a folder of many classes is
// read. The reading is the core's; progress and the result arrive as signals
// on the thread that made the reader.
class ClassOverviewReader : public QObject {
    Q_OBJECT
public:
    explicit ClassOverviewReader(QObject* parent = nullptr);
    // Stops a reading still going and waits for it: no signal comes after.
    ~ClassOverviewReader() override;

    // Reads `paths` with the scales as they are now; a reading still going
    // is stopped first and its result never arrives.
    void start(const QStringList& paths, const ScaleSnapshot& scales);
    // Stops after the class being read; `finished` then says so.
    void cancel();
    bool isReading() const { return reading_; }

signals:
    // Before each class: `done` of `count` read so far.
    void progressed(int done, int count);
    // The classes read, in order; fewer than asked when cancelled.
    void finished(const std::vector<markwell::ClassSummary>& classes, bool cancelled);

private:
    void stopAndWait();

    std::unique_ptr<QThread> thread_;
    std::shared_ptr<std::atomic<bool>> cancelled_;
    bool reading_ = false;
};

}  // namespace markwell
