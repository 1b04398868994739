// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "core/reports/StudentReport.h"
#include "render/paging/Printout.h"
#include "render/reports/ReportFolder.h"

#include <QString>

#include <vector>

class QWidget;

namespace markwell {

class UserDialogs;

// Making the reports the Class Reports window chose, with progress and
// Cancel: laying out every report first ("Preparing report n of m"), then
// the pages or the files. A cancelled job prints nothing more and leaves
// no file behind; a failure is given back for the window to show.

// One print job after the print dialog (Cancelled when it was cancelled).
Result<PrintOutcome> printClassReports(QWidget* parent, UserDialogs& dialogs, const ClassReports& reports,
                                       const std::vector<int>& students);

// One PDF file; gives the number of pages written (none when cancelled).
Result<std::optional<int>> saveClassReportsPdf(QWidget* parent, UserDialogs& dialogs, const ClassReports& reports,
                                               const std::vector<int>& students, const QString& path);

// One PDF per student in the folder.
Result<ReportFolder> saveReportFolder(QWidget* parent, UserDialogs& dialogs, const ClassReports& reports,
                                      const std::vector<int>& students, const QString& folder);

// The print preview of the reports (the window shows the first student's).
Result<void> previewClassReports(QWidget* parent, UserDialogs& dialogs, const ClassReports& reports,
                                 const std::vector<int>& students);

}  // namespace markwell
