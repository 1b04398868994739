// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/ClassRecord.h"
#include "core/sheet/Sheet.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace markwell {

class ScaleSnapshot;

// One class of a teacher's overview, summed up from its grades table as the
// window would show it, or the reason its file could not be read.
struct ClassSummary {
    QString path;
    QString damage;  // empty when the class was read
    int students = 0;
    int assignments = 0;
    // The mean of the students' averages as shown whose grade is not "-",
    // written as an average is; "-" when there is none.
    QString average;
    // The marks "-" or 0 (or no number) of every student row on the
    // assignments worth points, as the missing-work lists count them.
    int missing = 0;
    // Each letter of the class's scale as the Grade column shows it (best
    // first) and how many students earn it.
    std::vector<std::pair<QString, int>> letters;
};

ClassSummary summariseClass(const QString& path, const ClassRecord& cls);

// Reads each class (its grade file only, the scale refreshed from `scales`)
// and sums it up, in the order given; a file that cannot be read gives its
// reason in place of the figures. `carryOn(done, count)` is asked before
// each file: false stops the reading, and the classes summed up so far are
// returned.
using OverviewProgress = std::function<bool(int done, int count)>;
std::vector<ClassSummary> summariseClassFiles(const QStringList& paths, const ScaleSnapshot& scales,
                                              const OverviewProgress& carryOn = {});

// The grade files of a folder, without its subfolders: every name ending in
// ".grs" in any capitals, in the order of their names.
QStringList classFilesIn(const QString& folder);

// How many students earn `letter` or a worse one of the class's scale
// (spaces around letters and letter case do not count); none when the scale
// has no such letter.
std::optional<int> studentsAtOrBelow(const ClassSummary& summary, const QString& letter);

// The overview: "Class", "Students", "Assignments", "Average", "Missing",
// "Below", and with `letterCounts` "Grades" (each letter and its count);
// then a row per class named by its file name without the folder. Below
// counts the students at or below `gradeAtMost`, "-" without one or when the
// class's scale has no such letter. A damaged class has "damaged: " and its
// reason in the second column and nothing after it; with `letterCounts`,
// "damaged" there and the reason in the last column.
Sheet overviewSheet(const std::vector<ClassSummary>& classes, const QString& gradeAtMost, bool letterCounts);

}  // namespace markwell
