// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/files/CsvReader.h"

#include "core/files/FileBytes.h"

#include <QCoreApplication>

namespace markwell {
namespace {

struct CsvReader {
    Q_DECLARE_TR_FUNCTIONS(CsvReader)
};

Error atLine(int line, const QString& what) {
    return Error{CsvReader::tr("line %1: %2").arg(line).arg(what)};
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
    explicit CsvParser(const QString& text) : text_(text) {}

    Result<std::vector<CsvRecord>> records() {
        std::vector<CsvRecord> out;
        while (pos_ < text_.size()) {
            CsvRecord record{line_, {}};
            if (Result<void> read = readRecord(record.fields); !read) return read.error();
            const bool blank = record.fields.size() == 1 && record.fields.front().isEmpty();
            if (!blank) out.push_back(std::move(record));
        }
        return out;
    }

private:
    bool atEnd() const { return pos_ >= text_.size(); }
    QChar peek() const { return text_.at(pos_); }

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
        while (true) {
            QString field;
            Result<void> read = !atEnd() && peek() == QLatin1Char('"') ? readQuoted(field) : readPlain(field);
            if (!read) return read;
            fields << field;
            if (atEnd() || takeLineBreak()) return {};
            ++pos_;  // the comma
        }
    }

    Result<void> readPlain(QString& field) {
        while (!atEnd() && peek() != QLatin1Char(',') && peek() != QLatin1Char('\r') && peek() != QLatin1Char('\n')) {
            if (peek() == QLatin1Char('"')) {
                return atLine(line_, CsvReader::tr("a quote inside a field that does not start with one"));
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
            if (atEnd()) return atLine(startLine, CsvReader::tr("a quoted field is never closed"));
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
        if (!atEnd() && peek() != QLatin1Char(',') && peek() != QLatin1Char('\r') && peek() != QLatin1Char('\n')) {
            return atLine(line_, CsvReader::tr("text after the closing quote of a field"));
        }
        return {};
    }

    const QString& text_;
    qsizetype pos_ = 0;
    int line_ = 1;
};

}  // namespace

Result<CsvTable> parseCsv(QByteArrayView bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes = bytes.sliced(3);
    if (!bytes.isValidUtf8()) return atLine(firstBadLine(bytes), CsvReader::tr("the text is not UTF-8"));
    const QString text = QString::fromUtf8(bytes);

    CsvParser parser(text);
    Result<std::vector<CsvRecord>> records = parser.records();
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

}  // namespace markwell
