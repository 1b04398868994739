#include "paging/Printout.h"

#include "paging/PrintProgress.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace markwell {

Result<PrintOutcome> printPages(Printout& printout, QPagedPaintDevice& device, PrintProgress* progress,
                                PageRange range) {
    const int pages = printout.layOut(device);
    const int first = range.first > 0 ? std::min(range.first, pages) : 1;
    const int last = range.first > 0 && range.last >= first ? std::min(range.last, pages) : pages;
    const int count = std::max(last - first + 1, 1);
    // Asked before the device is opened: a job cancelled at once opens nothing.
    if (progress && !progress->pageStarting(1, count)) return PrintOutcome::Cancelled;
    QPainter painter;
    if (!painter.begin(&device)) return fail(QStringLiteral("The printer could not be started."));
    for (int index = first - 1; index < last; ++index) {
        if (index > first - 1) {
            if (progress && !progress->pageStarting(index - first + 2, count)) {
                painter.end();
                return PrintOutcome::Cancelled;
            }
            if (!device.newPage()) {
                painter.end();
                return fail(QStringLiteral("The printer refused page %1.").arg(index + 1));
            }
        }
        painter.save();
        printout.drawPage(painter, index);
        painter.restore();
    }
    if (!painter.end()) return fail(QStringLiteral("The printout could not be finished."));
    return PrintOutcome::Printed;
}

}  // namespace markwell
