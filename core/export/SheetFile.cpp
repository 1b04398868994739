// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/export/SheetFile.h"

#include "core/export/CsvWriter.h"
#include "core/export/XlsWriter.h"
#include "core/export/XlsxWriter.h"
#include "core/files/AtomicFile.h"
#include "core/files/FileTypes.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace markwell {
namespace {

struct SheetFile {
    Q_DECLARE_TR_FUNCTIONS(SheetFile)
};

}  // namespace

std::optional<SheetFileType> sheetFileTypeOf(const QString& path) {
    switch (fileTypeOf(path).value_or(FileType::Grades)) {
    case FileType::Xls: return SheetFileType::Xls;
    case FileType::Xlsx: return SheetFileType::Xlsx;
    case FileType::Csv: return SheetFileType::Csv;
    case FileType::Grades: break;
    }
    return std::nullopt;
}

Result<void> writeSheetFile(const Sheet& sheet, const QString& path) {
    return writeSheetFile(NamedSheets{{firstSheetName(), &sheet}}, path);
}

Result<void> writeSheetFile(const NamedSheets& sheets, const QString& path) {
    const std::optional<SheetFileType> type = sheetFileTypeOf(path);
    if (!type) {
        const QString suffix = QFileInfo(path).suffix();
        const QString what = suffix.isEmpty()
                                 ? SheetFile::tr("the file name has no extension")
                                 : SheetFile::tr("\".%1\" is not a spreadsheet type Markwell writes").arg(suffix);
        return fail(unableToCreate(path, SheetFile::tr("%1; use %2.").arg(what, spreadsheetSuffixes())));
    }
    if (sheets.empty()) return fail(unableToCreate(path, SheetFile::tr("there is no table to write")));
    switch (*type) {
    case SheetFileType::Xls: return writeXlsFile(sheets, path);
    case SheetFileType::Xlsx: return writeXlsxFile(sheets, path);
    case SheetFileType::Csv: return writeCsvFile(*sheets.front().sheet, path);
    }
    return {};
}

}  // namespace markwell
