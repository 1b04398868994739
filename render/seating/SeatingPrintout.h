// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/common/Result.h"
#include "core/files/SeatingFile.h"
#include "render/paging/Printout.h"

#include <QColor>
#include <QDate>
#include <QRect>

#include <memory>

namespace markwell {

class PageFrame;
class PrintProgress;

// The seating chart on one page: every seat, those out of view on the
// screen included, drawn as the Seating page draws them and fitted to the
// page with its proportions kept; on its side when the chart is wider than
// tall. The header carries the path at the left and the date at the right.
class SeatingPrintout : public Printout {
public:
    // `path` is the file the chart belongs to, printed in the header.
    SeatingPrintout(SeatingChart chart, QString path, QDate date = QDate::currentDate(), QColor studentEnd = QColor());
    ~SeatingPrintout() override;

    QString title() const override;
    QPageLayout::Orientation orientationFor(const QPageLayout& layout) const override;
    int layOut(const QPaintDevice& device) override;
    void drawPage(QPainter& painter, int index) const override;

    // The part of the chart that is printed: from its top left corner (or
    // the seat furthest up or left of it) to a little beyond the last seat.
    QRect chartArea() const;
    // Device pixels per chart pixel in the last layout.
    double scale() const { return scale_; }

private:
    SeatingChart chart_;
    QString path_;
    QDate date_;
    QColor studentEnd_;
    std::unique_ptr<PageFrame> frame_;
    QSizeF area_;
    double scale_ = 1;
};

// The chart's printout as a PDF file (see writePdf).
Result<PrintOutcome> writeSeatingPdf(const SeatingChart& chart, const QString& path, const QString& pdfPath,
                                     PrintProgress* progress = nullptr);

}  // namespace markwell
