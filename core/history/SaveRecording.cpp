// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/history/SaveRecording.h"

#include "core/history/ClassOnDisk.h"
#include "core/history/FilesStamp.h"

#include <QFileInfo>

namespace markwell {

SaveRecording::SaveRecording(GradeHistory& history, QString target, QString source, SaveOrigin origin)
    : history_(history), target_(std::move(target)), source_(std::move(source)), origin_(std::move(origin)) {}

SaveRecording::~SaveRecording() {
    if (entry_) warnIf(history_.abandonSave(*entry_));
}

void SaveRecording::warnIf(const Result<void>& done) {
    if (const QString notice = history_.takeNotice(); !notice.isEmpty()) warnings_ << notice;
    if (!done) warnings_ << done.message();
}

void SaveRecording::begin(const ClassState& state) {
    // The class whose history the entry continues is brought up to date first.
    const QString looked = source_.isEmpty() ? target_ : source_;
    if (QFileInfo::exists(looked)) {
        warnIf(
            history_.noteClassOnDisk(looked, classFilesStamp(looked), [&looked] { return classStateOnDisk(looked); }));
    }
    Result<qint64> begun =
        history_.beginSave({target_, source_, origin_.source, origin_.detail, origin_.steps, origin_.renames, state});
    if (begun) entry_ = *begun;
    warnIf(begun ? Result<void>() : Result<void>(begun.error()));
}

void SaveRecording::written() {
    if (!entry_) return;
    warnIf(history_.finishSave(*entry_, classFilesStamp(target_)));
    entry_.reset();
}

}  // namespace markwell
