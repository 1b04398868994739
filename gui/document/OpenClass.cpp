// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/document/OpenClass.h"

#include "core/document/ClassLock.h"
#include "gui/document/ClassHistory.h"
#include "gui/document/RecoveryKeeper.h"

#include <utility>

namespace markwell {

OpenClass::OpenClass(QObject* parent)
    : QObject(parent), history_(std::make_unique<ClassHistory>(document_)),
      recovery_(std::make_unique<RecoveryKeeper>(document_)) {
    connect(history_.get(), &ClassHistory::changed, this, &OpenClass::changed);
    connect(history_.get(), &ClassHistory::documentChanged, recovery_.get(), &RecoveryKeeper::noteChange);
    // Undone back to the class as saved: there is nothing left to recover.
    connect(history_.get(), &ClassHistory::modifiedChanged, recovery_.get(), [this](bool modified) {
        if (!modified) recovery_->discardCopy();
    });
}

OpenClass::~OpenClass() = default;

void OpenClass::workOutGrades() {
    grades_ = buildGradesTable(document_.classRecord);
}

std::optional<RowUpdate> OpenClass::workOutGradesRow(int row) {
    std::optional<RowUpdate> update = updateStudentRow(grades_, document_.classRecord, row);
    if (!update) workOutGrades();
    return update;
}

std::unique_ptr<SeatingEditor> OpenClass::seatingEditor(SeatingEditor::Door door) {
    return std::make_unique<SeatingEditor>(document_, std::move(door));
}

Result<void> OpenClass::apply(const Change& change, const ChangeScope& scope) {
    return history_->apply(change, scope);
}

void OpenClass::replace(Document next) {
    document_ = std::move(next);
    history_->startOver(document_.modified);
    stampFiles();
    recovery_->followDocument();
}

Result<ClassWritten> OpenClass::save(const QString& path, const SaveOptions& options) {
    Result<ClassWritten> written = saveClass(document_, path, options);
    if (!written) return written;
    stampFiles();
    history_->markSaved();
    recovery_->discardCopy();
    return written;
}

void OpenClass::stampFiles() {
    diskStamps_ = stampClassFiles(document_);
    reportedStamps_ = diskStamps_;
}

bool OpenClass::filesChangedOnDisk() const {
    return document_.isTitled() && stampClassFiles(document_) != diskStamps_;
}

bool OpenClass::takeNewChangeOnDisk() {
    if (!document_.isTitled()) return false;
    const ClassFileStamps now = stampClassFiles(document_);
    if (now == diskStamps_ || now == reportedStamps_) return false;
    reportedStamps_ = now;
    return true;
}

void OpenClass::holdOpenLock(std::unique_ptr<ClassLock> lock) {
    openLock_ = std::move(lock);
}

}  // namespace markwell
