// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/editing/Change.h"
#include "core/editing/StudentEditing.h"
#include "core/scales/ScaleChecks.h"

#include <vector>

namespace markwell {

// The changes of a whole class that the window's commands and dialogs and
// markwell-cli's commands share, each with the name Edit > Undo shows. Their
// summaries are empty: markwell-cli words its own lines, naming its files.

// The sort command: the student rows ordered on one column of the grades
// table (see sortClass), named after the column's `heading` ("Sort by
// Average"). Refused when there is no student row or no such column.
Change sortChange(int column, const QString& heading, bool descending);

// The class's grading rules, as OK in their windows makes them.
Change weightsChange(const WeightedGrades& weights);
Change dropRuleChange(const DropLowScoreInfo& rule);
Change gradeScaleChange(const StoredScale& scale);

// The Grid Lines switch of the grades table.
Change gridLinesChange(bool shown);

// A class as an editing dialog hands it back on OK, under the dialog's name
// ("Edit Students"); each rename carries the student's attendance, every
// month of it, to the new name. Nothing to undo when nothing differs.
Change editedClassChange(QString name, ClassRecord edited, std::vector<StudentRename> renames = {});

}  // namespace markwell
