// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/export/ExportSupport.h"

#include "core/sheet/Sheet.h"

#include <QCoreApplication>

namespace markwell {
namespace {

struct ExportSupport {
    Q_DECLARE_TR_FUNCTIONS(ExportSupport)
};

}  // namespace

Result<void> checkSheetFits(const Sheet& sheet, int maxRows, int maxCols, const QString& formatName) {
    if (sheet.maxRow() > maxRows) {
        return fail(ExportSupport::tr("the table has %1 rows; a %2 file holds at most %3. "
                                      "Save it as .xlsx or .csv instead.")
                        .arg(sheet.maxRow())
                        .arg(formatName)
                        .arg(maxRows));
    }
    if (sheet.maxCol() > maxCols) {
        return fail(ExportSupport::tr("the table has %1 columns; a %2 file holds at most %3. "
                                      "Save it as .xlsx or .csv instead.")
                        .arg(sheet.maxCol())
                        .arg(formatName)
                        .arg(maxCols));
    }
    for (int row = 1; row <= sheet.maxRow(); ++row) {
        for (int col = 1; col <= sheet.maxCol(); ++col) {
            if (sheet.kind(row, col) == CellKind::Text && sheet.text(row, col).size() > kMaxCellTextLength) {
                return fail(ExportSupport::tr("cell %1 holds more than %2 characters, more than a %3 cell "
                                              "can keep. Save it as .csv instead.")
                                .arg(cellName(row, col), QString::number(kMaxCellTextLength), formatName));
            }
        }
    }
    return {};
}

QString storableHeader(const QString& header) {
    QString text = header.left(kMaxHeaderLength);
    if (!text.isEmpty() && text.back().isHighSurrogate()) text.chop(1);
    // A lone "&" at the end would start a code that is not there.
    qsizetype ampersands = 0;
    while (ampersands < text.size() && text[text.size() - 1 - ampersands] == QLatin1Char('&')) ++ampersands;
    if (ampersands % 2 == 1) text.chop(1);
    return text;
}

std::vector<ColumnRun> columnWidthRuns(const Sheet& sheet) {
    std::vector<ColumnRun> runs;
    for (int col = 1; col <= sheet.maxCol(); ++col) {
        const double width = sheet.colWidth(col);
        if (runs.empty() || runs.back().width != width) {
            runs.push_back({col, col, width});
        } else {
            runs.back().last = col;
        }
    }
    return runs;
}

QString exportedText(const Sheet& sheet, int row, int col) {
    const QString text = sheet.text(row, col);
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' ')) ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' ')) --last;
    return text.mid(first, last - first);
}

QString cellName(int row, int col) {
    QString letters;
    for (int c = col; c > 0; c = (c - 1) / 26) {
        letters.prepend(QChar(u'A' + (c - 1) % 26));
    }
    return letters + QString::number(row);
}

}  // namespace markwell
