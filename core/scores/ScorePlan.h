// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/ClassRecord.h"
#include "core/editing/RowProblem.h"
#include "core/editing/StudentFields.h"
#include "core/scores/ScoreFile.h"
#include "core/scores/ScoreMapping.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace markwell {

// Every change an import of scores would make to a class, worked out before
// anything changes: the preview shows it, and the import makes exactly it.
// A blank never overwrites a score, a score equal to the one kept ("85.00"
// and "85") is no change, and anything the teacher must settle first (a
// refused cell, a row matching no student or two, two rows of one student,
// two columns of one assignment) is a problem that stops the import.

// Where each row of the file goes.
struct PlannedRow {
    enum class Status {
        Matched,     // to `student`, found by `by` or chosen
        NewStudent,  // joins the class as `student`
        Skipped,     // left out: chosen, or matching no one while unmatched rows are skipped
        NoName,      // no name, ID or address: not a student's row
        Unmatched,   // matches no student: a problem
        Ambiguous,   // matches several students: a problem
        Duplicate,   // matches a student an earlier row matches: a problem
    };
    Status status = Status::Unmatched;
    std::optional<std::size_t> student;  // in the class as changed
    MatchBy by = MatchBy::Auto;          // Matched: how; Auto when the teacher chose
    QString name;                        // as the file gives it
    QString note;                        // what a person is told about the row
};

// One score set: a line of the preview.
struct ScoreChange {
    std::size_t row = 0;     // of the file's table
    std::size_t column = 0;  // of the file's table
    std::size_t student = 0;
    std::size_t assignment = 0;
    std::string old;  // the score kept now; empty for a new student or assignment
    std::string points;
    bool isNew = false;       // of a new student or assignment
    bool aboveTotal = false;  // more than the possible points: extra credit
    double possible = 0;      // the assignment's possible points
};

struct ScoreCounts {
    int changed = 0;
    int unchanged = 0;  // equal to the score kept, or missing work kept as it is
    int newAssignments = 0;
    int newStudents = 0;
    int refusedCells = 0;
};

struct ScorePlan {
    std::vector<PlannedRow> rows;  // one per row of the file
    std::vector<ScoreChange> changes;
    std::vector<RowProblem> problems;            // in line order
    std::vector<std::size_t> notInFile;          // students of the class no row is about
    std::vector<StudentEntry> newStudents;       // at the end of the class, in this order
    std::vector<AssignmentInfo> newAssignments;  // at the end, without their point lists
    // The names and titles of the class as changed, for showing the changes.
    std::vector<QString> studentNames;
    std::vector<QString> assignmentTitles;
    ScoreCounts counts;

    bool blocked() const { return !problems.empty(); }
    bool changesAnything() const { return !changes.empty() || !newStudents.empty() || !newAssignments.empty(); }
};

ScorePlan planScoreImport(const ClassRecord& cls, const ScoreTable& table, const ScoreMapping& mapping);

// Makes the plan's changes: the new students, then the new assignments,
// then every score. The plan must have been made of this class, unblocked.
void applyScorePlan(ClassRecord& cls, const ScorePlan& plan);

// The problems as markwell-cli and the import's refusal report them: one
// line each naming the file and line, then how many.
QStringList scoreProblemLines(const QString& path, const ScorePlan& plan);

}  // namespace markwell
