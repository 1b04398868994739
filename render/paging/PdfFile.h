// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "render/paging/Printout.h"

#include <QString>

#include <functional>

namespace markwell {

class PrintProgress;

// The printout as a PDF file on the standard page (see PageSetup.h), turned
// as the printout asks. The file is written beside its final place and put
// there only when every page is drawn: a failed or cancelled job leaves
// whatever was there before, and no partial file. A failure says "Unable to
// create " + path + ": " + the reason.
Result<PrintOutcome> writePdf(Printout& printout, const QString& path, PrintProgress* progress = nullptr);

// Runs `print` on a file beside `path` that takes its place only when the
// job has drawn every page; a cancelled or failed job leaves no file.
Result<PrintOutcome> printToFileAtomically(const QString& path,
                                           const std::function<Result<PrintOutcome>(const QString& tempPath)>& print);

}  // namespace markwell
