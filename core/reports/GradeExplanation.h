// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/ClassRecord.h"
#include "core/grading/GradesTable.h"
#include "core/sheet/Sheet.h"

#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace markwell {

// How one student's average and letter came out, step by step, taken from
// the grading code itself (the same point totals, dropped cells, weights and
// rounding as the grades table), so that it can never disagree with it.
struct GradeExplanation {
    // Why an assignment adds to the average or not.
    enum class Counts {
        Yes,
        ExtraCredit,       // plain average, no possible points: all bonus
        DroppedOverall,    // the lowest score of all
        DroppedOfType,     // the lowest score of its type
        NotCounted,        // "-" (or no entry)
        NoPossiblePoints,  // weighted average: a total of 0 counts nothing
        NoKnownType,       // weighted average: only the six types count
    };
    struct AssignmentRow {
        QString title;
        int type = -1;     // index in the type table, -1 for none
        QString points;    // as the table shows it, "-" when it does not count
        QString possible;  // the assignment's total as the Total row shows it
        Counts counts = Counts::Yes;

        bool dropped() const { return counts == Counts::DroppedOverall || counts == Counts::DroppedOfType; }
    };
    struct TypeRow {
        int type = 0;
        double earned = 0;
        double possible = 0;
        int weight = 0;
        double factor = 1;
        double countedEarned = 0;
        double countedPossible = 0;
    };

    QString studentName;
    std::vector<AssignmentRow> assignments;
    std::vector<TypeRow> types;  // under weights only
    bool weighted = false;
    double earned = 0;  // as the average uses them
    double possible = 0;
    QString shownAverage;                                     // "97.57%", as in the Average column
    QString letter;                                           // as in the Grade column ("-" without possible points)
    std::optional<std::pair<QString, QString>> letterBounds;  // the scale's range holding the letter

    bool hasPossiblePoints() const { return possible != 0; }
    // "97.571429": the average before rounding, six decimals.
    QString unroundedAverage() const;
};

// The explanation for the student row `row` of `table`, the grades table of
// `cls` as built. A row that is not a student's gives none.
std::optional<GradeExplanation> explainGrade(const ClassRecord& cls, const GradesTable& table, int row);
// The same from the grades table's cells alone: the dropped cells are found
// again for that row, as the table's rebuild finds them.
std::optional<GradeExplanation> explainGrade(const ClassRecord& cls, const Sheet& grades, int row);

// Explanations of many rows of one grades table (every student's report of
// a class): the table's names and the class's point entries are indexed
// once, so that explaining each row costs that row alone. `cls` and
// `grades` must outlive it.
class GradeExplainer {
public:
    GradeExplainer(const ClassRecord& cls, const Sheet& grades);
    ~GradeExplainer();
    GradeExplainer(const GradeExplainer&) = delete;
    GradeExplainer& operator=(const GradeExplainer&) = delete;

    // As explainGrade gives it.
    std::optional<GradeExplanation> explain(int row) const;

private:
    struct Indexes;
    const ClassRecord& cls_;
    const Sheet& grades_;
    std::unique_ptr<Indexes> indexes_;
};

// How the explanation writes its sums and factors: in full (markwell-cli's
// defined form, 0.666666666666667), or as a person reads them, rounded half
// away from zero to at most four decimals (0.6667) in the window and on paper.
enum class ExplanationFigures { Exact, Rounded };

// The explanation of the student at index `student` of the class, as a
// table: none when the class has no assignments to explain a grade by.
std::optional<Sheet> studentExplanationSheet(const ClassRecord& cls, const Sheet& grades, int student,
                                             ExplanationFigures figures = ExplanationFigures::Exact);

// The explanation as a table: the assignment rows under their heading, the
// type rows under theirs (weights only), then Earned, Possible, Average and
// Grade, an empty row between the blocks. markwell-cli prints it as it is.
Sheet explanationSheet(const GradeExplanation& explanation, ExplanationFigures figures = ExplanationFigures::Exact);

// The explanation as printed: titled with the student's name in the print
// header and, when one is given, the answer of "What would it take?" below
// the table under its own heading.
Sheet explanationPrintCopy(const Sheet& explanation, const QString& gradeFilePath, const QString& studentName,
                           const QString& whatItTakes);

// The reason an assignment counts or not, as the explanation words it.
QString countsText(const GradeExplanation& explanation, const GradeExplanation::AssignmentRow& row);

// The short form for the Average cell's tool tip: "252 of 265 points after
// dropping Homework 1 (lowest score overall) = 95.09%".
QString explanationSummary(const GradeExplanation& explanation);

// The tool tip of a cell of the grades table: the short form for a student's
// Average cell, nothing for any other cell. Worked out for that one row
// only, when asked.
QString averageToolTip(const ClassRecord& cls, const Sheet& grades, int row, int col);

}  // namespace markwell
