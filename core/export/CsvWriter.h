// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"

#include <QByteArray>
#include <QString>

namespace markwell {

class Sheet;

// The .csv format: the sheet's cells within its extent as comma-separated
// UTF-8 text, one line per row ending in CRLF, every row with one field per
// column. A field holding a comma, a quote or a line break is quoted, its
// quotes doubled; numbers are in their general form with ".". A text that a
// spreadsheet program would run as a formula (starting with =, +, -, @, a tab
// or a carriage return, and not a plain number such as "-5") is written with
// a leading ', so that it opens as the text it is.
QByteArray csvBytes(const Sheet& sheet);

// Writes the .csv file atomically: on failure the old file stays whole.
Result<void> writeCsvFile(const Sheet& sheet, const QString& path);

}  // namespace markwell
