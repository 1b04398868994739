// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "render/paging/PageFrame.h"

#include "render/style/CellStyle.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace markwell {
namespace {

struct PageFrameText {
    Q_DECLARE_TR_FUNCTIONS(PageFrame)
};

QFont runFont(const QFont& base, const HeaderRun& run) {
    QFont font = base;
    font.setBold(run.bold);
    font.setUnderline(run.underline);
    if (run.pointSize > 0) font.setPointSize(run.pointSize);
    return font;
}

}  // namespace

PageFrame::PageFrame(const QString& header, const QString& dateText, const QPaintDevice& device)
    : device_(device), parts_(parsePrintHeader(header, dateText)), font_(toQFont(CellFont{})) {
    const double line = QFontMetricsF(font_, &device).height();
    double tallest = line;
    for (const auto* runs : {&parts_.left, &parts_.center, &parts_.right}) {
        for (const HeaderRun& run : *runs)
            tallest = std::max(tallest, QFontMetricsF(runFont(font_, run), &device).height());
    }
    headerHeight_ = header.isEmpty() ? 0 : tallest * 2;
    footerHeight_ = line * 2;
}

double PageFrame::width(const std::vector<HeaderRun>& runs) const {
    double total = 0;
    for (const HeaderRun& run : runs) total += QFontMetricsF(runFont(font_, run), &device_).horizontalAdvance(run.text);
    return total;
}

void PageFrame::drawRuns(QPainter& painter, const std::vector<HeaderRun>& runs, double x, double baseline) const {
    for (const HeaderRun& run : runs) {
        const QFont font = runFont(font_, run);
        painter.setFont(font);
        painter.drawText(QPointF(x, baseline), run.text);
        x += QFontMetricsF(font, &device_).horizontalAdvance(run.text);
    }
}

void PageFrame::draw(QPainter& painter, const QSizeF& area, int number, int count) const {
    painter.setPen(Qt::black);
    if (headerHeight_ > 0) {
        const double baseline = QFontMetricsF(font_, &device_).ascent();
        drawRuns(painter, parts_.left, 0, baseline);
        drawRuns(painter, parts_.center, (area.width() - width(parts_.center)) / 2, baseline);
        drawRuns(painter, parts_.right, area.width() - width(parts_.right), baseline);
    }
    if (count > 1 || everyPage_) {
        painter.setFont(font_);
        painter.drawText(QRectF(0, area.height() - footerHeight_ / 2, area.width(), footerHeight_ / 2), Qt::AlignCenter,
                         PageFrameText::tr("Page %1 of %2").arg(number).arg(count));
    }
}

}  // namespace markwell
