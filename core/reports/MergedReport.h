// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "core/data/ClassRecord.h"
#include "core/sheet/Sheet.h"

#include <QString>

namespace markwell {

class ScaleStore;

// Two grade files joined into one course report, for instance the two terms
// of a course kept apart: every distinct student name of either file gets a
// row with the points earned and possible over the assignments of both
// files, the average and the letter grade. Nothing is weighted and no score
// is dropped. The report reads the files and changes neither of them.
//
//   row 1      "Names", "Points", "Total", "Average", "Grade"
//   rows 2 ..  one row per distinct name: the first file's students in order,
//              then the second file's; a name (compared exactly, letter case
//              included) already present is not repeated
//
// There is no separator and no Total row; two files without students give
// the heading row alone.
struct MergedReport {
    QString firstPath;
    QString secondPath;
    ClassRecord first;
    ClassRecord second;
    // The first file's scale and look; the report's own copies, which its
    // Grade Scale, Font and Gridlines commands change. The second file's
    // settings are read with it but used for nothing.
    CurrentGradeScale scale;
    GridProperties gridProps;
    Sheet sheet;
};

inline constexpr int kMergedNameCol = 1;
inline constexpr int kMergedPointsCol = 2;
inline constexpr int kMergedTotalCol = 3;
inline constexpr int kMergedAverageCol = 4;
inline constexpr int kMergedGradeCol = 5;

// The message for two names of one file.
QString sameMergeFileMessage();

// What the report shows under its table, since a student's grade there can
// differ from the one the class gives with its weights and dropped scores.
QString mergedReportNote();

// Reads one file of a merge as Open reads a class, its scale refreshed from
// the store by its name. A missing, unreadable, damaged or too new file is
// refused with a message that names it.
Result<ClassRecord> readMergeFile(const QString& path, const ScaleStore& store);

// Reads both files and builds the report. Two names of the same file (a
// link, "dir/.." and the like included) are refused: every point would count
// twice.
Result<MergedReport> openMergedReport(const QString& firstPath, const QString& secondPath, const ScaleStore& store);

// Builds the report's table from its two classes, scale and look.
void buildMergedSheet(MergedReport& report);

// The Grade column again with the report's scale (after Grade Scale).
void regradeMergedSheet(MergedReport& report);

// The report's look: the report style, with the heading and the rows in the
// report's font (the first file's unless Font chose another) and its grid
// lines; widths fitted, cell (1, 1) selected.
void styleMergedSheet(MergedReport& report);

// Sorts the student rows on one column (by value; the Grade column in the
// order of the scale's letters); the heading stays. False when there is
// nothing to sort or the column is not in the table.
bool sortMergedSheet(MergedReport& report, int column, bool descending);

// The report as printed: grid lines as shown, the title and the left of the
// header "Merged Files: " + the two paths, the date at the right. With
// `withIds`, "Student ID's" heads the first column and each name gives way
// to the ID of the first student of that name in the first file, else in the
// second; a name that neither file has stays.
Sheet mergedPrintCopy(const MergedReport& report, bool withIds);

}  // namespace markwell
