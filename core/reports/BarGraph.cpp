#include "reports/BarGraph.h"

#include "common/NumberText.h"
#include "grading/GradesLayout.h"

namespace markwell {
namespace {

QString valueAxisTitle(GraphValues values) {
    return values == GraphValues::Points ? QStringLiteral("Points") : QStringLiteral("Percentage");
}

// The bar of one points cell.
double markValue(const Sheet& grades, int row, int col, GraphValues values) {
    const std::optional<double> mark = countedPoints(grades, row, col);
    if (!mark) return 0;
    if (values == GraphValues::Points) return *mark;
    const double possible = countedPoints(grades, GradesLayout::of(grades).totalRow(), col).value_or(0);
    return possible > 0 ? *mark / possible * 100 : 0;
}

// An Average cell such as "87.46%" as a number; "-" and anything else 0.
double averageValue(const Sheet& grades, int row, int col) {
    QString text = grades.text(row, col).trimmed();
    if (!text.endsWith(QLatin1Char('%'))) return 0;
    text.chop(1);
    return parseNumber(text).value_or(0);
}

}  // namespace

BarGraph studentGraph(const Sheet& grades, int row, GraphValues values) {
    const GradesLayout layout = GradesLayout::of(grades);
    BarGraph graph{grades.text(row, GradesLayout::kNameCol), valueAxisTitle(values), QStringLiteral("Assignments"), {}};
    if (!layout.isStudentRow(row)) return graph;
    for (int col = GradesLayout::kFirstAssignmentCol; col <= layout.lastAssignmentCol(); ++col) {
        graph.bars.push_back({grades.text(GradesLayout::kHeadingRow, col), markValue(grades, row, col, values)});
    }
    return graph;
}

BarGraph assignmentGraph(const Sheet& grades, int assignment, GraphValues values) {
    const GradesLayout layout = GradesLayout::of(grades);
    const int col = layout.assignmentCol(assignment);
    BarGraph graph{grades.text(GradesLayout::kHeadingRow, col), valueAxisTitle(values), QStringLiteral("Students"), {}};
    if (!layout.isAssignmentCol(col)) return graph;
    for (int row = GradesLayout::kFirstStudentRow; row <= layout.lastStudentRow(); ++row) {
        graph.bars.push_back({grades.text(row, GradesLayout::kNameCol), markValue(grades, row, col, values)});
    }
    return graph;
}

BarGraph overallGraph(const Sheet& grades, GraphValues values) {
    const GradesLayout layout = GradesLayout::of(grades);
    BarGraph graph{QStringLiteral("Overall"), valueAxisTitle(values), QStringLiteral("Students"), {}};
    if (!layout.hasAssignments()) return graph;
    for (int row = GradesLayout::kFirstStudentRow; row <= layout.lastStudentRow(); ++row) {
        const double value = values == GraphValues::Points
                                 ? countedPoints(grades, row, layout.totalCol()).value_or(0)
                                 : averageValue(grades, row, layout.averageCol());
        graph.bars.push_back({grades.text(row, GradesLayout::kNameCol), value});
    }
    return graph;
}

}  // namespace markwell
