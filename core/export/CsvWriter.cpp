// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/export/CsvWriter.h"

#include "core/common/NumberText.h"
#include "core/export/ExportSupport.h"
#include "core/files/AtomicFile.h"
#include "core/sheet/Sheet.h"

namespace markwell {
namespace {

// A number as a person would type it ("-5", "+1.5", "-12.50%"), nothing around it.
bool isPlainNumber(QString text) {
    if (text.endsWith(QLatin1Char('%'))) text.chop(1);
    return text == text.trimmed() && parseNumber(text).has_value();
}

// A spreadsheet program opening a .csv file runs a cell that starts with one
// of these as a formula: a name such as =HYPERLINK(...) would become a live
// link, or worse. A lone "-" (does not count) and signed numbers are safe.
bool readsAsFormula(const QString& text) {
    if (text.isEmpty()) return false;
    switch (text.front().unicode()) {
    case u'=':
    case u'@':
    case u'\t':
    case u'\r': return true;
    case u'+':
    case u'-': return text.size() > 1 && !isPlainNumber(text);
    default: return false;
    }
}

void appendField(QString& out, const QString& field) {
    const bool quoted = field.contains(QLatin1Char(',')) || field.contains(QLatin1Char('"')) ||
                        field.contains(QLatin1Char('\n')) || field.contains(QLatin1Char('\r'));
    if (!quoted) {
        out += field;
        return;
    }
    out += QLatin1Char('"');
    for (const QChar c : field) {
        if (c == QLatin1Char('"')) out += QLatin1Char('"');
        out += c;
    }
    out += QLatin1Char('"');
}

// The usual defence: a leading ' keeps the text a text.
QString plainText(const QString& text) {
    return readsAsFormula(text) ? QLatin1Char('\'') + text : text;
}

}  // namespace

QByteArray csvBytes(const Sheet& sheet) {
    QString text;
    text.reserve(static_cast<qsizetype>(sheet.maxRow()) * sheet.maxCol() * 6);
    for (int row = 1; row <= sheet.maxRow(); ++row) {
        for (int col = 1; col <= sheet.maxCol(); ++col) {
            if (col > 1) text += QLatin1Char(',');
            switch (sheet.kind(row, col)) {
            case CellKind::Empty: break;
            case CellKind::Number: appendField(text, sheet.text(row, col)); break;
            case CellKind::Text: appendField(text, plainText(exportedText(sheet, row, col))); break;
            }
        }
        text += QLatin1String("\r\n");
    }
    return text.toUtf8();
}

Result<void> writeCsvFile(const Sheet& sheet, const QString& path) {
    return writeFileAtomically(path, csvBytes(sheet));
}

}  // namespace markwell
