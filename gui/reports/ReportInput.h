// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/ClassRecord.h"
#include "core/sheet/Sheet.h"

#include <QString>

namespace markwell {

// What a report window reads: the class and its grades table as they stand
// when the window opens (a report changes neither), and the grade file's
// path for the printouts' headers.
struct ReportInput {
    ClassRecord cls;
    Sheet grades;
    QString gradeFilePath;
};

}  // namespace markwell
