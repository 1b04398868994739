#pragma once

#include "sheet/Sheet.h"

#include <QString>

#include <vector>

namespace markwell {

// What the graph window charts: a title, the two axis titles and the bars,
// read from the grades table as it shows the class (a "-" or empty cell,
// and a total not above 0 in percent, give a bar of 0).

struct GraphBar {
    QString label;
    double value = 0;  // unrounded: the chart formats its labels itself
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
