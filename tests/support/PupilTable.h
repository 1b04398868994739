// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

// A table as printouts get it, made up for the printing tests: "Names" and
// "Quiz n" headings, one row per pupil with numbers, the name column frozen,
// widths fitted.

#include "core/sheet/Sheet.h"

namespace markwell::testing {

inline Sheet pupilTable(int students, int assignments) {
    Sheet s;
    s.setMaxRow(students + 1);
    s.setMaxCol(assignments + 1);
    s.setText(1, 1, QStringLiteral("Names"));
    for (int c = 2; c <= assignments + 1; ++c) s.setText(1, c, QStringLiteral("Quiz %1").arg(c - 1));
    for (int r = 2; r <= students + 1; ++r) {
        s.setText(r, 1, QStringLiteral("Pupil %1").arg(r - 1));
        for (int c = 2; c <= assignments + 1; ++c) s.setNumber(r, c, (r * 7 + c) % 100);
    }
    s.setFixedCols(1);
    s.fitColumnWidths();
    return s;
}

}  // namespace markwell::testing
