// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "app/cli/CommandArguments.h"
#include "app/cli/Console.h"
#include "core/data/Document.h"
#include "core/reports/ReportContents.h"
#include "core/sheet/Sheet.h"

#include <optional>
#include <vector>

namespace markwell::cli {

// The options by which reports and send-reports choose the reports.
inline constexpr char kNamesOption[] = "names";
inline constexpr char kGradeAtMostOption[] = "grade-at-most";
inline constexpr char kContentsOption[] = "contents";
inline constexpr char kMonthsOption[] = "months";
inline constexpr char kNoteOption[] = "note";

// The reports a command makes, as reports and send-reports both choose
// them: the students of --names or --grade-at-most (all by default) and the
// contents of --contents, --months and --note (Overall and Why by default).
struct ChosenReports {
    ReportContents contents;
    std::vector<int> students;
};

// Gives none after saying why, each message starting with `command`: an
// unreadable option or name list, an attendance file that cannot be read
// when attendance is asked for, a name or letter the class does not have,
// or no student at all. An unknown placeholder of the note is only warned of.
std::optional<ChosenReports> chooseReports(const CommandArguments& args, const QString& path, const Document& document,
                                           const Sheet& grades, const QString& command, const Console& console);

}  // namespace markwell::cli
