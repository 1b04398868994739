// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"

#include <QByteArrayView>
#include <QStringList>

#include <vector>

namespace markwell {

// A comma-separated file as RFC 4180 describes it, in UTF-8: fields
// separated by commas, records by CR LF or LF; a field in double quotes may
// hold commas, line breaks and doubled quotes. A UTF-8 byte order mark is
// skipped, and so are empty lines.
struct CsvRecord {
    int line = 0;  // where the record starts, from 1
    QStringList fields;
};

// The first record is the header, naming the columns.
struct CsvTable {
    CsvRecord header;
    std::vector<CsvRecord> rows;
};

// Refuses, with the line, a file that is not UTF-8, a quoted field that is
// never closed, a quote inside an unquoted field, text after a closing quote
// and a file without a header.
Result<CsvTable> parseCsv(QByteArrayView bytes);

// Reads and parses the file; a refusal names the file ("FILE: line 3: ...").
Result<CsvTable> readCsvTable(const QString& path);

// How decoded text is split into records by the quoting rules above: the
// character between fields, and the bounds a file from elsewhere is held to
// (0: none). With `namingColumns` a refusal names the column of the field
// ("line 3, column 2: ..."). Empty lines are skipped.
struct CsvSplitting {
    QChar separator = QLatin1Char(',');
    bool namingColumns = false;
    qsizetype maxRecords = 0;
    qsizetype maxFields = 0;
    qsizetype maxFieldLength = 0;
};
Result<std::vector<CsvRecord>> splitCsvText(const QString& text, const CsvSplitting& how);

}  // namespace markwell
