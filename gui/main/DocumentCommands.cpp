// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/main/DocumentCommands.h"

#include "core/data/Tables.h"
#include "core/document/ClassLock.h"
#include "core/document/ClassOnDisk.h"
#include "core/document/DocumentFiles.h"
#include "core/document/EarlierVersions.h"
#include "core/export/SheetFile.h"
#include "core/files/FileTypes.h"
#include "core/history/GradeHistory.h"
#include "core/scales/ScaleStore.h"
#include "core/settings/KeptVersions.h"
#include "gui/document/ClassHistory.h"
#include "gui/document/OpenClass.h"
#include "gui/main/CommandContext.h"
#include "gui/shared/FileFilters.h"
#include "gui/shared/UserDialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace markwell {
namespace {

QString nativePath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// How long a save waits for a script that is changing the same class.
constexpr std::chrono::milliseconds kChangeLockWait{3000};

}  // namespace

DocumentCommands::DocumentCommands(const CommandContext& context) : context_(context) {}

DocumentCommands::~DocumentCommands() = default;

void DocumentCommands::takeRecoveredClass(Document recovered) {
    replaceDocument(std::move(recovered));
}

const Document& DocumentCommands::document() const {
    return context_.open.document();
}

void DocumentCommands::replaceDocument(Document next) {
    const QString oldName = document().markwellFile;
    context_.open.replace(std::move(next));
    restored_.reset();
    emit documentReplaced();
    if (document().markwellFile != oldName) emit fileNameChanged(document().markwellFile);
}

void DocumentCommands::resetToNewClass() {
    const CurrentGradeScale scale =
        context_.stores.scales.scaleNamed(QString::fromLatin1(kDefaultScaleName)).value_or(CurrentGradeScale{});
    Document fresh;
    fresh.classRecord = newClassRecord(scale);
    replaceDocument(std::move(fresh));
    context_.open.holdOpenLock(nullptr);
}

QString DocumentCommands::saveQuestion() const {
    // With several classes open in several windows, the question says which.
    if (!document().isTitled()) return tr("Do you wish to save changes?");
    return tr("Do you wish to save changes to \"%1\"?").arg(QFileInfo(document().markwellFile).fileName());
}

bool DocumentCommands::maySetAside() {
    if (!document().modified) return true;
    switch (context_.dialogs.askYesNoCancel(context_.window, saveQuestion())) {
    case UserDialogs::Answer::Yes: return saveFor(Asker::SaveQuestion) == Outcome::Done;
    case UserDialogs::Answer::No: return true;
    case UserDialogs::Answer::Cancel: break;
    }
    return false;
}

DocumentCommands::Outcome DocumentCommands::newClass() {
    if (!maySetAside()) return Outcome::Cancelled;
    resetToNewClass();
    return Outcome::Done;
}

DocumentCommands::Outcome DocumentCommands::open() {
    // Classes are usually kept together: start where this one is.
    const QString folder = document().isTitled() ? QFileInfo(document().markwellFile).absolutePath() : QString();
    const QString path = context_.dialogs.openFile(context_.window, gradeFileRequest(tr("Open Markwell File"), folder));
    if (path.isEmpty()) return Outcome::Cancelled;
    return openFile(path, true);
}

bool DocumentCommands::mayOpen(const QString& path, std::unique_ptr<ClassLock>& lock) {
    const ClassLock* held = context_.open.openLock();
    if (held && isSameFile(held->classPath(), path)) return true;  // open here already
    auto candidate = std::make_unique<ClassLock>(path, ClassLock::Kind::Open);
    const Result<bool> taken = candidate->take();
    // A lock that cannot be made (the program's folder out of reach) guards
    // nothing, but must not keep the teacher from the class.
    if (!taken) return true;
    if (*taken) {
        lock = std::move(candidate);
        return true;
    }
    const QString warning =
        tr("\"%1\" is open in another Markwell window; changes saved there and here will overwrite each other.")
            .arg(QFileInfo(path).fileName());
    return context_.dialogs.askChoice(context_.window, warning, {tr("Open anyway"), tr("Cancel")}) == 0;
}

