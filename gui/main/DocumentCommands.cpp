#include "main/DocumentCommands.h"

#include "data/Tables.h"
#include "dialogs/FileFilters.h"
#include "dialogs/UserDialogs.h"
#include "document/DocumentFiles.h"
#include "export/SheetFile.h"
#include "files/FileTypes.h"
#include "scales/ScaleStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace markwell {
namespace {

QString nativePath(const QString& path) { return QDir::toNativeSeparators(path); }

}  // namespace

DocumentCommands::DocumentCommands(Document& document, UserDialogs& dialogs, ScaleStore& scales, QWidget* window,
                                   std::function<const Sheet&()> shownTable)
    : document_(document), dialogs_(dialogs), scales_(scales), window_(window),
      shownTable_(std::move(shownTable)) {}

void DocumentCommands::markChanged() {
    setDirty(true);
    emit changed();
}

void DocumentCommands::takeRecoveredClass(Document recovered) {
    replaceDocument(std::move(recovered));
}

void DocumentCommands::setDirty(bool dirty) {
    if (document_.Dirty == dirty) return;
    document_.Dirty = dirty;
    emit dirtyChanged(dirty);
}

void DocumentCommands::replaceDocument(Document next) {
    const bool wasDirty = document_.Dirty;
    const QString oldName = document_.markwellFile;
    document_ = std::move(next);
    diskStamps_ = stampClassFiles(document_);
    reportedStamps_ = diskStamps_;
    emit documentReplaced();
    if (document_.Dirty != wasDirty) emit dirtyChanged(document_.Dirty);
    if (document_.markwellFile != oldName) emit fileNameChanged(document_.markwellFile);
}

void DocumentCommands::resetToNewClass() {
    const CurrentGradeScale scale =
        scales_.GetGradeScale(QString::fromLatin1(kDefaultScaleName)).value_or(CurrentGradeScale{});
    Document fresh;
    fresh.classRecord = newClassRecord(scale);
    replaceDocument(std::move(fresh));
}

QString DocumentCommands::saveQuestion() const {
    // With several classes open in several windows, the question says which.
    if (!document_.isTitled()) return tr("Do you wish to save changes?");
    return tr("Do you wish to save changes to \"%1\"?").arg(QFileInfo(document_.markwellFile).fileName());
}

