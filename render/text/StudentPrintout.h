// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/editing/StudentFields.h"

#include <memory>

class QTextDocument;

namespace markwell {

// One student's page as the student list prints it: the name centred, large,
// bold and underlined, then one line per detail and the comment, each the
// text of its box as shown.
std::unique_ptr<QTextDocument> studentPrintout(const StudentForm& shown);

}  // namespace markwell
