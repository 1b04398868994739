// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "render/paging/Printout.h"

#include "render/paging/PrintProgress.h"

#include <QCoreApplication>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace markwell {
namespace {

struct PrintoutText {
    Q_DECLARE_TR_FUNCTIONS(Printout)
};

}  // namespace

Result<PrintOutcome> printPages(Printout& printout, QPagedPaintDevice& device, PrintProgress* progress,
                                PageRange range) {
    const int pages = printout.layOut(device);
    const int first = range.first > 0 ? std::min(range.first, pages) : 1;
    const int last = range.first > 0 && range.last >= first ? std::min(range.last, pages) : pages;
    const int count = std::max(last - first + 1, 1);
    // Asked before the device is opened: a job cancelled at once opens nothing.
    if (progress && !progress->pageStarting(1, count)) return PrintOutcome::Cancelled;
    QPainter painter;
    if (!painter.begin(&device)) return fail(PrintoutText::tr("The printer could not be started."));
    for (int index = first - 1; index < last; ++index) {
        if (index > first - 1) {
            if (progress && !progress->pageStarting(index - first + 2, count)) {
                painter.end();
                return PrintOutcome::Cancelled;
            }
            if (!device.newPage()) {
                painter.end();
                return fail(PrintoutText::tr("The printer refused page %1.").arg(index + 1));
            }
        }
        painter.save();
        printout.drawPage(painter, index);
        painter.restore();
    }
    if (!painter.end()) return fail(PrintoutText::tr("The printout could not be finished."));
    return PrintOutcome::Printed;
}

}  // namespace markwell
