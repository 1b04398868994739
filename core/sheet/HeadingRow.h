// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/sheet/Sheet.h"

#include <QString>

namespace markwell {

// The heading row every table of the program shares: row 1 in the given face
// and size, bold, white on solid navy, centred both ways.
void formatHeadingRow(Sheet& sheet, const QString& fontName, double fontSize);

}  // namespace markwell
