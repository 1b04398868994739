// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/reports/GradeExplanation.h"

#include "core/common/Cp1252.h"
#include "core/common/NumberText.h"
#include "core/data/Tables.h"
#include "core/grading/EntryIndex.h"
#include "core/grading/GradesAssembly.h"
#include "core/grading/GradesLayout.h"
#include "core/grading/LetterGrade.h"
#include "core/grading/PointTotals.h"
#include "core/printout/ReportStyle.h"
#include "core/reports/ReportCells.h"

#include <QCoreApplication>

#include <algorithm>

namespace markwell {
namespace {

struct GradeExplanationText {
    Q_DECLARE_TR_FUNCTIONS(GradeExplanation)
};
using Counts = GradeExplanation::Counts;

bool isDropped(const std::vector<DroppedCell>& dropped, int row, int col) {
    return std::any_of(dropped.begin(), dropped.end(),
                       [row, col](const DroppedCell& d) { return d.row == row && d.col == col; });
}

// Why the cell at (row, col) adds to the average or not, by the rules the
// average was made with.
Counts countsOf(const ClassRecord& cls, const Sheet& sheet, const std::vector<DroppedCell>& dropped, int row, int col,
                double possible, int type) {
    if (!countedPoints(sheet, row, col)) return Counts::NotCounted;
    if (isDropped(dropped, row, col)) {
        return cls.lowScoreInfo.drop_type == droprule::kLowestPerType ? Counts::DroppedOfType : Counts::DroppedOverall;
    }
    if (cls.weightGrades.enabled) {
        if (!(possible > 0)) return Counts::NoPossiblePoints;
        if (type < 0) return Counts::NoKnownType;
        return Counts::Yes;
    }
    return possible == 0 ? Counts::ExtraCredit : Counts::Yes;
}

std::vector<GradeExplanation::AssignmentRow> assignmentRows(const ClassRecord& cls, const Sheet& sheet,
                                                            const std::vector<DroppedCell>& dropped, int row) {
    const GradesLayout layout = GradesLayout::of(sheet);
    const std::vector<int> types = assignmentTypeIndexes(cls);
    std::vector<GradeExplanation::AssignmentRow> rows;
    for (int col = GradesLayout::kFirstAssignmentCol; col <= layout.lastAssignmentCol(); ++col) {
        const auto k = static_cast<std::size_t>(layout.assignmentIndexOf(col));
        GradeExplanation::AssignmentRow r;
        r.title = sheet.text(GradesLayout::kHeadingRow, col);
        r.type = k < types.size() ? types[k] : -1;
        r.points = sheet.text(row, col).isEmpty() ? QStringLiteral("-") : sheet.text(row, col);
        r.possible = sheet.text(layout.totalRow(), col);
        const double possible = k < cls.assignments.size() ? cls.assignments[k].total : 0;
        // The plain average takes the possible points from the Total row as shown.
        const double shownPossible =
            cls.weightGrades.enabled ? possible : countedPoints(sheet, layout.totalRow(), col).value_or(0);
        r.counts = countsOf(cls, sheet, dropped, row, col, shownPossible, r.type);
        rows.push_back(std::move(r));
    }
    return rows;
}

std::vector<GradeExplanation::TypeRow> typeRows(const ClassRecord& cls, const WeightedBreakdown& b) {
    std::vector<GradeExplanation::TypeRow> rows;
    for (int type = 0; type < kAssignmentTypeCount; ++type) {
        const auto t = static_cast<std::size_t>(type);
        rows.push_back({type, b.earned[t], b.possible[t], cls.weightGrades.weight(type), b.factors.factor[t],
                        b.earned[t] * b.factors.factor[t], b.possible[t] * b.factors.factor[t]});
    }
    return rows;
}

QString number(double value, ExplanationFigures figures = ExplanationFigures::Exact) {
    return figures == ExplanationFigures::Rounded ? roundedText(value, 4) : generalQText(value);
}

void setRow(Sheet& sheet, int row, const QStringList& cells) {
    for (qsizetype i = 0; i < cells.size(); ++i) sheet.setText(row, static_cast<int>(i) + 1, cells[i]);
}

}  // namespace

QString GradeExplanation::unroundedAverage() const {
    if (!hasPossiblePoints()) return GradeExplanationText::tr("no possible points");
    return QString::number(earned / possible * 100, 'f', 6);
}

std::optional<GradeExplanation> explainGrade(const ClassRecord& cls, const GradesTable& table, int row) {
    return explainGrade(cls, table.sheet, row);
}

namespace {

// Whether the row's rules walk all the entries of the row's name.
bool needsEntryIndex(const ClassRecord& cls) {
    return cls.weightGrades.enabled || cls.lowScoreInfo.drop_type == droprule::kLowestPerType;
}

// The explanation of a student row, by the same steps as the table's rebuild.
GradeExplanation explanationOf(const ClassRecord& cls, const Sheet& sheet, const EntryIndex* index,
                               const PointTotalsCalculator& calculator, int row) {
    const GradesLayout layout = GradesLayout::of(sheet);
    std::vector<DroppedCell> dropped;
    const PointTotals totals = calculator.forRow(row, &dropped);

    GradeExplanation e;
    e.studentName = sheet.text(row, GradesLayout::kNameCol);
    e.assignments = assignmentRows(cls, sheet, dropped, row);
    e.weighted = cls.weightGrades.enabled;
    if (e.weighted) {
        const WeightedBreakdown breakdown = WeightedAverager(cls, *index, calculator).breakdownOf(row, layout);
        e.types = typeRows(cls, breakdown);
        e.earned = breakdown.scaledEarned;
        e.possible = breakdown.scaledPossible;
    } else {
        e.earned = totals.earned;
        e.possible = totals.possible;
    }
    e.shownAverage = averageOf(e.earned, e.possible);
    // The letter goes by the average as shown and the points possible before weighting, as the table's does.
    const LetterGrader grader(cls.gradeScale);
    QString shown = e.shownAverage;
    shown.chop(1);
    e.letter = grader.letter(totals.possible, parseNumber(shown).value_or(0));
    e.letterBounds = grader.boundsOf(e.letter);
    return e;
}

}  // namespace

std::optional<GradeExplanation> explainGrade(const ClassRecord& cls, const Sheet& sheet, int row) {
    const GradesLayout layout = GradesLayout::of(sheet);
    if (!layout.isStudentRow(row) || !layout.hasAssignments()) return std::nullopt;
    // The entries of this one row alone are indexed: a tool tip asks for one.
    const StudentRows rows(sheet);
    std::optional<EntryIndex> index;
    if (needsEntryIndex(cls)) index.emplace(rows, cls, row);
    const PointTotalsCalculator calculator(sheet, cls, index ? &*index : nullptr);
    return explanationOf(cls, sheet, index ? &*index : nullptr, calculator, row);
}

struct GradeExplainer::Indexes {
    Indexes(const ClassRecord& cls, const Sheet& grades)
        : rows(grades), index(needsEntryIndex(cls) ? std::make_optional<EntryIndex>(rows, cls) : std::nullopt),
          calculator(grades, cls, index ? &*index : nullptr) {}

