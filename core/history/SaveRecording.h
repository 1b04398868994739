// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/history/ClassState.h"
#include "core/history/GradeHistory.h"
#include "core/history/SaveOrigin.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace markwell {

// The history's part in one save of a class, around the writing of its
// files, while the writer holds the class's change lock. begin() looks at
// the class on disk first (a change another program made is recorded as
// changed outside Markwell) and adds the save's entry, under way; written()
// keeps it once the files are in place; a recording that ends before that
// drops it. The history never stops a save: what goes wrong with it is
// gathered in warnings() for the caller to pass on.
class SaveRecording {
public:
    // `source` is the class the content comes from when it is another than
    // `target` (Save As, an output, a restored version): its history goes
    // to the target.
    SaveRecording(GradeHistory& history, QString target, QString source, SaveOrigin origin);
    ~SaveRecording();
    SaveRecording(const SaveRecording&) = delete;
    SaveRecording& operator=(const SaveRecording&) = delete;

    // `state` is the class as it will be written.
    void begin(const ClassState& state);
    void written();

    const QStringList& warnings() const { return warnings_; }

private:
    void warnIf(const Result<void>& done);

    GradeHistory& history_;
    QString target_;
    QString source_;
    SaveOrigin origin_;
    std::optional<qint64> entry_;
    QStringList warnings_;
};

}  // namespace markwell
