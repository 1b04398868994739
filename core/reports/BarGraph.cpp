// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/reports/BarGraph.h"

#include "core/common/NumberText.h"
#include "core/grading/GradesLayout.h"

#include <QCoreApplication>

namespace markwell {
namespace {

struct BarGraphText {
    Q_DECLARE_TR_FUNCTIONS(BarGraph)
};

QString valueAxisTitle(GraphValues values) {
    return values == GraphValues::Points ? BarGraphText::tr("Points") : BarGraphText::tr("Percentage");
}

GraphBar barOf(const QString& label, std::optional<double> value) {
    return {label, value.value_or(0), value.has_value()};
}

// The bar of one points cell; none for a mark that does not count.
std::optional<double> markValue(const Sheet& grades, int row, int col, GraphValues values) {
    const std::optional<double> mark = countedPoints(grades, row, col);
    if (!mark || values == GraphValues::Points) return mark;
    const double possible = countedPoints(grades, GradesLayout::of(grades).totalRow(), col).value_or(0);
    return possible > 0 ? *mark / possible * 100 : 0;
}

// An Average cell such as "87.46%" as a number; none for "-" or anything else.
std::optional<double> averageValue(const Sheet& grades, int row, int col) {
    QString text = grades.text(row, col).trimmed();
    if (!text.endsWith(QLatin1Char('%'))) return std::nullopt;
    text.chop(1);
    return parseNumber(text);
}

}  // namespace

BarGraph studentGraph(const Sheet& grades, int row, GraphValues values) {
    const GradesLayout layout = GradesLayout::of(grades);
    BarGraph graph{
        grades.text(row, GradesLayout::kNameCol), valueAxisTitle(values), BarGraphText::tr("Assignments"), {}};
    if (!layout.isStudentRow(row)) return graph;
    for (int col = GradesLayout::kFirstAssignmentCol; col <= layout.lastAssignmentCol(); ++col) {
        graph.bars.push_back(barOf(grades.text(GradesLayout::kHeadingRow, col), markValue(grades, row, col, values)));
    }
    return graph;
}

BarGraph assignmentGraph(const Sheet& grades, int assignment, GraphValues values) {
    const GradesLayout layout = GradesLayout::of(grades);
    const int col = layout.assignmentCol(assignment);
    BarGraph graph{
        grades.text(GradesLayout::kHeadingRow, col), valueAxisTitle(values), BarGraphText::tr("Students"), {}};
    if (!layout.isAssignmentCol(col)) return graph;
    for (int row = GradesLayout::kFirstStudentRow; row <= layout.lastStudentRow(); ++row) {
        graph.bars.push_back(barOf(grades.text(row, GradesLayout::kNameCol), markValue(grades, row, col, values)));
    }
    return graph;
}

BarGraph overallGraph(const Sheet& grades, GraphValues values) {
    const GradesLayout layout = GradesLayout::of(grades);
    BarGraph graph{BarGraphText::tr("Overall"), valueAxisTitle(values), BarGraphText::tr("Students"), {}};
    if (!layout.hasAssignments()) return graph;
    for (int row = GradesLayout::kFirstStudentRow; row <= layout.lastStudentRow(); ++row) {
        const std::optional<double> value = values == GraphValues::Points
                                                ? countedPoints(grades, row, layout.totalCol())
                                                : averageValue(grades, row, layout.averageCol());
        graph.bars.push_back(barOf(grades.text(row, GradesLayout::kNameCol), value));
    }
    return graph;
}

}  // namespace markwell
