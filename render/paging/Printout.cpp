#include "paging/Printout.h"

#include "paging/PrintProgress.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace markwell {

Result<PrintOutcome> printPages(Printout& printout, QPagedPaintDevice& device, PrintProgress* progress) {
    const int count = printout.layOut(device);
    // Asked before the device is opened: a job cancelled at once opens nothing.
    if (progress && !progress->pageStarting(1, count)) return PrintOutcome::Cancelled;
    QPainter painter;
    if (!painter.begin(&device)) return fail(QStringLiteral("The printer could not be started."));
    for (int index = 0; index < count; ++index) {
        if (index > 0) {
            if (progress && !progress->pageStarting(index + 1, count)) {
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
