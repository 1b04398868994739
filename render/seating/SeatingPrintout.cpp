// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "render/seating/SeatingPrintout.h"

#include "core/printout/PrintCopy.h"
#include "core/seating/SeatGeometry.h"
#include "render/paging/PageFrame.h"
#include "render/paging/PdfFile.h"
#include "render/seating/SeatPainter.h"

#include <QLocale>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace markwell {
namespace {

// Room kept beyond the last seat, in chart pixels.
constexpr int kChartMargin = 10;

void paintSeatAt(QPainter& painter, const SeatingInfo& seat, const QColor& end) {
    painter.save();
    painter.translate(seatRect(seat).topLeft());
    paintSeat(painter, seat, end);
    painter.restore();
}

}  // namespace

SeatingPrintout::SeatingPrintout(SeatingChart chart, QString path, QDate date, QColor studentEnd)
    : chart_(std::move(chart)), path_(std::move(path)), date_(date),
      studentEnd_(studentEnd.isValid() ? studentEnd : studentSeatEndColour()) {}

SeatingPrintout::~SeatingPrintout() = default;

QString SeatingPrintout::title() const {
    return path_;
}

QRect SeatingPrintout::chartArea() const {
    QRect area(0, 0, 1, 1);
    const auto take = [&area](const SeatingInfo& seat) {
        if (const QRect rect = seatRect(seat); !rect.isEmpty()) area |= rect;
    };
    take(chart_.teacher);
    for (const SeatingInfo& seat : chart_.seats) take(seat);
    return area.adjusted(0, 0, kChartMargin, kChartMargin);
}

QPageLayout::Orientation SeatingPrintout::orientationFor(const QPageLayout&) const {
    const QRect area = chartArea();
    return area.width() > area.height() ? QPageLayout::Landscape : QPageLayout::Portrait;
}

int SeatingPrintout::layOut(const QPaintDevice& device) {
    frame_ =
        std::make_unique<PageFrame>(printHeaderFor(path_), QLocale().toString(date_, QLocale::ShortFormat), device);
    area_ = QSizeF(device.width(), device.height());
    const QRect chart = chartArea();
    const double room = std::max(area_.height() - frame_->headerHeight(), 1.0);
    scale_ = std::min(area_.width() / chart.width(), room / chart.height());
    return 1;
}

void SeatingPrintout::drawPage(QPainter& painter, int index) const {
    if (!frame_ || index != 0) return;
    frame_->draw(painter, area_, 1, 1);
    const QRect chart = chartArea();
    painter.translate(0, frame_->headerHeight());
    painter.scale(scale_, scale_);
    painter.translate(-chart.topLeft());
    // The teacher's desk was there first; the seats lie over it.
    paintSeatAt(painter, chart_.teacher, teacherSeatEndColour());
    for (const SeatingInfo& seat : chart_.seats) paintSeatAt(painter, seat, studentEnd_);
}

Result<PrintOutcome> writeSeatingPdf(const SeatingChart& chart, const QString& path, const QString& pdfPath,
                                     PrintProgress* progress) {
    SeatingPrintout printout(chart, path);
    return writePdf(printout, pdfPath, progress);
}

}  // namespace markwell