bool DocumentCommands::maySetAside() {
    if (!document_.Dirty) return true;
    switch (dialogs_.askYesNoCancel(window_, saveQuestion())) {
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
    const QString folder = document_.isTitled() ? QFileInfo(document_.markwellFile).absolutePath() : QString();
    const QString path = dialogs_.openFile(window_, gradeFileRequest(tr("Open Markwell File"), folder));
    if (path.isEmpty()) return Outcome::Cancelled;
    return openFile(path, true);
}

DocumentCommands::Outcome DocumentCommands::openFile(const QString& path, bool askFirst) {
    if (askFirst && !maySetAside()) return Outcome::Cancelled;
    Result<Document> opened = openDocument(path, scales_);
    if (!opened) {
        dialogs_.warn(window_, opened.message());
        return Outcome::Failed;
    }
    replaceDocument(std::move(opened).value());
    // Once per opening, after the class is on screen.
    if (const QString warning = damagedFilesWarning(document_); !warning.isEmpty()) dialogs_.warn(window_, warning);
    return Outcome::Done;
}

DocumentCommands::Outcome DocumentCommands::save() {
    return saveFor(Asker::Menu);
}

DocumentCommands::Outcome DocumentCommands::saveAs() {
    return saveAsFor(Asker::Menu);
}

DocumentCommands::Outcome DocumentCommands::saveFor(Asker asker) {
    if (!document_.isTitled()) return saveAsFor(asker);
    return saveTo(document_.markwellFile, asker);
}

DocumentCommands::Outcome DocumentCommands::saveAsFor(Asker asker) {
    UserDialogs::FileRequest request;
    request.title = tr("Save Markwell As");
    request.filters = allFileFilters();
    request.defaultSuffix = QLatin1String(fileTypeInfo(FileType::Grades).suffix);
    if (document_.isTitled()) {
        request.folder = QFileInfo(document_.markwellFile).absolutePath();
        request.fileName = QFileInfo(document_.markwellFile).fileName();
    }
    const std::optional<UserDialogs::SaveChoice> choice = dialogs_.saveFile(window_, request);
    if (!choice || choice->path.isEmpty()) return Outcome::Cancelled;
    const std::optional<FileType> type = fileTypeOf(choice->path);
    if (type && isSpreadsheet(*type)) return exportTable(choice->path, asker);
    return saveTo(choice->path, asker);
}

DocumentCommands::Outcome DocumentCommands::exportTable(const QString& path, Asker asker) {
    if (Result<void> written = writeSheetFile(shownTable_(), path); !written) {
        dialogs_.warn(window_, written.message());
        return Outcome::Failed;
    }
    // An export is no save: reached from the save question, the class stays
    // open and unsaved, and the teacher is told so.
    emit notice(asker == Asker::SaveQuestion
                    ? tr("The grades table was written to %1; the class itself is not saved.").arg(nativePath(path))
                    : tr("The grades table was written to %1.").arg(nativePath(path)));
    return Outcome::Exported;
}

DocumentCommands::Outcome DocumentCommands::saveTo(const QString& path, Asker asker) {
    if (isSameFile(path, document_.markwellFile)) {
        if (std::optional<Outcome> refused = refuseOverwritingOthersChanges(asker)) return *refused;
    }
    const QString oldName = document_.markwellFile;
    const bool wasDirty = document_.Dirty;
    Result<QStringList> notes = saveDocument(document_, path);
    if (!notes) {
        dialogs_.warn(window_, notes.message());
        return Outcome::Failed;
    }
    diskStamps_ = stampClassFiles(document_);
    reportedStamps_ = diskStamps_;
    if (wasDirty) emit dirtyChanged(false);
    if (document_.markwellFile != oldName) emit fileNameChanged(document_.markwellFile);
    emit saved();
    if (!notes->isEmpty()) emit notice(notes->join(QLatin1Char(' ')));
    return Outcome::Done;
}

bool DocumentCommands::filesChangedOnDisk() const {
    return document_.isTitled() && stampClassFiles(document_) != diskStamps_;
}

QString DocumentCommands::className() const {
    return QFileInfo(document_.markwellFile).fileName();
}

std::optional<DocumentCommands::Outcome> DocumentCommands::refuseOverwritingOthersChanges(Asker asker) {
    if (!filesChangedOnDisk()) return std::nullopt;
    enum { Overwrite, SaveAs, Cancel };
    const QStringList buttons{tr("&Overwrite"), tr("Save &As\u2026"), tr("&Cancel")};
    const QString question =
        tr("\"%1\" was changed by another program since it was opened. Overwrite it?").arg(className());
    switch (dialogs_.askChoice(window_, question, buttons)) {
    case Overwrite: return std::nullopt;
    case SaveAs: return saveAsFor(asker);
    default: return Outcome::Cancelled;
    }
}

void DocumentCommands::reviewChangesOnDisk() {
    if (!document_.isTitled()) return;
    const ClassFileStamps now = stampClassFiles(document_);
    if (now == diskStamps_ || now == reportedStamps_) return;
    reportedStamps_ = now;
    if (document_.Dirty) {
        emit notice(tr("\"%1\" was changed by another program since it was opened. Your changes are kept; saving "
                       "will ask before overwriting it.")
                        .arg(className()));
        return;
    }
    const QString question =
        tr("\"%1\" was changed by another program since it was opened. Reload it?").arg(className());
    if (dialogs_.askYesNo(window_, question) == UserDialogs::Answer::Yes) openFile(document_.markwellFile, false);
}

}  // namespace markwell
