// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/sheet/Sheet.h"

#include <QString>

#include <vector>

namespace markwell {

// What the graph window charts: a title, the two axis titles and the bars,
// read from the grades table as it shows the class. A "-" or empty cell
// gives no bar at all, told apart from a mark of 0; a mark on an assignment
// whose total is not above 0 is 0 in percent.

struct GraphBar {
    QString label;
    double value = 0;    // unrounded: the chart formats its labels itself; 0 without a mark
    bool marked = true;  // false for a "-" or empty cell: no bar and no value written
};

struct BarGraph {
    QString title;
    QString valueAxisTitle;     // left: "Points" or "Percentage"
    QString categoryAxisTitle;  // bottom: "Assignments" or "Students"
    std::vector<GraphBar> bars;
};

enum class GraphValues { Points, Percentage };

// One student's marks on every assignment, in column order: the student of
// the grades table's student row `row`, titled with the name.
BarGraph studentGraph(const Sheet& grades, int row, GraphValues values);

// Every student's mark on one assignment (by position from 0, so a title
// that two assignments share charts only the one chosen), titled with it.
BarGraph assignmentGraph(const Sheet& grades, int assignment, GraphValues values);

// Every student's course result, titled "Overall": the Total column in
// points, the Average column (weighted when the class is) in percent. A
// class without assignments has no bars.
BarGraph overallGraph(const Sheet& grades, GraphValues values);

}  // namespace markwell
