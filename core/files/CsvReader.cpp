// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/files/CsvReader.h"

#include "core/files/FileBytes.h"

#include <QCoreApplication>

#include <iterator>

namespace markwell {
namespace {

struct CsvReader {
    Q_DECLARE_TR_FUNCTIONS(CsvReader)
};

Error atLine(int line, const QString& what) {
    return Error{CsvReader::tr("line %1: %2").arg(line).arg(what)};
}

Error atCell(int line, qsizetype column, const QString& what) {
    return Error{CsvReader::tr("line %1, column %2: %3").arg(line).arg(column).arg(what)};
}

// The first line that is not UTF-8, counted from 1.
int firstBadLine(QByteArrayView bytes) {
    int line = 1;
    qsizetype start = 0;
    while (start <= bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0) end = bytes.size();
        if (!bytes.sliced(start, end - start).isValidUtf8()) return line;
        ++line;
        start = end + 1;
    }
    return line;
}

// Reads the records of decoded text, one character at a time.
class CsvParser {
public:
    CsvParser(const QString& text, const CsvSplitting& how) : text_(text), how_(how) {}

    Result<std::vector<CsvRecord>> records() {
        std::vector<CsvRecord> out;
        while (pos_ < text_.size()) {
            CsvRecord record{line_, {}};
            if (Result<void> read = readRecord(record.fields); !read) return read.error();
            const bool blank = record.fields.size() == 1 && record.fields.front().isEmpty();
            if (blank) continue;
            if (how_.maxRecords > 0 && std::ssize(out) == how_.maxRecords) {
                return atLine(record.line, CsvReader::tr("the file has more than %1 rows").arg(how_.maxRecords));
            }
            out.push_back(std::move(record));
        }
        return out;
    }

private:
    bool atEnd() const { return pos_ >= text_.size(); }
    QChar peek() const { return text_.at(pos_); }
    bool atFieldEnd() const {
        return atEnd() || peek() == how_.separator || peek() == QLatin1Char('\r') || peek() == QLatin1Char('\n');
    }

    // A refusal about the field being read: its line, and its column when asked.
    Error refusal(int line, const QString& what) const {
        return how_.namingColumns ? atCell(line, column_, what) : atLine(line, what);
    }

    // Consumes a line break (CR LF, LF or CR) if one is next.
    bool takeLineBreak() {
        if (atEnd()) return false;
        if (peek() == QLatin1Char('\r')) {
            ++pos_;
            if (!atEnd() && peek() == QLatin1Char('\n')) ++pos_;
        } else if (peek() == QLatin1Char('\n')) {
            ++pos_;
        } else {
            return false;
        }
        ++line_;
        return true;
    }

    Result<void> readRecord(QStringList& fields) {
        column_ = 0;
        while (true) {
            ++column_;
            if (how_.maxFields > 0 && column_ > how_.maxFields) {
                return refusal(line_, CsvReader::tr("a row has more than %1 columns").arg(how_.maxFields));
            }
            QString field;
            Result<void> read = !atEnd() && peek() == QLatin1Char('"') ? readQuoted(field) : readPlain(field);
            if (!read) return read;
            if (how_.maxFieldLength > 0 && field.size() > how_.maxFieldLength) {
                return refusal(line_, CsvReader::tr("a field longer than %1 characters").arg(how_.maxFieldLength));
            }
            fields << field;
            if (atEnd() || takeLineBreak()) return {};
            ++pos_;  // the separator
        }
    }

    Result<void> readPlain(QString& field) {
        while (!atFieldEnd()) {
            if (peek() == QLatin1Char('"')) {
                return refusal(line_, CsvReader::tr("a quote inside a field that does not start with one"));
            }
            field += peek();
            ++pos_;
        }
        return {};
    }

    Result<void> readQuoted(QString& field) {
        const int startLine = line_;
        ++pos_;  // the opening quote
        while (true) {
            if (atEnd()) return refusal(startLine, CsvReader::tr("a quoted field is never closed"));
            if (peek() == QLatin1Char('"')) {
                ++pos_;
                if (atEnd() || peek() != QLatin1Char('"')) break;
            } else if (peek() == QLatin1Char('\r') || peek() == QLatin1Char('\n')) {
                // A line break inside the field is kept as LF.
                takeLineBreak();
                field += QLatin1Char('\n');
                continue;
            }
            field += peek();
            ++pos_;
        }
        if (!atFieldEnd()) return refusal(line_, CsvReader::tr("text after the closing quote of a field"));
        return {};
    }

    const QString& text_;
    const CsvSplitting& how_;
    qsizetype pos_ = 0;
    int line_ = 1;
    qsizetype column_ = 0;
};

}  // namespace

Result<CsvTable> parseCsv(QByteArrayView bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes = bytes.sliced(3);
    if (!bytes.isValidUtf8()) return atLine(firstBadLine(bytes), CsvReader::tr("the text is not UTF-8"));
    const QString text = QString::fromUtf8(bytes);

    Result<std::vector<CsvRecord>> records = splitCsvText(text, CsvSplitting{});
    if (!records) return records.error();
    if (records->empty()) return fail(CsvReader::tr("the file is empty: it needs a header naming the columns"));
    CsvTable table;
    table.header = std::move(records->front());
    table.rows.assign(std::make_move_iterator(records->begin() + 1), std::make_move_iterator(records->end()));
    return table;
}

Result<CsvTable> readCsvTable(const QString& path) {
    const Result<QByteArray> bytes = readFileBytes(path);
    if (!bytes) return bytes.error();
    Result<CsvTable> table = parseCsv(*bytes);
    if (!table) return fail(CsvReader::tr("%1: %2").arg(path, table.message()));
    return table;
}

Result<std::vector<CsvRecord>> splitCsvText(const QString& text, const CsvSplitting& how) {
    return CsvParser(text, how).records();
}

}  // namespace markwell
