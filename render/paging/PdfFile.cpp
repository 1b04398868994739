#include "paging/PdfFile.h"

#include "files/AtomicFile.h"
#include "paging/PageSetup.h"

#include <QPdfWriter>

namespace markwell {

Result<PrintOutcome> writePdf(Printout& printout, const QString& path, PrintProgress* progress) {
    bool cancelled = false;
    const Result<void> written = writeFileAtomicallyVia(path, [&](const QString& tempPath) -> Result<void> {
        QPdfWriter writer(tempPath);
        writer.setTitle(printout.title());
        writer.setCreator(QStringLiteral("Computerized Markwell"));
        writer.setResolution(kPdfResolution);
        writer.setPageLayout(pageLayoutFor(printout));
        const Result<PrintOutcome> printed = printPages(printout, writer, progress);
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

}  // namespace markwell
