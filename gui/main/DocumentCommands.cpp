#include "main/DocumentCommands.h"

#include "dialogs/UserDialogs.h"
#include "data/Tables.h"
#include "export/SheetFile.h"
#include "scales/ScaleStore.h"

#include <QFileInfo>

namespace markwell {
namespace {

const QString kGradeFilter = QStringLiteral("Markwell File (*.grs)");
const QString kXlsFilter = QStringLiteral("Excel File (*.xls)");
const QString kXlsxFilter = QStringLiteral("Excel Workbook (*.xlsx)");
const QString kCsvFilter = QStringLiteral("CSV File (*.csv)");

}  // namespace

DocumentCommands::DocumentCommands(Document& document, UserDialogs& dialogs, ScaleStore& scales, QWidget* parent,
                                   Hooks hooks)
    : document_(document), dialogs_(dialogs), scales_(scales), parent_(parent), hooks_(std::move(hooks)) {}

void DocumentCommands::resetToNewClass() {
    const CurrentGradeScale scale =
        scales_.GetGradeScale(QString::fromLatin1(kDefaultScaleName)).value_or(CurrentGradeScale{});
    document_ = Document{};
    document_.classRecord = newClassRecord(scale);
    if (hooks_.documentReplaced) hooks_.documentReplaced();
}

bool DocumentCommands::maySetAside() {
    if (!document_.Dirty) return true;
    switch (dialogs_.askYesNoCancel(parent_, QString::fromLatin1(kSaveQuestion))) {
    case UserDialogs::Answer::Yes: return save() == Outcome::Done;
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
    UserDialogs::FileRequest request;
    request.title = QStringLiteral("Open Markwell File");
    request.filters = {kGradeFilter};
    request.defaultSuffix = QStringLiteral("grs");
    // Classes are usually kept together: start where this one is.
    if (document_.isTitled()) request.folder = QFileInfo(document_.markwellFile).absolutePath();
    const QString path = dialogs_.openFile(parent_, request);
    if (path.isEmpty()) return Outcome::Cancelled;
    return openFile(path, true);
}

DocumentCommands::Outcome DocumentCommands::openFile(const QString& path, bool askFirst) {
    if (askFirst && !maySetAside()) return Outcome::Cancelled;
    Result<ClassRecord> opened = openClassFiles(path, scales_);
    if (!opened) {
        dialogs_.warn(parent_, opened.message());
        return Outcome::Failed;
    }
    document_ = Document{};
    document_.classRecord = std::move(*opened);
    document_.markwellFile = QFileInfo(path).absoluteFilePath();
    document_.attendFile = attendancePathFor(document_.markwellFile);
    document_.seatingFile = seatingPathFor(document_.markwellFile);
    if (hooks_.documentReplaced) hooks_.documentReplaced();
    return Outcome::Done;
}

DocumentCommands::Outcome DocumentCommands::save() {
    if (!document_.isTitled()) return saveAs();
    return saveTo(document_.markwellFile);
}

DocumentCommands::Outcome DocumentCommands::saveAs() {
    UserDialogs::FileRequest request;
    request.title = QStringLiteral("Save Markwell As");
    request.filters = {kGradeFilter, kXlsFilter, kXlsxFilter, kCsvFilter};
    request.defaultSuffix = QStringLiteral("grs");
    if (document_.isTitled()) {
        request.folder = QFileInfo(document_.markwellFile).absolutePath();
        request.fileName = QFileInfo(document_.markwellFile).fileName();
    }
    const std::optional<UserDialogs::SaveChoice> choice = dialogs_.saveFile(parent_, request);
    if (!choice || choice->path.isEmpty()) return Outcome::Cancelled;
    if (sheetFileTypeOf(choice->path)) return exportTable(choice->path);
    return saveTo(choice->path);
}

DocumentCommands::Outcome DocumentCommands::exportTable(const QString& path) {
    if (!hooks_.gradesTable) return Outcome::Failed;
    if (Result<void> written = writeSheetFile(hooks_.gradesTable(), path); !written) {
        dialogs_.warn(parent_, written.message());
        return Outcome::Failed;
    }
    if (hooks_.tableExported) hooks_.tableExported(path);
    return Outcome::Done;
}

DocumentCommands::Outcome DocumentCommands::saveTo(const QString& path) {
    const QString target = QFileInfo(path).absoluteFilePath();
    std::optional<AttendanceMonth> month;
    if (hooks_.attendanceMonth) month = hooks_.attendanceMonth();
    const SavePlan plan = planSave(document_.markwellFile, target, std::move(month));
    if (Result<void> saved = saveClassFiles(document_.classRecord, plan); !saved) {
        dialogs_.warn(parent_, saved.message());
        return Outcome::Failed;
    }
    document_.markwellFile = target;
    document_.attendFile = attendancePathFor(target);
    document_.seatingFile = seatingPathFor(target);
    document_.Dirty = false;
    if (plan.month && hooks_.attendanceSaved) hooks_.attendanceSaved();
    if (hooks_.documentSaved) hooks_.documentSaved();
    return Outcome::Done;
}

}  // namespace markwell
