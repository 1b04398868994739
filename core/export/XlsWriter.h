// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "core/export/NamedSheet.h"

#include <QByteArray>
#include <QString>

namespace markwell {

class Sheet;

// The .xls format: a BIFF8 workbook in an OLE2 compound file, with a
// worksheet for each table (one, "Sheet1", for a single table) holding the sheet's cells within its extent (texts
// through the shared string table, numbers as doubles), their fonts, fills, alignment and number formats, the column
// widths, the frozen leading columns, the grid-line display and the print settings (header, horizontal centring, grid
// lines; the first table's title becomes the document's title). The worksheets share the workbook's formats and texts;
// it opens on the first.
inline constexpr int kXlsMaxRows = 65536;
inline constexpr int kXlsMaxCols = 256;

// The BIFF8 workbook stream alone.
Result<QByteArray> xlsWorkbookStream(const Sheet& sheet);
Result<QByteArray> xlsWorkbookStream(const NamedSheets& sheets);

// The complete .xls file.
Result<QByteArray> xlsFileBytes(const Sheet& sheet);
Result<QByteArray> xlsFileBytes(const NamedSheets& sheets);

// Writes the .xls file atomically: on failure the old file stays whole.
Result<void> writeXlsFile(const Sheet& sheet, const QString& path);
Result<void> writeXlsFile(const NamedSheets& sheets, const QString& path);

}  // namespace markwell
