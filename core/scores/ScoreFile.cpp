// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/scores/ScoreFile.h"

#include "core/common/Cp1252.h"
#include "core/files/CsvReader.h"
#include "core/files/FileBytes.h"
#include "core/scores/ScoreColumns.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <map>

namespace markwell {
namespace {

struct ScoreFile {
    Q_DECLARE_TR_FUNCTIONS(ScoreFile)
};

// The header is looked for among the first rows: Classroom puts a few above it.
constexpr int kHeaderSearchRows = 20;
// The separator is the one the first lines use most steadily.
constexpr int kSeparatorSampleLines = 50;

// Text of the bytes: UTF-8 when they are, else Windows-1252 (what spreadsheet
// programs on Windows save as "CSV").
QString decoded(QByteArrayView bytes, bool& utf8) {
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes = bytes.sliced(3);
    utf8 = bytes.isValidUtf8();
    if (utf8) return QString::fromUtf8(bytes);
    return cp1252::toUnicode(std::string_view(bytes.data(), static_cast<std::size_t>(bytes.size())));
}

int lineOf(QByteArrayView bytes, qsizetype at) {
    return static_cast<int>(bytes.first(at).count('\n')) + 1;
}

// How often each candidate separator occurs outside quotes on each of the
// first lines.
using SeparatorCounts = std::array<std::vector<int>, 3>;
constexpr std::array<char16_t, 3> kSeparators = {u',', u';', u'\t'};

SeparatorCounts countSeparators(const QString& text) {
    SeparatorCounts counts;
    std::array<int, 3> line{};
    bool quoted = false;
    int lines = 0;
    const auto endLine = [&] {
        if (std::all_of(line.begin(), line.end(), [](int n) { return n == 0; })) return;
        for (std::size_t i = 0; i < kSeparators.size(); ++i) counts[i].push_back(line[i]);
        line.fill(0);
        ++lines;
    };
    for (QChar ch : text) {
        if (ch == QLatin1Char('"')) quoted = !quoted;
        if (quoted) continue;
        if (ch == QLatin1Char('\n')) {
            endLine();
            if (lines == kSeparatorSampleLines) return counts;
            continue;
        }
        for (std::size_t i = 0; i < kSeparators.size(); ++i) line[i] += ch == QChar(kSeparators[i]) ? 1 : 0;
    }
    endLine();
    return counts;
}

// The separator most lines use the same number of times: a ";" file with
// decimal commas uses ";" on every line the same, "," as its numbers fall.
QChar detectSeparator(const QString& text) {
    const SeparatorCounts counts = countSeparators(text);
    std::size_t best = 0;
    std::pair<int, int> bestScore{0, 0};
    for (std::size_t i = 0; i < kSeparators.size(); ++i) {
        std::map<int, int> often;
        for (int n : counts[i]) {
            if (n > 0) ++often[n];
        }
        std::pair<int, int> score{0, 0};  // lines with the usual count, the count
        for (const auto& [n, lines] : often) score = std::max(score, std::pair{lines, n});
        if (score > bestScore) {
            bestScore = score;
            best = i;
        }
    }
    return QChar(kSeparators[best]);
}

// A cell our own spreadsheet export guarded against formulas ("'=A1") reads
// as the text it was.
QString withoutFormulaGuard(const QString& cell) {
    static const QString guarded = QStringLiteral("=+-@\t\r");
    if (cell.size() > 1 && cell.front() == QLatin1Char('\'') && guarded.contains(cell.at(1))) return cell.mid(1);
    return cell;
}

bool isBlankRecord(const QStringList& fields) {
    return std::all_of(fields.cbegin(), fields.cend(), [](const QString& f) { return f.trimmed().isEmpty(); });
}

bool looksLikeNumber(const QString& cell) {
    static const QRegularExpression number(QStringLiteral("^\\s*\\d*[.,]?\\d+\\s*$"));
    return number.match(cell).hasMatch();
}

bool isPointsCaption(const QString& cell) {
    const QString plain = plainHeading(cell);
    return plain == QLatin1String("points possible") || plain == QLatin1String("possible points") ||
           plain == QLatin1String("points") || plain == QLatin1String("max points");
}

class TableBuilder {
public:
    explicit TableBuilder(ScoreTable& table) : table_(table) {}

