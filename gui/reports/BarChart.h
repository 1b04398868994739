#pragma once

#include "reports/BarGraph.h"

#include <QStringList>

#include <vector>

QT_BEGIN_NAMESPACE
class QChart;
QT_END_NAMESPACE

namespace markwell {

// Puts a graph into a chart, replacing what it showed: the title (Arial 16
// pixels, bold, underlined, blue), one bar series of one bar set on a
// category axis at the bottom and a value axis at the left, each with its
// title, and every bar's value written above it (points as the grades table
// writes them, percentages with four digits). The window and the printout
// draw through this, so they show the same chart.
void showBarGraph(QChart& chart, const BarGraph& graph, GraphValues values);

// The labels of the bottom axis, one per bar. A category axis keeps only one
// of equal labels, so a label that comes again (two assignments called
// "Quiz") gets zero-width spaces appended: it reads the same and keeps its
// own bar.
QStringList categoryLabels(const std::vector<GraphBar>& bars);

}  // namespace markwell
