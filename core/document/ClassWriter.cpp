// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/document/ClassWriter.h"

#include "core/data/ClassRecord.h"
#include "core/document/ClassLock.h"
#include "core/document/DocumentFiles.h"
#include "core/document/EarlierVersions.h"
#include "core/files/AtomicFile.h"
#include "core/history/ClassOnDisk.h"
#include "core/history/SaveRecording.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace markwell {
namespace {

struct ClassWriter {
    Q_DECLARE_TR_FUNCTIONS(ClassWriter)
};

// A target that is another class than the one saved may not share a file
// with it or with any class the write was made from.
Result<void> checkTargetSparesInputs(const ClassWrite& request, const QString& target) {
    QStringList spared;
    if (!request.liveClass.isEmpty() && !isSameFile(target, request.liveClass)) {
        spared << classFilePathsFor(QFileInfo(request.liveClass).absoluteFilePath());
    }
    for (const QString& input : request.inputClasses) spared << classFilePathsFor(QFileInfo(input).absoluteFilePath());
    for (const QString& file : classFilePathsFor(target)) {
        for (const QString& input : spared) {
            if (isSameFile(file, input)) {
                return fail(unableToCreate(
                    file, ClassWriter::tr("it is the same file as %1, which it would destroy").arg(input)));
            }
        }
    }
    return {};
}

Result<void> takeLock(ClassLock& lock, const ClassWrite& request, const QString& target) {
    const Result<bool> taken = lock.take(request.lockWait);
    if (!taken) {
        return fail(cannotLockMessage(target, taken.message()));
    }
    if (!*taken) return fail(beingChangedMessage(target));
    return {};
}

// The files of the set in the order they go in: the grade file last, so that
// until it is there a new name holds no class.
std::vector<FileToWrite> filesOf(const ClassContent& content, const QString& target) {
    std::vector<FileToWrite> files;
    if (content.attendance) files.push_back({attendancePathFor(target), *content.attendance});
    if (content.seating) files.push_back({seatingPathFor(target), *content.seating});
    files.push_back({target, content.grade});
    return files;
}

// The class replaced, when it is wanted (for its earlier version or the
// observer); why it could not be read goes where the version would.
void readWhatIsReplaced(const ClassWrite& request, ClassWritten& written) {
    if ((request.keepVersions <= 0 && !request.observer) || !QFileInfo(written.target).isFile()) return;
    Result<ClassFileBytes> before = readClassFileBytes(written.target);
    if (before) {
        written.before = std::move(before).value();
    } else if (request.keepVersions > 0) {
        written.versionNotKept = before.message();
    }
}

ClassFileBytes contentAfter(const ClassContent& content, const std::optional<ClassFileBytes>& before) {
    const ClassFileBytes kept = before.value_or(ClassFileBytes{});
    return {content.grade, content.attendance.value_or(kept.attendance), content.seating.value_or(kept.seating)};
}

// The class as the files will hold it: a sibling left as it is was damaged,
// which reads as none.
std::optional<ClassState> stateAfter(const ClassContent& content, const QString& target) {
    return classStateOfFiles(target, content.grade, content.attendance.value_or(QByteArray()),
                             content.seating.value_or(QByteArray()));
}

}  // namespace

QString saveJournalPath(const QString& gradePath) {
    return besideClassPath(gradePath, QStringLiteral(".journal"));
}

Result<ClassWritten> writeClass(const ClassWrite& request) {
    const QString target = QFileInfo(request.target).absoluteFilePath();
    if (Result<void> spared = checkTargetSparesInputs(request, target); !spared) return spared.error();
    ClassLock lock(target, ClassLock::Kind::Change);
    if (Result<void> locked = takeLock(lock, request, target); !locked) return locked.error();

    ClassWritten written{target, request.source, request.origin, std::nullopt, {}, {}, {}};
    const Result<std::optional<FinishedSave>> finished = finishInterruptedSave(target, std::chrono::milliseconds(0));
    if (!finished) return finished.error();
    if (*finished) written.notes << (*finished)->message;

    readWhatIsReplaced(request, written);
    if (request.keepVersions > 0 && written.before) {
        if (Result<void> kept = keepEarlierVersion(target, *written.before, request.keepVersions); !kept) {
            written.versionNotKept = kept.message();
        }
    }
    const auto lockStillOurs = [&lock, &target]() -> Result<void> {
        if (lock.stillHeld()) return {};
        return fail(beingChangedMessage(target));
    };
    // The history never stops a save; a write that fails drops its entry.
    GradeHistory history;
    SaveRecording recording(history, target, request.historyOf, request.recordAs);
    if (const std::optional<ClassState> state = stateAfter(request.content, target)) recording.begin(*state);
    const Result<void> committed = replaceFilesUnderJournal(filesOf(request.content, target), saveJournalPath(target),
                                                            request.origin, lockStillOurs);
    if (!committed) return committed.error();
    recording.written();
    written.notes << recording.warnings();
    written.after = contentAfter(request.content, written.before);
    if (request.observer) request.observer(written);
    return written;
}

Result<std::optional<FinishedSave>> finishInterruptedSave(const QString& gradePath, std::chrono::milliseconds wait) {
    const QString journal = saveJournalPath(gradePath);
    if (!QFileInfo::exists(journal)) return std::optional<FinishedSave>();
    ClassLock lock(gradePath, ClassLock::Kind::Change);
    const Result<bool> taken = lock.take(wait);
    if (!taken || !*taken) {
        const QString why = taken ? ClassWriter::tr("another program is saving it") : taken.message();
        return fail(ClassWriter::tr("%1 cannot be read now: a save of it is not finished (%2). Try again in a moment.")
                        .arg(gradePath, why));
    }
    const Result<std::optional<FinishedJournal>> journaled = finishJournal(journal);
    if (!journaled) return journaled.error();
    if (!*journaled) return std::optional<FinishedSave>();  // its own program finished it meanwhile
    const FinishedJournal& done = **journaled;
    const QString message =
        done.rolledForward
            ? ClassWriter::tr("A save of %1 was interrupted after all its files were written; it is now complete.")
                  .arg(gradePath)
            : ClassWriter::tr("A save of %1 was interrupted; the class is as it was before that save.").arg(gradePath);
    return std::optional<FinishedSave>(FinishedSave{done, message});
}

Result<QString> finishInterruptedSaveNote(const QString& gradePath) {
    const Result<std::optional<FinishedSave>> finished = finishInterruptedSave(gradePath);
    if (!finished) return finished.error();
    return *finished ? (*finished)->message : QString();
}

}  // namespace markwell
