#pragma once

#include "common/Result.h"
#include "data/ClassRecord.h"
#include "files/AttendanceFile.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace markwell {

class ScaleStore;

// The marks of the month on the attendance page, as they are saved: one
// entry per student row, names as the class keeps them.
struct AttendanceMonth {
    std::int32_t month = 1;
    std::int32_t year = 2001;
    std::vector<std::string> names;
    std::vector<DayMarks> marks;
};

// Opening a class reads its three files before anything is used: a grade
// file that is refused, or a seating or attendance file that cannot be read,
// gives its message and no class, so the class in memory stays as it was.
// Missing sibling files are no failure: they read as empty.
Result<ClassRecord> openClassFiles(const QString& gradePath, const ScaleStore& store);

// How a save writes the attendance file.
struct SavePlan {
    QString gradePath;
    // A class moving to a new name takes its old attendance file along whole,
    // every month of it; empty when there is none to take.
    QString carryAttendanceFrom;
    // A class saved for the first time starts its attendance file afresh.
    bool startAttendanceEmpty = false;
    // The month on display, written over what the file holds for it.
    std::optional<AttendanceMonth> month;
};

// The plan for saving a class now kept at `currentPath` (empty while
// untitled) under `targetPath`.
SavePlan planSave(const QString& currentPath, const QString& targetPath, std::optional<AttendanceMonth> month);

// Whether two paths name the same file (the second need not exist yet).
bool isSameFile(const QString& a, const QString& b);

// Writes the attendance file, the seating file and then the grade file, each
// atomically. The first failure stops the save and is returned ("Unable to
// create " + path + the reason); files written before it stay written.
Result<void> saveClassFiles(const ClassRecord& cls, const SavePlan& plan);

}  // namespace markwell
