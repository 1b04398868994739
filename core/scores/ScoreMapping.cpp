// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/scores/ScoreMapping.h"

#include "core/common/Cp1252.h"
#include "core/scores/ScoreColumns.h"
#include "core/scores/ScoreValues.h"

#include <QCoreApplication>

namespace markwell {
namespace {

struct ScoreMappingText {
    Q_DECLARE_TR_FUNCTIONS(ScoreMapping)
};

// The column a map row names: by heading, else by assignment title.
std::optional<std::size_t> columnNamed(const ScoreTable& table, const QString& name) {
    const QString plain = plainHeading(name);
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
        if (plainHeading(table.columns[c].heading) == plain) return c;
    }
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
        const ScoreColumn& column = table.columns[c];
        if (column.role == ColumnRole::Score && titleKey(column.title) == titleKey(name)) return c;
    }
    return std::nullopt;
}

}  // namespace

AssignmentTitles::AssignmentTitles(const ClassRecord& cls) {
    for (std::size_t i = 0; i < cls.assignments.size(); ++i) {
        const QString key = titleKey(cp1252::toUnicode(cls.assignments[i].title));
        if (!first_.contains(key)) first_.insert(key, i);
    }
}

std::optional<std::size_t> AssignmentTitles::find(const QString& title) const {
    const auto it = first_.constFind(titleKey(title));
    if (it == first_.cend()) return std::nullopt;
    return *it;
}

ColumnUse newAssignmentUse(const ScoreColumn& column, const QString& type) {
    ColumnUse use;
    use.role = ColumnRole::Score;
    use.newTitle = column.title;
    use.newType = type;
    // "(read only)" and the like under a column give no possible points.
    const ScoreValue possible = readScoreValue(column.possible, true);
    if (possible.kind == ScoreValue::Kind::Points) use.newPossible = QString::fromLatin1(possible.points);
    return use;
}

ScoreMapping defaultScoreMapping(const ClassRecord& cls, const ScoreTable& table, const QString& newType) {
    ScoreMapping mapping;
    const AssignmentTitles titles(cls);
    for (const ScoreColumn& column : table.columns) {
        ColumnUse use;
        use.role = column.role;
        if (column.role == ColumnRole::Score) {
            use.assignment = titles.find(column.title);
            if (!use.assignment) use = newType.isEmpty() ? ColumnUse{} : newAssignmentUse(column, newType);
        }
        mapping.columns.push_back(std::move(use));
    }
    return mapping;
}

std::vector<RowProblem> applyColumnMap(ScoreMapping& mapping, const ClassRecord& cls, const ScoreTable& table,
                                       const CsvTable& map, const QString& newType) {
    std::vector<RowProblem> problems;
    const qsizetype columnField = map.header.fields.indexOf(QStringLiteral("column"));
    const qsizetype assignmentField = map.header.fields.indexOf(QStringLiteral("assignment"));
    if (columnField < 0 || assignmentField < 0) {
        return {{map.header.line, ScoreMappingText::tr("the header must name the columns \"column\" and "
                                                       "\"assignment\"")}};
    }
    const AssignmentTitles titles(cls);
    for (const CsvRecord& row : map.rows) {
        const QString name = row.fields.value(columnField).trimmed();
        const QString title = row.fields.value(assignmentField).trimmed();
        const std::optional<std::size_t> column = columnNamed(table, name);
        if (!column) {
            problems.push_back({row.line, ScoreMappingText::tr("the score file has no column \"%1\"").arg(name)});
            continue;
        }
        ColumnUse& use = mapping.columns[*column];
        if (title.isEmpty()) {
            use = ColumnUse{};
        } else if (const std::optional<std::size_t> assignment = titles.find(title)) {
            use = ColumnUse{ColumnRole::Score, assignment, {}, {}, {}};
        } else if (!newType.isEmpty()) {
            use = newAssignmentUse(table.columns[*column], newType);
            use.newTitle = title;
        } else {
            problems.push_back({row.line, ScoreMappingText::tr("the class has no assignment \"%1\" (--new-assignments "
                                                               "TYPE makes it)")
                                              .arg(title)});
        }
    }
    return problems;
}

}  // namespace markwell
