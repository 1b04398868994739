// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/scores/ScoreFile.h"

#include <QStringList>

#include <optional>

namespace markwell {

// What the headings of a score file say: which row is the header, which
// layout wrote it and what each column holds.

// The heading as headings are compared: blanks collapsed, letter case
// folded.
QString plainHeading(const QString& heading);

// Whether the heading names a detail of the student (a name, an ID, an
// e-mail address) in a file of this layout.
std::optional<ColumnRole> identityRole(const QString& heading, ScoreLayout layout);

// The layout of a header row, or none when no cell names a detail of the
// student (then the row is not the header).
std::optional<ScoreLayout> headerLayout(const QStringList& cells);

// The column a heading makes in a file of this layout: its role, the
// assignment title of a score column, why another column is ignored.
ScoreColumn classifyColumn(const QString& heading, ScoreLayout layout);

// The title of a column as it is matched to the class's assignments: blanks
// collapsed and letter case folded.
QString titleKey(const QString& title);

}  // namespace markwell
