// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/editing/CsvImport.h"

#include "core/common/Cp1252.h"
#include "core/editing/GradeEntry.h"
#include "core/editing/StudentEditing.h"
#include "core/editing/Validators.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <optional>

namespace markwell {
namespace {

struct CsvImport {
    Q_DECLARE_TR_FUNCTIONS(CsvImport)
};

const QString kCommentColumn = QStringLiteral("comment");

// Column index by name (lower case), or the problems of the header.
using Columns = QHash<QString, qsizetype>;

std::vector<RowProblem> readHeader(const CsvRecord& header, const QStringList& known, const QStringList& required,
                                   Columns& columns) {
    std::vector<RowProblem> problems;
    for (qsizetype i = 0; i < header.fields.size(); ++i) {
        const QString name = trimmedText(header.fields[i]).toLower();
        if (!known.contains(name)) {
            problems.push_back({header.line, CsvImport::tr("unknown column \"%1\" (the columns are %2)")
                                                 .arg(header.fields[i], known.join(QStringLiteral(", ")))});
        } else if (columns.contains(name)) {
            problems.push_back({header.line, CsvImport::tr("the column \"%1\" is named twice").arg(name)});
        } else {
            columns.insert(name, i);
        }
    }
    for (const QString& name : required) {
        if (!columns.contains(name)) {
            problems.push_back({header.line, CsvImport::tr("the header has no column \"%1\"").arg(name)});
        }
    }
    return problems;
}

std::optional<RowProblem> checkWidth(const CsvRecord& row, const CsvRecord& header) {
    if (row.fields.size() == header.fields.size()) return std::nullopt;
    return RowProblem{row.line, CsvImport::tr("the row has %1 fields; the header has %2")
                                    .arg(QString::number(row.fields.size()), QString::number(header.fields.size()))};
}

QStringList studentColumns() {
    QStringList names;
    for (const StudentFieldInfo& f : studentFields()) names << QString::fromLatin1(f.column);
    return names << kCommentColumn;
}

StudentForm formOf(const CsvRecord& row, const Columns& columns) {
    StudentForm form;
    for (const StudentFieldInfo& f : studentFields()) {
        const auto col = columns.constFind(QString::fromLatin1(f.column));
        if (col != columns.cend()) form[f.field] = row.fields[*col];
    }
    if (const auto col = columns.constFind(kCommentColumn); col != columns.cend()) form.comment = row.fields[*col];
    return form;
}

// The row's student as the class keeps them, or why they cannot join it:
// a name among `inClass` or on an earlier line of `linesOfNames`.
Result<StudentEntry> rowStudent(const QSet<QString>& inClass, const StudentForm& form,
                                QHash<QString, int>& linesOfNames, int line) {
    if (trimmedText(form[StudentField::Name]).isEmpty()) return fail(CsvImport::tr("the name is empty"));
    Result<StudentEntry> entry = checkStudentForm(form);
    if (!entry) return entry;
    const QString name = cp1252::toUnicode(entry->student.name);
    const QString key = foldedStudentName(entry->student.name);
    if (inClass.contains(key)) return fail(CsvImport::tr("\"%1\" is already in the class").arg(name));
    if (const auto earlier = linesOfNames.constFind(key); earlier != linesOfNames.cend()) {
        return fail(CsvImport::tr("\"%1\" is also on line %2").arg(name, QString::number(*earlier)));
    }
    linesOfNames.insert(key, line);
    return entry;
}

}  // namespace

CheckedStudentRows checkStudentRows(const ClassRecord& cls, const CsvTable& table) {
    Columns columns;
    CheckedStudentRows checked;
    checked.problems = readHeader(table.header, studentColumns(),
                                  {QString::fromLatin1(studentField(StudentField::Name).column)}, columns);
    if (!checked.problems.empty()) return checked;

    // Every row is checked, against the class and the rows above it.
    const QSet<QString> inClass = foldedStudentNames(cls);
    QHash<QString, int> linesOfNames;
    for (const CsvRecord& row : table.rows) {
        if (const auto wrong = checkWidth(row, table.header)) {
            checked.problems.push_back(*wrong);
            continue;
        }
        Result<StudentEntry> entry = rowStudent(inClass, formOf(row, columns), linesOfNames, row.line);
        if (entry) checked.entries.push_back(std::move(entry).value());
        else checked.problems.push_back({row.line, entry.message()});
    }
    if (!checked.problems.empty()) checked.entries.clear();
    return checked;
}

std::vector<RowProblem> importStudentRows(ClassRecord& cls, const CsvTable& table) {
    CheckedStudentRows checked = checkStudentRows(cls, table);
    // All or none: no student joins while any row is refused.
    for (StudentEntry& entry : checked.entries) appendStudent(cls, std::move(entry));
    return checked.problems;
}

Result<std::vector<StudentEntry>> readStudentCsvFile(const QString& path, const ClassRecord& cls) {
    const Result<CsvTable> table = readCsvTable(path);
    if (!table) return table.error();
    CheckedStudentRows checked = checkStudentRows(cls, *table);
    if (!checked.problems.empty()) {
        return fail(rowProblemLines(path, checked.problems).join(QLatin1Char('\n')));
    }
    return std::move(checked.entries);
}

std::vector<RowProblem> setPointRows(ClassRecord& cls, std::size_t assignment, const CsvTable& table) {
    const QStringList names = {QStringLiteral("name"), QStringLiteral("points")};
    Columns columns;
    std::vector<RowProblem> problems = readHeader(table.header, names, names, columns);
    if (!problems.empty()) return problems;

    std::vector<NamedPoints> rows;
    for (const CsvRecord& row : table.rows) {
        if (const auto wrong = checkWidth(row, table.header)) {
            problems.push_back(*wrong);
            continue;
        }
        rows.push_back({row.line, row.fields[columns.value(names[0])], row.fields[columns.value(names[1])]});
    }
    ClassRecord changed = cls;
    const std::vector<RowProblem> refused = setPointsByName(changed, assignment, rows);
    problems.insert(problems.end(), refused.begin(), refused.end());
    std::stable_sort(problems.begin(), problems.end(),
                     [](const RowProblem& a, const RowProblem& b) { return a.line < b.line; });
    if (problems.empty()) cls = std::move(changed);
    return problems;
}

}  // namespace markwell
