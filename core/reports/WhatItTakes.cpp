// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/reports/WhatItTakes.h"

#include "core/common/Cp1252.h"
#include "core/common/NumberText.h"
#include "core/data/PointEntry.h"
#include "core/grading/GradesLayout.h"
#include "core/grading/GradesTable.h"
#include "core/grading/LetterGrade.h"

#include <QCoreApplication>

#include <algorithm>
#include <optional>

namespace markwell {
namespace {

struct WhatItTakesText {
    Q_DECLARE_TR_FUNCTIONS(WhatItTakes)
};

// A student's grade depends on their own entries, the assignments' totals
// and the rules alone: the class with that student only grades the same and
// is quick to grade again and again. It is built up from those alone, as a
// copy of a large class would take longer than all the grading after it.
ClassRecord classOfOne(const ClassRecord& cls, const std::string& name) {
    ClassRecord one;
    one.gridProps = cls.gridProps;
    one.gradeScale = cls.gradeScale;
    one.weightGrades = cls.weightGrades;
    one.lowScoreInfo = cls.lowScoreInfo;
    for (const StudentInfo& s : cls.students) {
        if (s.name == name) one.students.push_back(s);
    }
    one.assignments.reserve(cls.assignments.size());
    for (const AssignmentInfo& a : cls.assignments) {
        AssignmentInfo& kept = one.assignments.emplace_back();
        kept.title = a.title;
        kept.description = a.description;
        kept.assign_type = a.assign_type;
        kept.total = a.total;
        for (const std::string& entry : a.namegrade) {
            const PointEntry e = splitPointEntry(entry);
            if (e.hasSeparator && e.name == name) kept.namegrade.push_back(entry);
        }
    }
    return one;
}

// Every entry of the name takes the points, as typing them into the table does.
void setPoints(AssignmentInfo& assignment, const std::string& name, double points) {
    const std::string entry = makePointEntry(name, generalText(points));
    if (assignment.namegrade.empty()) assignment.namegrade.push_back(entry);
    else std::fill(assignment.namegrade.begin(), assignment.namegrade.end(), entry);
}

struct Graded {
    QString letter;
    QString average;
};

Graded gradeWith(ClassRecord& one, const std::string& name, std::size_t assignment, double points) {
    setPoints(one.assignments[assignment], name, points);
    const GradesTable table = buildGradesTable(one);
    const GradesLayout layout = GradesLayout::of(table.sheet);
    const int row = GradesLayout::kFirstStudentRow;
    return {table.sheet.text(row, layout.gradeCol()), table.sheet.text(row, layout.averageCol())};
}

// The points tried, in order: steps of one half, then the possible points themselves.
std::vector<double> pointsToTry(double possible) {
    std::vector<double> steps;
    for (int k = 0; k * 0.5 < possible; ++k) steps.push_back(k * 0.5);
    steps.push_back(possible);
    return steps;
}

}  // namespace

Result<WhatItTakes> whatItTakes(const ClassRecord& cls, const std::string& name, std::size_t assignment,
                                const QString& letter) {
    const std::vector<QString> letters = scaleLetterTexts(cls.gradeScale);
    const std::optional<std::size_t> wantedRank = findScaleLetter(letters, letter);
    if (!wantedRank) {
        return fail(WhatItTakesText::tr("\"%1\" is not a letter of the grade scale").arg(letter.trimmed()));
    }
    const auto rank = [&letters](const QString& l) {
        return static_cast<std::size_t>(std::find(letters.begin(), letters.end(), l) - letters.begin());
    };

    WhatItTakes answer;
    answer.letter = letters[*wantedRank].trimmed();
    answer.title = cp1252::toUnicode(cls.assignments.at(assignment).title);
    const double total = cls.assignments[assignment].total;
    answer.possible = total > 0 ? total : 100;
    ClassRecord one = classOfOne(cls, name);
    for (double points : pointsToTry(answer.possible)) {
        const Graded graded = gradeWith(one, name, assignment, points);
        answer.points = points;
        answer.average = graded.average;
        answer.reachedLetter = graded.letter;
        if (rank(graded.letter) <= *wantedRank) {
            answer.outcome = points == 0 ? WhatItTakes::Outcome::ReachedWithZero : WhatItTakes::Outcome::Needs;
            return answer;
        }
    }
    answer.outcome = WhatItTakes::Outcome::OutOfReach;
    return answer;
}

QString whatItTakesSentence(const WhatItTakes& a) {
    switch (a.outcome) {
    case WhatItTakes::Outcome::Needs:
        return WhatItTakesText::tr("Needs %1 of %2 points on \"%3\" for %4 (average %5).")
            .arg(generalQText(a.points), generalQText(a.possible), a.title, a.letter, a.average);
    case WhatItTakes::Outcome::ReachedWithZero:
        return WhatItTakesText::tr("%1 is reached with 0 points on \"%2\" (average %3).")
            .arg(a.letter, a.title, a.average);
    case WhatItTakes::Outcome::OutOfReach:
        return WhatItTakesText::tr("%1 is out of reach on \"%2\": %3 of %3 points give %4 (average %5).")
            .arg(a.letter, a.title, generalQText(a.possible), a.reachedLetter, a.average);
    }
    return {};
}

}  // namespace markwell
