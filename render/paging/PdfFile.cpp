// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "render/paging/PdfFile.h"

#include "core/files/AtomicFile.h"
#include "render/paging/PageSetup.h"

#include <QPdfWriter>

namespace markwell {

Result<PrintOutcome> printToFileAtomically(const QString& path,
                                           const std::function<Result<PrintOutcome>(const QString& tempPath)>& print) {
    bool cancelled = false;
    const Result<void> written = writeFileAtomicallyVia(path, [&](const QString& tempPath) -> Result<void> {
        const Result<PrintOutcome> printed = print(tempPath);
        if (!printed) return printed.error();
        cancelled = *printed == PrintOutcome::Cancelled;
        // A failure, so that the unfinished file is thrown away.
        if (cancelled) return fail(QStringLiteral("cancelled"));
        return {};
    });
    if (cancelled) return PrintOutcome::Cancelled;
    if (!written) return written.error();
    return PrintOutcome::Printed;
}

Result<PrintOutcome> writePdf(Printout& printout, const QString& path, PrintProgress* progress) {
    return printToFileAtomically(path, [&](const QString& tempPath) {
        QPdfWriter writer(tempPath);
        writer.setTitle(printout.title());
        writer.setCreator(QStringLiteral("Computerized Markwell"));
        writer.setResolution(kPdfResolution);
        writer.setPageLayout(pageLayoutFor(printout));
        return printPages(printout, writer, progress);
    });
}

}  // namespace markwell
