// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"

#include <QString>

#include <optional>

namespace markwell::cli {

// The next line of standard input without its line end; none at its end.
// At a terminal the question is asked on stderr and the typing not shown,
// so that a password never shows on the screen, in a process list or in a
// shell's history. A line that is not UTF-8 text is refused: decoded with
// replacement characters, any other such bytes would pass for the same
// password.
Result<std::optional<QString>> readSecretLine(const QString& question);

}  // namespace markwell::cli
