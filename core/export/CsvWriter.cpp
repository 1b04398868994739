#include "export/CsvWriter.h"

#include "files/AtomicFile.h"
#include "sheet/Sheet.h"

namespace markwell {
namespace {

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

}  // namespace

QByteArray csvBytes(const Sheet& sheet) {
    QString text;
    text.reserve(static_cast<qsizetype>(sheet.maxRow()) * sheet.maxCol() * 6);
    for (int row = 1; row <= sheet.maxRow(); ++row) {
        for (int col = 1; col <= sheet.maxCol(); ++col) {
            if (col > 1) text += QLatin1Char(',');
            if (sheet.kind(row, col) != CellKind::Empty) appendField(text, sheet.text(row, col));
        }
        text += QLatin1String("\r\n");
    }
    return text.toUtf8();
}

Result<void> writeCsvFile(const Sheet& sheet, const QString& path) {
    return writeFileAtomically(path, csvBytes(sheet));
}

}  // namespace markwell
