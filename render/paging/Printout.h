// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"

#include <QPageLayout>
#include <QString>

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

namespace markwell {

class PrintProgress;

enum class PrintOutcome { Printed, Cancelled };

// Something printed on pages: a table, and later the seating chart and the
// reports. The pages are laid out once for the device, then drawn one at a
// time, each only with what it shows, so that a job can report its progress
// and stop between pages.
class Printout {
public:
    virtual ~Printout() = default;

    // The job's name: the print queue's entry and the PDF file's title.
    virtual QString title() const = 0;
    // The orientation that suits the printout on paper of this layout.
    virtual QPageLayout::Orientation orientationFor(const QPageLayout& layout) const = 0;
    // Lays the pages out for the paintable area of the device (device
    // pixels); returns how many there are.
    virtual int layOut(const QPaintDevice& device) = 0;
    // Draws page `index` (from 0) of the last layout. The painter's origin
    // is the top left of the paintable area.
    virtual void drawPage(QPainter& painter, int index) const = 0;
};

// The pages a job prints, numbered from 1; 0 for `first` means all of them.
struct PageRange {
    int first = 0;
    int last = 0;
};

// Lays the printout out on the device and draws its pages (those of `range`
// that exist), starting a new one between pages and asking `progress` (when
// given) before each. Fails when the device cannot be painted on or refuses
// a page; a job stopped through `progress` ends after the pages drawn so far
// and is Cancelled.
Result<PrintOutcome> printPages(Printout& printout, QPagedPaintDevice& device, PrintProgress* progress = nullptr,
                                PageRange range = {});

}  // namespace markwell
