// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "core/data/ClassRecord.h"
#include "core/sheet/Sheet.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace markwell {

// Which students get a report (and, when mailing, a message). Every choice
// gives indexes into cls.students in class order, each student once; the
// grades table is the class's as built, read as the Grades page shows it.
struct StudentChoice {
    enum class Kind {
        All,
        Selected,     // the student rows of `rows` on the Grades page
        GradeAtMost,  // whose letter is `letter` or worse on the class's scale
        Named,        // the students of `names`, exactly as the class has them
    };
    Kind kind = Kind::All;
    CellRange rows;
    QString letter;
    QStringList names;
};

Result<std::vector<int>> chooseStudents(const ClassRecord& cls, const Sheet& grades, const StudentChoice& choice);

// The students whose names the rows from `firstRow` to `lastRow` of the
// grades table show (every student of such a name); rows that are not a
// student's are passed over.
std::vector<int> studentsInRows(const ClassRecord& cls, const Sheet& grades, int firstRow, int lastRow);

// The students whose Grade is `letter` or a letter after it in the scale's
// table (matched as the what-if letter is: without regard to case and
// surrounding blanks). A student whose grade is "-" (no possible points) has
// no letter and is not among them. Refuses a letter the scale does not have.
Result<std::vector<int>> studentsGradedAtMost(const ClassRecord& cls, const Sheet& grades, const QString& letter);

// The students of these names, exactly as the class writes them (letter
// case counts; every student of a name). Refuses, naming them, any name the
// class does not have.
Result<std::vector<int>> studentsNamed(const ClassRecord& cls, const QStringList& names);

// The names of a text file, one a line, each exactly as written (UTF-8; a
// Windows line end is left out, blank lines are passed over). A file that is
// not UTF-8 text, or larger than any roster's names could be, is refused.
Result<QStringList> readNameList(const QString& path);

}  // namespace markwell