DocumentCommands::Outcome DocumentCommands::openFile(const QString& path, bool askFirst) {
    std::unique_ptr<ClassLock> lock;
    if (!mayOpen(path, lock)) return Outcome::Cancelled;
    if (askFirst && !maySetAside()) return Outcome::Cancelled;
    Result<Document> opened = openDocument(path, context_.stores.scales);
    if (!opened) {
        context_.dialogs.warn(context_.window, opened.message());
        return Outcome::Failed;
    }
    // Opened anyway beside another window, this one holds no lock.
    const ClassLock* held = context_.open.openLock();
    if (lock || !held || !isSameFile(held->classPath(), path)) context_.open.holdOpenLock(std::move(lock));
    replaceDocument(std::move(opened).value());
    // Once per opening, after the class is on screen.
    if (const QString warning = damagedFilesWarning(document()); !warning.isEmpty())
        context_.dialogs.warn(context_.window, warning);
    recordChangesOutside();
    return Outcome::Done;
}

GradeHistory& DocumentCommands::gradeHistory() {
    if (!gradeHistory_) gradeHistory_ = std::make_unique<GradeHistory>();
    if (const QString notice = gradeHistory_->takeNotice(); !notice.isEmpty())
        context_.dialogs.warn(context_.window, notice);
    return *gradeHistory_;
}

void DocumentCommands::recordChangesOutside() {
    if (!document().isTitled()) return;
    // The history never stands between the teacher and the class: a failure is a passing word.
    if (const Result<void> looked = lookAtClassOnDisk(gradeHistory(), document().markwellFile); !looked) {
        emit notice(looked.message());
    }
}

DocumentCommands::Outcome DocumentCommands::openEarlierVersion(const EarlierVersion& version) {
    if (!maySetAside()) return Outcome::Cancelled;
    Result<Document> opened = markwell::openEarlierVersion(version, context_.stores.scales);
    if (!opened) {
        context_.dialogs.warn(context_.window, opened.message());
        return Outcome::Failed;
    }
    context_.open.holdOpenLock(nullptr);
    const QString versionOf = document().markwellFile;
    replaceDocument(std::move(opened).value());
    restored_ = RestoredVersion{version.number, versionOf};
    if (const QString warning = damagedFilesWarning(document()); !warning.isEmpty())
        context_.dialogs.warn(context_.window, warning);
    return Outcome::Done;
}

DocumentCommands::Outcome DocumentCommands::save() {
    return saveFor(Asker::Menu);
}

DocumentCommands::Outcome DocumentCommands::saveAs() {
    return saveAsFor(Asker::Menu);
}

DocumentCommands::Outcome DocumentCommands::saveFor(Asker asker) {
    if (!document().isTitled()) return saveAsFor(asker);
    return saveTo(document().markwellFile, asker);
}

DocumentCommands::Outcome DocumentCommands::saveAsFor(Asker asker) {
    UserDialogs::FileRequest request;
    request.title = tr("Save Markwell As");
    request.filters = allFileFilters();
    request.defaultSuffix = QLatin1String(fileTypeInfo(FileType::Grades).suffix);
    if (document().isTitled()) {
        request.folder = QFileInfo(document().markwellFile).absolutePath();
        request.fileName = QFileInfo(document().markwellFile).fileName();
    }
    const std::optional<UserDialogs::SaveChoice> choice = context_.dialogs.saveFile(context_.window, request);
    if (!choice || choice->path.isEmpty()) return Outcome::Cancelled;
    const std::optional<FileType> type = fileTypeOf(choice->path);
    if (type && isSpreadsheet(*type)) return exportTable(choice->path, asker);
    return saveTo(choice->path, asker);
}

DocumentCommands::Outcome DocumentCommands::exportTable(const QString& path, Asker asker) {
    if (Result<void> written = writeSheetFile(context_.open.grades().sheet, path); !written) {
        context_.dialogs.warn(context_.window, written.message());
        return Outcome::Failed;
    }
    // An export is no save: reached from the save question, the class stays
    // open and unsaved, and the teacher is told so.
    emit notice(asker == Asker::SaveQuestion
                    ? tr("The grades table was written to %1; the class itself is not saved.").arg(nativePath(path))
                    : tr("The grades table was written to %1.").arg(nativePath(path)));
    return Outcome::Exported;
}

void DocumentCommands::lockSavedClass() {
    auto lock = std::make_unique<ClassLock>(document().markwellFile, ClassLock::Kind::Open);
    const Result<bool> taken = lock->take();
    context_.open.holdOpenLock(taken && *taken ? std::move(lock) : nullptr);
}

