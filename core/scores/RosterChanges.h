// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/editing/AssignmentChoice.h"
#include "core/editing/AssignmentEditing.h"
#include "core/editing/Change.h"
#include "core/files/CsvReader.h"
#include "core/scores/ScoreMapping.h"

#include <QString>

namespace markwell {

// The changes of a class's roster and grades that markwell-cli makes from
// files and words, each with the name Edit > Undo would show. Like the
// shared changes of the class their summaries are empty; a refusal names
// what was refused and leaves the document as it was.

// Every student of the rows of `csvPath` added at the end (see
// importStudentRows), or none: refused with one line per refused row.
Change studentImportChange(CsvTable table, QString csvPath);

// A new assignment at the end of the list, every student at 0 points, with
// `total` possible points as typed (empty keeps the usual total).
Change newAssignmentChange(AssignmentForm form, QString total);

// The points of the chosen assignment from the rows of `csvPath` (see
// setPointRows), every row or none: refused with one line per refused row.
Change pointsImportChange(AssignmentChoice choice, CsvTable table, QString csvPath);

// The possible points of the chosen assignment, as typed.
Change totalChange(AssignmentChoice choice, QString total);

// "Import Scores": the scores of a gradebook file as `mapping` takes them
// (see planScoreImport), with the new students and assignments, all or
// none: refused with one line per problem, naming `sourcePath`, the file
// the scores came from.
Change scoreImportChange(ScoreTable table, ScoreMapping mapping, QString sourcePath);

}  // namespace markwell
