// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/reports/BarGraph.h"

#include <QStringList>

#include <vector>

QT_BEGIN_NAMESPACE
class QChart;
QT_END_NAMESPACE

namespace markwell {

// Puts a graph into a chart, replacing what it showed: the title (Arial 16
// pixels, bold, underlined, blue), the bars on a category axis at the bottom
// and a value axis at the left, each with its title, every bar in a colour
// of the chart's theme of its own (the colours come again only after ten
// bars), and every bar's value written above it (points as the grades table
// writes them, percentages with four digits; "0" for a mark of 0, nothing
// where there is no mark). The window and the printout draw through this,
// so they show the same chart.
void showBarGraph(QChart& chart, const BarGraph& graph, GraphValues values);

// The labels of the bottom axis, one per bar. A category axis keeps only one
// of equal labels, so a label that comes again (two assignments called
// "Quiz") gets zero-width spaces appended: it reads the same and keeps its
// own bar.
QStringList categoryLabels(const std::vector<GraphBar>& bars);

}  // namespace markwell
