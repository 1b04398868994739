// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/grading/GradesLayout.h"

#include "core/common/NumberText.h"

namespace markwell {

std::optional<double> countedPoints(const Sheet& sheet, int row, int col) {
    switch (sheet.kind(row, col)) {
    case CellKind::Number: return sheet.number(row, col);
    case CellKind::Empty: return std::nullopt;
    case CellKind::Text: break;
    }
    const QString text = sheet.text(row, col).trimmed();
    if (text == QLatin1String("-")) return std::nullopt;
    return parseNumber(text);
}

}  // namespace markwell
