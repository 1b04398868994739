// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "core/reports/StudentReport.h"
#include "render/paging/Printout.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace markwell {

class PrintProgress;

// The file name of each chosen student's report, in the same order: the
// student's name made safe (see files/SafeFileNames.h) and ".pdf", a second
// student of the same safe name getting " (2)".
QStringList studentReportFileNames(const ClassRecord& cls, const std::vector<int>& students);

// One PDF file per student in `folder` (made when missing), named by
// studentReportFileNames, with the paths written in the same order. The
// files are put in place together once every report is drawn: a failure or
// a Cancel (`progress` is asked before each student, "n of m") leaves the
// folder as it was. A file that is one of the class's own files (through a
// link) is refused before anything is written.
struct ReportFolder {
    PrintOutcome outcome = PrintOutcome::Printed;
    QStringList paths;
};
Result<ReportFolder> writeReportFolder(const ClassReports& reports, const std::vector<int>& students,
                                       const QString& folder, PrintProgress* progress = nullptr);

}  // namespace markwell
