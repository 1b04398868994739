// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "core/export/NamedSheet.h"

#include <QString>

#include <optional>

namespace markwell {

class Sheet;

// The spreadsheet files a sheet can be written as.
enum class SheetFileType { Xls, Xlsx, Csv };

// The spreadsheet type a file name asks for (see files/FileTypes.h); none for
// any other extension.
std::optional<SheetFileType> sheetFileTypeOf(const QString& path);

// Writes the sheet as the file type its name asks for (see XlsWriter.h,
// XlsxWriter.h, CsvWriter.h), atomically: a failure is reported and leaves
// any old file whole. Other extensions are refused, naming the supported ones.
Result<void> writeSheetFile(const Sheet& sheet, const QString& path);

// The same for a workbook of several tables, one worksheet each. A .csv file
// holds one table only: it gets the first.
Result<void> writeSheetFile(const NamedSheets& sheets, const QString& path);

}  // namespace markwell
