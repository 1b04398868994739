// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "core/data/ClassRecord.h"
#include "core/sheet/Sheet.h"

#include <QString>

namespace markwell {

// The class's scores in the layout Canvas imports a gradebook from: the
// columns "Student" (the name as the class has it), "ID" (empty), "SIS User
// ID" (the student's ID), "SIS Login ID" and "Section" (empty), then one
// column per assignment by title; row 2 "Points Possible" with each
// assignment's possible points; then a row per student, the does-not-count
// mark written "EX". Canvas matches columns without its own ids by title.
Sheet canvasGradebookSheet(const ClassRecord& cls);

// Writes that sheet as a CSV file, atomically.
Result<void> writeCanvasGradebook(const ClassRecord& cls, const QString& path);

}  // namespace markwell
