// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/history/GradeHistory.h"
#include "core/sheet/Sheet.h"

#include <QString>

#include <vector>

namespace markwell {

// The table of a class's history, as the History window shows it and
// markwell-cli history prints it: the heading When, From, Student,
// Assignment, Old, New, What, then a row per line in the order given.
// When is this computer's local time, "2026-11-03 14:05:09" whatever the
// language (scripts read it).
Sheet historyTable(const std::vector<HistoryLine>& lines);

// The local time of a moment of the history, as the table shows it.
QString historyTimeText(qint64 when);

// The Why page's word on a score: "changed on 3 Nov 2026 from 7 to 9" (the
// date in the window's language), from the newest line of `lines` that
// changed the student's score on the assignment titled `title`; empty when
// none did. `lines` are the student's, newest first.
QString lastScoreChangeText(const std::vector<HistoryLine>& lines, const QString& title);

// The Why table with a column "Last change" beside each assignment row:
// when its score last changed, where the history says so.
void addLastScoreChanges(Sheet& why, int assignments, const std::vector<HistoryLine>& studentLines);

}  // namespace markwell
