// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/ClassRecord.h"
#include "core/editing/RowProblem.h"
#include "core/files/CsvReader.h"
#include "core/scores/ScoreFile.h"
#include "core/scores/StudentMatching.h"

#include <QHash>

#include <map>
#include <optional>
#include <vector>

namespace markwell {

// What the teacher chose for a score file: what each column is used for,
// which student each row is, and how missing work and unknown students are
// taken. The Import Scores window and markwell-cli import-scores start from
// the same choices (defaultScoreMapping).

struct ColumnUse {
    // Score: the column's scores go to `assignment`, or to a new assignment
    // when there is none. Ignored: left alone. Else the student's detail it
    // holds.
    ColumnRole role = ColumnRole::Ignored;
    std::optional<std::size_t> assignment;
    // A new assignment: as the assignment editor takes them.
    QString newTitle;
    QString newType;
    QString newPossible;

    bool operator==(const ColumnUse&) const = default;
};

// A row's student as the teacher chose it, in place of the match.
struct RowChoice {
    enum class Kind { Student, Skip, NewStudent };
    Kind kind = Kind::Skip;
    std::size_t student = 0;  // Student: the index in the class

    bool operator==(const RowChoice&) const = default;
};

struct ScoreMapping {
    MatchBy matchBy = MatchBy::Auto;
    std::vector<ColumnUse> columns;         // one per column of the file
    std::map<std::size_t, RowChoice> rows;  // by row of the file's table
    bool missingAsZero = false;             // "Missing" and "N/A" count as 0
    bool addStudents = false;               // rows matching no student join the class
    bool skipUnmatched = false;             // rows matching no student are left out

    bool operator==(const ScoreMapping&) const = default;
};

// The class's assignments by title (titleKey), the first of each title.
class AssignmentTitles {
public:
    explicit AssignmentTitles(const ClassRecord& cls);
    std::optional<std::size_t> find(const QString& title) const;

private:
    QHash<QString, std::size_t> first_;
};

// A score column to a new assignment of `type`, titled as the column, with
// the points row's possible points.
ColumnUse newAssignmentUse(const ScoreColumn& column, const QString& type);

// Each column as its heading says: details as details; a score column to
// the class's first assignment of its title, else to a new assignment of
// `newType` when one is given, else ignored; everything else ignored.
ScoreMapping defaultScoreMapping(const ClassRecord& cls, const ScoreTable& table, const QString& newType = {});

// Applies a map file with the columns "column" (a heading of the score file,
// or its assignment title) and "assignment" (a title of the class; empty
// ignores the column). A title the class does not have makes a new
// assignment of `newType`, or is refused without one. Every refused row.
std::vector<RowProblem> applyColumnMap(ScoreMapping& mapping, const ClassRecord& cls, const ScoreTable& table,
                                       const CsvTable& map, const QString& newType);

}  // namespace markwell
