// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/ClassRecord.h"
#include "core/sheet/Sheet.h"

#include <QString>

namespace markwell {

class GradeHistory;

// What a report window reads: the class and its grades table as they stand
// when the window opens (a report changes neither), and the grade file's
// path for the printouts' headers.
struct ReportInput {
    ClassRecord cls;
    Sheet grades;
    QString gradeFilePath;
    // The grade history of this computer, for the reports that say when a
    // mark changed; none where they do not.
    GradeHistory* history = nullptr;
};

}  // namespace markwell
