// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/Records.h"
#include "core/grading/LetterGrade.h"
#include "core/sheet/Sheet.h"

#include <QString>

#include <optional>
#include <string_view>

namespace markwell {

// Small pieces the report tables share.

// A percentage as the reports show it (four significant digits, two
// decimals, "%": the form of the grades table's averages) and the letter it
// earns. The letter follows the percentage as shown, as the Grade column
// does: 89.996 shows as 90.00% and earns the A that starts at 90.
struct ShownPercent {
    QString text;
    double value = 0;  // the number the text shows
};
ShownPercent shownPercent(double percent);
QString letterFor(const LetterGrader& grader, double grandTotal, const ShownPercent& percent);

// A mark as the class stores it ("90", "17.5", "-"): a number cell when the
// text is a number written the usual way, so that spreadsheets can add it up;
// otherwise the text exactly as stored.
void setMarkCell(Sheet& sheet, int row, int col, std::string_view markText);

// The first student row of a grades table whose name is `name` (as shown),
// or nothing.
std::optional<int> gradesRowOf(const Sheet& grades, const QString& name);

}  // namespace markwell
