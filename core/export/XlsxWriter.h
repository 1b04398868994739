// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "core/export/NamedSheet.h"

#include <QString>

namespace markwell {

class Sheet;

// The .xlsx format, with the same content as the .xls one: a worksheet for
// each table (one, "Sheet1", for a single table) with the cells within the
// sheet's extent, their formats, the column widths, the frozen leading
// columns, the grid-line display and the print settings.
inline constexpr int kXlsxMaxRows = 1048576;
inline constexpr int kXlsxMaxCols = 16384;

// Writes the .xlsx file atomically: on failure the old file stays whole.
Result<void> writeXlsxFile(const Sheet& sheet, const QString& path);
Result<void> writeXlsxFile(const NamedSheets& sheets, const QString& path);

}  // namespace markwell
