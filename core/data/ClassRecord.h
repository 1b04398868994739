// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/Records.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace markwell {

// One class, as a value. Editors work on a copy and hand back the new value.
// `comments` is index-parallel to `students`; every assignment's point list
// holds one entry per student in class order.
struct ClassRecord {
    GridProperties gridProps;
    CurrentGradeScale gradeScale;
    WeightedGrades weightGrades;
    DropLowScoreInfo lowScoreInfo;
    std::vector<StudentInfo> students;
    std::vector<AssignmentInfo> assignments;
    std::vector<CommentInfo> comments;
    std::vector<SeatingInfo> Seats;  // student seats in creation order
    SeatingInfo teacherSeat = defaultTeacherSeat();

    bool operator==(const ClassRecord&) const = default;
};

// A new, empty class with the default settings and the given scale.
ClassRecord newClassRecord(const CurrentGradeScale& defaultScale);

// A sibling file's path: the grade file's path without its last three
// characters, whatever they are, followed by `suffix` ("ATD" or "SEA").
QString siblingPath(const QString& gradeFile, const QString& suffix);
inline QString attendancePathFor(const QString& gradeFile) {
    return siblingPath(gradeFile, QStringLiteral("ATD"));
}
inline QString seatingPathFor(const QString& gradeFile) {
    return siblingPath(gradeFile, QStringLiteral("SEA"));
}
// The three files of the class at `gradeFile`: the grade file, its .ATD and .SEA.
inline QStringList classFilePathsFor(const QString& gradeFile) {
    return {gradeFile, attendancePathFor(gradeFile), seatingPathFor(gradeFile)};
}

}  // namespace markwell