    void setHeader(const CsvRecord& header, ScoreLayout layout) {
        table_.layout = layout;
        table_.headerLine = header.line;
        for (const QString& heading : header.fields) {
            table_.columns.push_back(classifyColumn(withoutFormulaGuard(heading), layout));
        }
    }

    Result<void> addRecord(CsvRecord record) {
        if (Result<void> fits = fitToHeader(record); !fits) return fits;
        for (QString& cell : record.fields) cell = withoutFormulaGuard(cell);
        if (table_.rows.empty() && takeAsCaptionRow(record)) return {};
        table_.rows.push_back({record.line, std::move(record.fields)});
        return {};
    }

    void noteDecimalComma() {
        if (table_.separator == QLatin1Char(',')) return;
        static const QRegularExpression commaNumber(QStringLiteral("^\\s*\\d*,\\d+\\s*$"));
        for (std::size_t c = 0; c < table_.columns.size() && !table_.decimalComma; ++c) {
            if (table_.columns[c].role != ColumnRole::Score) continue;
            table_.decimalComma = std::any_of(table_.rows.cbegin(), table_.rows.cend(), [c](const ScoreRow& row) {
                return commaNumber.match(row.cells[static_cast<qsizetype>(c)]).hasMatch();
            });
        }
    }

private:
    // Shorter rows are filled with blanks; a value past the header's last
    // column would land under the wrong heading.
    Result<void> fitToHeader(CsvRecord& record) const {
        const qsizetype width = std::ssize(table_.columns);
        for (qsizetype c = width; c < record.fields.size(); ++c) {
            if (record.fields[c].trimmed().isEmpty()) continue;
            return fail(ScoreFile::tr("line %1, column %2: \"%3\" lies beyond the last column of the header "
                                      "(%4 columns); are the columns shifted?")
                            .arg(QString::number(record.line), QString::number(c + 1), record.fields[c].trimmed(),
                                 QString::number(width)));
        }
        record.fields.resize(width);
        return {};
    }

    bool identityEmpty(const QStringList& cells) const {
        for (std::size_t c = 0; c < table_.columns.size(); ++c) {
            const ColumnRole role = table_.columns[c].role;
            if (role != ColumnRole::Score && role != ColumnRole::Ignored &&
                !cells[static_cast<qsizetype>(c)].trimmed().isEmpty()) {
                return false;
            }
        }
        return true;
    }

    // Rows between the header and the first student: the possible points
    // (Canvas's "Points Possible", Classroom's numbers), or a row with no
    // student to skip (Canvas's "Manual Posting", Classroom's due dates).
    bool takeAsCaptionRow(const CsvRecord& record) {
        const QStringList& cells = record.fields;
        const bool captioned = !cells.isEmpty() && isPointsCaption(cells.front());
        if (!captioned && !identityEmpty(cells)) return false;
        const bool numbers = std::any_of(cells.cbegin(), cells.cend(), looksLikeNumber);
        if ((captioned || numbers) && !table_.hasPointsRow) {
            table_.hasPointsRow = true;
            for (std::size_t c = 0; c < table_.columns.size(); ++c) {
                table_.columns[c].possible = cells[static_cast<qsizetype>(c)].trimmed();
            }
        }
        return true;
    }

