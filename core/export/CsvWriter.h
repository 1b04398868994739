#pragma once

#include "common/Result.h"

#include <QByteArray>
#include <QString>

namespace markwell {

class Sheet;

// The .csv format: the sheet's cells within its extent as comma-separated
// UTF-8 text, one line per row ending in CRLF, every row with one field per
// column. A field holding a comma, a quote or a line break is quoted, its
// quotes doubled; numbers are in their general form with ".".
QByteArray csvBytes(const Sheet& sheet);

// Writes the .csv file atomically: on failure the old file stays whole.
Result<void> writeCsvFile(const Sheet& sheet, const QString& path);

}  // namespace markwell
