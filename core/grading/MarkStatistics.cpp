// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/grading/MarkStatistics.h"

#include "core/data/PointEntry.h"
#include "core/grading/EntryIndex.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace markwell {

std::vector<double> countedMarks(const AssignmentInfo& assignment) {
    std::vector<double> marks;
    marks.reserve(assignment.namegrade.size());
    for (const std::string& entry : assignment.namegrade) {
        const Points points = readPoints(splitPointEntry(entry).points);
        if (points.kind == PointsKind::Number) marks.push_back(points.value);
    }
    return marks;
}

MarkStatistics markStatisticsOf(std::vector<double> marks) {
    MarkStatistics s;
    if (marks.empty()) return s;
    const auto n = marks.size();
    std::sort(marks.begin(), marks.end());
    s.minimum = marks.front();
    s.maximum = marks.back();
    s.median = marks[(n - 1) / 2];  // the lower middle mark of an even count
    s.mean = std::accumulate(marks.begin(), marks.end(), 0.0) / static_cast<double>(n);
    if (n > 1) {
        double squares = 0;
        for (double mark : marks) squares += (mark - s.mean) * (mark - s.mean);
        s.deviation = std::sqrt(squares / static_cast<double>(n - 1));
    }
    return s;
}

}  // namespace markwell
