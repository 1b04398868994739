// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "core/data/ClassRecord.h"
#include "core/editing/ListMoves.h"
#include "core/editing/StudentFields.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

namespace markwell {

// Editing the students of a class. Each operation keeps the comments (index
// parallel to the students) and every assignment's point list in step:
//
//   add      an entry name~0 is appended to every point list, a comment to
//            the comments;
//   rename   the student's entry in every list takes the new name and keeps
//            its points; the comment and the seats of that name follow;
//   delete   the student's entry goes from every list, the comment with it;
//   move     the entries of the two students change places, so do comments.
//
// A student's entry is the one at the student's position when its name
// matches, else the first of that name (see findStudentEntry): a second
// student of one name keeps their own points, and lists of damaged files,
// short or out of order, are never read past their end.
//
// Names are unique in a class, letter case ignored, as attendance matches
// them; a student never clashes with their own name.

// A student's new name, for what the class keeps outside this value (the
// attendance records of every month).
struct StudentRename {
    std::string from;
    std::string to;
    bool operator==(const StudentRename&) const = default;
};

// The index of the student of that name (letter case ignored), skipping
// `except`; none when there is none.
std::optional<std::size_t> findStudentNamed(const ClassRecord& cls, std::string_view name,
                                            std::optional<std::size_t> except = std::nullopt);
// Every name of the class as findStudentNamed compares them (see
// foldedStudentName): for checking many names at once.
QSet<QString> foldedStudentNames(const ClassRecord& cls);

// Adds the student at the end; gives the new student's index.
Result<std::size_t> addStudent(ClassRecord& cls, const StudentForm& form);
// Puts a student checked by checkStudentForm, whose name is new to the
// class, at the end with 0 points everywhere; gives the index.
std::size_t appendStudent(ClassRecord& cls, StudentEntry entry);

// Replaces the details and comment of the student at `index` with the form's
// (checked as for Add). Gives the rename when the name changed.
Result<std::optional<StudentRename>> updateStudent(ClassRecord& cls, std::size_t index, const StudentForm& form);

// False when there is no student at `index`.
bool deleteStudent(ClassRecord& cls, std::size_t index);
bool moveStudent(ClassRecord& cls, std::size_t index, MoveDirection direction);

// No students, no comments and no assignments left.
void clearStudents(ClassRecord& cls);

// What importing students from another class did.
struct StudentImport {
    struct Skipped {
        std::string name;  // as it was in the other file
        QString reason;
    };
    std::vector<std::string> added;  // names as stored
    std::vector<Skipped> skipped;
    // One message listing the students skipped and why, empty when none was.
    QString message() const;
};

// Appends copies of the students, each name trimmed once (in the record, the
// comment and the entries alike), with an empty comment and name~0 in every
// point list. A student whose name is empty, holds "~" or is already in the
// class is skipped.
StudentImport importStudents(ClassRecord& cls, const std::vector<StudentInfo>& students);

}  // namespace markwell