    StudentRows rows;
    std::optional<EntryIndex> index;
    PointTotalsCalculator calculator;
};

GradeExplainer::GradeExplainer(const ClassRecord& cls, const Sheet& grades)
    : cls_(cls), grades_(grades), indexes_(std::make_unique<Indexes>(cls, grades)) {}

GradeExplainer::~GradeExplainer() = default;

std::optional<GradeExplanation> GradeExplainer::explain(int row) const {
    const GradesLayout layout = GradesLayout::of(grades_);
    if (!layout.isStudentRow(row) || !layout.hasAssignments()) return std::nullopt;
    const EntryIndex* index = indexes_->index ? &*indexes_->index : nullptr;
    return explanationOf(cls_, grades_, index, indexes_->calculator, row);
}

QString countsText(const GradeExplanation& explanation, const GradeExplanation::AssignmentRow& row) {
    (void)explanation;
    switch (row.counts) {
    case Counts::Yes: return GradeExplanationText::tr("yes");
    case Counts::ExtraCredit: return GradeExplanationText::tr("yes: extra credit");
    case Counts::DroppedOverall: return GradeExplanationText::tr("dropped: lowest score overall");
    case Counts::DroppedOfType:
        return GradeExplanationText::tr("dropped: lowest %1 score").arg(assignmentTypeLabel(row.type));
    case Counts::NotCounted: return GradeExplanationText::tr("no: does not count (-)");
    case Counts::NoPossiblePoints: return GradeExplanationText::tr("no: no possible points");
    case Counts::NoKnownType: return GradeExplanationText::tr("no: no known type");
    }
    return {};
}

Sheet explanationSheet(const GradeExplanation& e, ExplanationFigures figures) {
    const auto figure = [figures](double value) { return number(value, figures); };
    Sheet sheet;
    const int typeBlock = e.weighted ? kAssignmentTypeCount + 2 : 0;
    const int lastRow = 1 + static_cast<int>(e.assignments.size()) + 1 + typeBlock + 4;
    sheet.setMaxRow(lastRow);
    sheet.setMaxCol(e.weighted ? 7 : 5);
    int row = 1;
    setRow(
        sheet, row++,
        {GradeExplanationText::tr("Assignment"), GradeExplanationText::tr("Type"), GradeExplanationText::tr("Points"),
         GradeExplanationText::tr("Possible"), GradeExplanationText::tr("Counts")});
    for (const GradeExplanation::AssignmentRow& a : e.assignments) {
        setRow(
            sheet, row++,
            {a.title, a.type >= 0 ? assignmentTypeLabel(a.type) : QString(), a.points, a.possible, countsText(e, a)});
    }
    ++row;
    if (e.weighted) {
        setRow(
            sheet, row++,
            {GradeExplanationText::tr("Type"), GradeExplanationText::tr("Earned"), GradeExplanationText::tr("Possible"),
             GradeExplanationText::tr("Weight"), GradeExplanationText::tr("Factor"),
             GradeExplanationText::tr("Counted earned"), GradeExplanationText::tr("Counted possible")});
        for (const GradeExplanation::TypeRow& t : e.types) {
            setRow(sheet, row++,
                   {assignmentTypeLabel(t.type), figure(t.earned), figure(t.possible), QString::number(t.weight),
                    figure(t.factor), figure(t.countedEarned), figure(t.countedPossible)});
        }
        ++row;
    }
    setRow(sheet, row++, {GradeExplanationText::tr("Earned"), figure(e.earned)});
    setRow(sheet, row++, {GradeExplanationText::tr("Possible"), figure(e.possible)});
    setRow(sheet, row++, {GradeExplanationText::tr("Average"), e.unroundedAverage(), e.shownAverage});
    const QString range =
        e.letterBounds
            ? GradeExplanationText::tr("%1: %2 to %3").arg(e.letter, e.letterBounds->first, e.letterBounds->second)
            : GradeExplanationText::tr("no possible points");
    setRow(sheet, row, {GradeExplanationText::tr("Grade"), e.letter, range});
    applyReportStyle(sheet);
    return sheet;
}

QString explanationSummary(const GradeExplanation& e) {
    QStringList droppedTitles;
    for (const GradeExplanation::AssignmentRow& a : e.assignments) {
        if (a.dropped()) {
            const QString why = a.counts == Counts::DroppedOverall
                                    ? GradeExplanationText::tr("lowest score overall")
                                    : GradeExplanationText::tr("lowest %1 score").arg(assignmentTypeLabel(a.type));
            droppedTitles << GradeExplanationText::tr("%1 (%2)").arg(a.title, why);
        }
    }
    QString text = e.weighted
                       ? GradeExplanationText::tr("%1 of %2 weighted points").arg(number(e.earned), number(e.possible))
                       : GradeExplanationText::tr("%1 of %2 points").arg(number(e.earned), number(e.possible));
    if (!droppedTitles.isEmpty())
        text += GradeExplanationText::tr(" after dropping %1").arg(droppedTitles.join(QStringLiteral(", ")));
    return text + QStringLiteral(" = ") + e.shownAverage;
}

QString averageToolTip(const ClassRecord& cls, const Sheet& grades, int row, int col) {
    const GradesLayout layout = GradesLayout::of(grades);
    if (!layout.hasAssignments() || col != layout.averageCol()) return {};
    const std::optional<GradeExplanation> explanation = explainGrade(cls, grades, row);
    return explanation ? explanationSummary(*explanation) : QString();
}

std::optional<Sheet> studentExplanationSheet(const ClassRecord& cls, const Sheet& grades, int student,
                                             ExplanationFigures figures) {
    const QString name = cp1252::toUnicode(cls.students.at(static_cast<std::size_t>(student)).name);
    const std::optional<int> row = gradesRowOf(grades, name);
    const std::optional<GradeExplanation> explanation = row ? explainGrade(cls, grades, *row) : std::nullopt;
    if (!explanation) return std::nullopt;
    return explanationSheet(*explanation, figures);
}

Sheet explanationPrintCopy(const Sheet& explanation, const QString& gradeFilePath, const QString& studentName,
                           const QString& whatItTakes) {
    Sheet copy = explanation;
    const QString title = GradeExplanationText::tr("%1: how the grade came out").arg(studentName);
    setReportPrintout(copy, title, gradeFilePath, title);
    if (whatItTakes.isEmpty()) return copy;
    // Below the table after an empty row, in the type of its rows; the
    // sentence runs on over the empty cells beside it.
    const int heading = copy.maxRow() + 2;
    copy.setMaxRow(heading + 1);
    copy.setText(heading, 1, GradeExplanationText::tr("What would it take?"));
    copy.setText(heading + 1, 1, whatItTakes);
    CellFont font = copy.format(heading - 2, 1).font;
    copy.setFont(CellRange::rows(heading, heading + 1), font);
    font.bold = true;
    copy.setFont(CellRange::cell(heading, 1), font);
    return copy;
}

}  // namespace markwell
