// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "app/cli/ClassFiles.h"

#include "app/cli/ChangeLocks.h"
#include "app/cli/CommandSupport.h"

#include "core/document/DocumentFiles.h"
#include "core/document/EarlierVersions.h"
#include "core/document/GradeFileOpening.h"
#include "core/export/SheetFile.h"
#include "core/files/FileTypes.h"
#include "core/settings/KeptVersions.h"

#include <QFileInfo>

#include <algorithm>

namespace markwell::cli {
namespace {

void warnOf(const QString& note, const Console& console) {
    if (!note.isEmpty()) console.error(QStringLiteral("warning: %1").arg(note));
}

bool dropSkippedBytes = false;

}  // namespace

std::unique_ptr<UserScales> openUserScales(const Console& console) {
    auto scales = std::make_unique<UserScales>();
    if (const Result<void> created = scales->store.createDefaultScale(); !created) {
        // The built-in default stands in; the table can still be shown.
        console.error(QStringLiteral("warning: %1").arg(created.message()));
    }
    return scales;
}

std::optional<Document> openClassDocument(const QString& path, const Console& console, bool warnDamaged) {
    const std::unique_ptr<UserScales> scales = openUserScales(console);
    Result<Document> document = openDocument(path, scales->store);
    if (!document) {
        console.error(aboutFile(path, document.message()));
        return std::nullopt;
    }
    warnOf(document->finishedSaveNote, console);
    if (document->skippedBytes > 0) warnOf(skippedBytesNote(path, document->skippedBytes), console);
    if (warnDamaged) {
        for (const QString& damage : {document->attendanceDamage, document->seatingDamage, document->attendanceNote}) {
            warnOf(damage, console);
        }
    }
    return std::move(document).value();
}

bool finishSaveOfClassOf(const QString& path, const Console& console) {
    const Result<QString> finished = finishInterruptedSaveNote(siblingPath(path, QStringLiteral("grs")));
    if (!finished) console.error(aboutFile(path, finished.message()));
    if (finished) warnOf(*finished, console);
    return finished.ok();
}

std::optional<ClassRecord> openClassFile(const QString& path, const Console& console) {
    // The commands that only read the grades leave the .ATD and .SEA unread.
    if (!finishSaveOfClassOf(path, console)) return std::nullopt;
    const std::unique_ptr<UserScales> scales = openUserScales(console);
    GradeFileInfo info;
    Result<ClassRecord> cls = openGradeFile(path, scales->store, &info);
    if (!cls) {
        console.error(aboutFile(path, cls.message()));
        return std::nullopt;
    }
    if (info.trailingBytes > 0) warnOf(skippedBytesNote(path, info.trailingBytes), console);
    return std::move(cls).value();
}

int keptVersionsSetting() {
    const QSettingsStore settings;
    return keptVersionCount(settings);
}

bool saveClassDocument(Document& document, const QString& path, const Console& console, const QString& origin) {
    SaveOptions options;
    options.keepVersions = keptVersionsSetting();
    options.lockWait = kChangeLockWait;
    options.dropSkipped = droppingSkippedBytesAllowed();
    options.origin = origin;
    options.recordAs = {HistorySource::Command, origin};
    const Result<ClassWritten> written = saveClass(document, path, options);
    if (!written) {
        console.error(written.message());
        return false;
    }
    reportWritten(*written, path, console);
    return true;
}

void reportWritten(const ClassWritten& written, const QString& path, const Console& console) {
    if (!written.versionNotKept.isEmpty()) {
        console.error(
            QStringLiteral("warning: no earlier version of %1 could be kept: %2").arg(path, written.versionNotKept));
    }
    for (const QString& note : written.notes) warnOf(note, console);
}

bool classExistsAt(const QString& command, const QString& path, const Console& console) {
    for (const QString& file : classFilePathsFor(path)) {
        if (QFileInfo::exists(file) || QFileInfo(file).isSymLink()) {
            console.error(QStringLiteral("%1: %2 exists already; add --force to replace it").arg(command, file));
            return true;
        }
    }
    return false;
}

bool outputSparesInputs(const QString& output, const QStringList& inputs, const Console& console) {
    const Result<void> spared = checkOutputSparesInputs(output, inputs);
    if (!spared) console.error(spared.message());
    return spared.ok();
}

bool outputIsASpreadsheet(const char* command, const QString& output, const Console& console) {
    if (sheetFileTypeOf(output)) return true;
    console.error(QStringLiteral("%1: %2: the output file must end in %3")
                      .arg(QLatin1String(command), output, spreadsheetSuffixes()));
    return false;
}

bool classOutputSparesInputs(const QString& output, const QStringList& inputs, const Console& console) {
    for (const QString& file : classFilePathsFor(output)) {
        if (!outputSparesInputs(file, inputs, console)) return false;
    }
    return true;
}

void allowDroppingSkippedBytes(bool allowed) {
    dropSkippedBytes = allowed;
}

bool droppingSkippedBytesAllowed() {
    return dropSkippedBytes;
}

std::optional<CsvTable> readCsvInput(const QString& csvPath, const QString& saved, const Console& console) {
    if (!classOutputSparesInputs(saved, {csvPath}, console)) return std::nullopt;
    Result<CsvTable> table = readCsvTable(csvPath);
    if (!table) {
        console.error(table.message());
        return std::nullopt;
    }
    return std::move(table).value();
}

bool isGradeFileName(const QString& path) {
    return fileTypeOf(path) == FileType::Grades;
}

void printSheet(const Sheet& sheet, const Console& console) {
    // A few hundred rows at a time: the text of a large table is never held whole.
    constexpr int kRowsAtOnce = 256;
    for (int first = 1; first <= sheet.maxRow(); first += kRowsAtOnce) {
        console.printUtf8(sheet.toTsvUtf8(CellRange::rows(first, std::min(first + kRowsAtOnce - 1, sheet.maxRow()))));
    }
}

}  // namespace markwell::cli