DocumentCommands::Outcome DocumentCommands::saveTo(const QString& path, Asker asker) {
    const bool inPlace = isSameFile(path, document().markwellFile);
    if (inPlace) {
        if (std::optional<Outcome> refused = refuseOverwritingOthersChanges(asker)) return *refused;
        if (!mayDropSkippedBytes()) return Outcome::Cancelled;
    }
    // A script changing this class right now finishes first: neither change
    // is then written over half of the other.
    ClassLock changing(path, ClassLock::Kind::Change);
    if (const Result<bool> taken = changing.take(kChangeLockWait); taken && !*taken) {
        context_.dialogs.warn(context_.window,
                              tr("%1 is being changed by another program; the class is not saved. Try again in a "
                                 "moment.")
                                  .arg(nativePath(path)));
        return Outcome::Failed;
    }
    SaveOptions options;
    options.keepVersions = keptVersionCount(context_.stores.settings);
    options.dropSkipped = inPlace;  // asked above
    options.origin = QStringLiteral("Save");
    options.recordAs = {HistorySource::Window,
                        {},
                        context_.open.history().stepsSinceSaved(),
                        context_.open.history().renamesSinceSaved()};
    if (restored_) {
        options.recordAs = {HistorySource::Restore, QString::number(restored_->number)};
        options.historyOf = restored_->classPath;
    }
    const QString oldName = document().markwellFile;
    Result<ClassWritten> written = context_.open.save(path, options);
    if (!written) {
        context_.dialogs.warn(context_.window, written.message());
        return Outcome::Failed;
    }
    QStringList notes = written->notes;
    if (!written->versionNotKept.isEmpty()) {
        notes.prepend(tr("No earlier version of %1 could be kept: %2").arg(nativePath(path), written->versionNotKept));
    }
    if (document().markwellFile != oldName) lockSavedClass();
    restored_.reset();
    if (document().markwellFile != oldName) emit fileNameChanged(document().markwellFile);
    emit saved();
    if (!notes.isEmpty()) emit notice(notes.join(QLatin1Char(' ')));
    return Outcome::Done;
}

bool DocumentCommands::mayDropSkippedBytes() {
    if (document().skippedBytes == 0) return true;
    enum { Save, DontSave };
    const QString question =
        document().skippedBytes == 1
            ? tr("\"%1\" held 1 byte after the end of the class, which was skipped when it was opened. Saving "
                 "writes the class without it; the earlier version keeps the file as it was. Save anyway?")
                  .arg(className())
            : tr("\"%1\" held %2 bytes after the end of the class, which were skipped when it was opened. Saving "
                 "writes the class without them; the earlier version keeps the file as it was. Save anyway?")
                  .arg(className())
                  .arg(document().skippedBytes);
    return context_.dialogs.askChoice(context_.window, question, {tr("&Save"), tr("&Don't Save")}) == Save;
}

QString DocumentCommands::className() const {
    return QFileInfo(document().markwellFile).fileName();
}

std::optional<DocumentCommands::Outcome> DocumentCommands::refuseOverwritingOthersChanges(Asker asker) {
    if (!context_.open.filesChangedOnDisk()) return std::nullopt;
    enum { Overwrite, SaveAs, Cancel };
    const QStringList buttons{tr("&Overwrite"), tr("Save &As\u2026"), tr("&Cancel")};
    const QString question =
        tr("\"%1\" was changed by another program since it was opened. Overwrite it?").arg(className());
    switch (context_.dialogs.askChoice(context_.window, question, buttons)) {
    case Overwrite: return std::nullopt;
    case SaveAs: return saveAsFor(asker);
    default: return Outcome::Cancelled;
    }
}

void DocumentCommands::reviewChangesOnDisk() {
    if (!context_.open.takeNewChangeOnDisk()) return;
    if (document().modified) {
        emit notice(tr("\"%1\" was changed by another program since it was opened. Your changes are kept; saving "
                       "will ask before overwriting it.")
                        .arg(className()));
        return;
    }
    const QString question =
        tr("\"%1\" was changed by another program since it was opened. Reload it?").arg(className());
    if (context_.dialogs.askYesNo(context_.window, question) == UserDialogs::Answer::Yes)
        openFile(document().markwellFile, false);
}

}  // namespace markwell