    ScoreTable& table_;
};

}  // namespace

Result<ScoreTable> parseScoreFile(QByteArrayView bytes) {
    if (bytes.size() > kMaxScoreFileBytes) {
        return fail(
            ScoreFile::tr("the file is larger than %1 MB: it is not a gradebook").arg(kMaxScoreFileBytes >> 20));
    }
    if (bytes.startsWith("PK\x03\x04")) {
        return fail(ScoreFile::tr("this is a workbook (.xlsx or .ods), not CSV: save it as CSV first"));
    }
    if (const qsizetype nul = bytes.indexOf('\0'); nul >= 0) {
        return fail(ScoreFile::tr("line %1: the file holds NUL bytes: it is not CSV text (save it as CSV, UTF-8)")
                        .arg(lineOf(bytes, nul)));
    }
    ScoreTable table;
    const QString text = decoded(bytes, table.utf8);
    table.separator = detectSeparator(text);
    const CsvSplitting how{table.separator, true, kMaxScoreRows, kMaxScoreColumns, kMaxScoreFieldLength};
    Result<std::vector<CsvRecord>> records = splitCsvText(text, how);
    if (!records) return records.error();
    std::erase_if(*records, [](const CsvRecord& r) { return isBlankRecord(r.fields); });
    if (records->empty()) return fail(ScoreFile::tr("the file is empty: it needs a header naming the columns"));

    // The header is the first row naming a student's detail; without one,
    // the first row, and the teacher says which column names the students.
    std::size_t header = 0;
    std::optional<ScoreLayout> layout;
    for (std::size_t r = 0; r < records->size() && r < kHeaderSearchRows && !layout; ++r) {
        layout = headerLayout((*records)[r].fields);
        if (layout) header = r;
    }
    TableBuilder builder(table);
    builder.setHeader((*records)[header], layout.value_or(ScoreLayout::Spreadsheet));
    for (std::size_t r = header + 1; r < records->size(); ++r) {
        if (Result<void> added = builder.addRecord(std::move((*records)[r])); !added) return added.error();
    }
    builder.noteDecimalComma();
    return table;
}

Result<ScoreTable> readScoreFile(const QString& path) {
    if (QFileInfo(path).size() > kMaxScoreFileBytes) {
        return fail(ScoreFile::tr("%1: the file is larger than %2 MB: it is not a gradebook")
                        .arg(path, QString::number(kMaxScoreFileBytes >> 20)));
    }
    const Result<QByteArray> bytes = readFileBytes(path);
    if (!bytes) return bytes.error();
    Result<ScoreTable> table = parseScoreFile(*bytes);
    if (!table) return fail(ScoreFile::tr("%1: %2").arg(path, table.message()));
    return table;
}

QString layoutDescription(ScoreLayout layout) {
    switch (layout) {
    case ScoreLayout::Canvas: return ScoreFile::tr("Canvas gradebook");
    case ScoreLayout::Moodle: return ScoreFile::tr("Moodle grades");
    case ScoreLayout::Classroom: return ScoreFile::tr("Google Classroom grades");
    case ScoreLayout::Spreadsheet: break;
    }
    return ScoreFile::tr("spreadsheet");
}

QString layoutKey(ScoreLayout layout) {
    switch (layout) {
    case ScoreLayout::Canvas: return QStringLiteral("Canvas");
    case ScoreLayout::Moodle: return QStringLiteral("Moodle");
    case ScoreLayout::Classroom: return QStringLiteral("Classroom");
    case ScoreLayout::Spreadsheet: break;
    }
    return QStringLiteral("Spreadsheet");
}

QString scoreTableDescription(const ScoreTable& table) {
    QString separator = ScoreFile::tr("separated by commas");
    if (table.separator == QLatin1Char(';')) separator = ScoreFile::tr("separated by semicolons");
    if (table.separator == QLatin1Char('\t')) separator = ScoreFile::tr("separated by tabs");
    QString text = ScoreFile::tr("%1, %2, %3")
                       .arg(layoutDescription(table.layout),
                            table.utf8 ? QStringLiteral("UTF-8") : QStringLiteral("Windows-1252"), separator);
    if (table.decimalComma) text += ScoreFile::tr(", decimal commas");
    return text;
}

}  // namespace markwell
