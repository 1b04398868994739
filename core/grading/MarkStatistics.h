// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/Records.h"

#include <vector>

namespace markwell {

// The counted marks of an assignment, in list order: every entry of its
// point list that is a number ("-", empty and other text count for nothing).
std::vector<double> countedMarks(const AssignmentInfo& assignment);

// What Grade Information, a curve's preview and the curve to a mean say of a
// set of marks. With no mark every statistic is 0.
//  - minimum and maximum: the least and greatest mark;
//  - median: the middle mark of the sorted marks, the lower of the two
//    middle ones for an even count (70, 80, 90, 100 give 80);
//  - mean: the sum over the count;
//  - deviation: around the exact mean, divided by n - 1 (0 for one mark).
struct MarkStatistics {
    double minimum = 0;
    double maximum = 0;
    double median = 0;
    double mean = 0;
    double deviation = 0;
};
MarkStatistics markStatisticsOf(std::vector<double> marks);

}  // namespace markwell
