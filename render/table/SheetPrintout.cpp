// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "render/table/SheetPrintout.h"

#include "core/common/NumberText.h"
#include "render/paging/PageFrame.h"
#include "render/paging/PdfFile.h"
#include "render/style/CellDrawStyles.h"
#include "render/table/CellPainter.h"

#include <QImage>
#include <QLocale>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace markwell {

// What a layout on one device holds: the styles and the page frame measured
// there, and where the cells fall.
struct SheetPrintout::Laid {
    QSizeF area;
    CellDrawStyles styles;
    PageFrame frame;
    SheetPageLayout layout;

    Laid(const Sheet& sheet, const PrintoutOptions& options, const QPaintDevice& device, const QSizeF& paintable)
        : area(paintable), styles(sheet, device),
          frame(sheet.print().header, QLocale().toString(options.date, QLocale::ShortFormat), device),
          layout(sheet, options, styles, device, roomFor(paintable, frame)) {}

    static QSizeF roomFor(const QSizeF& area, const PageFrame& frame) {
        const double down = std::max(area.height() - frame.headerHeight() - frame.footerHeight(), area.height() / 4);
        return {area.width(), down};
    }
};

SheetPrintout::SheetPrintout(const Sheet& sheet, PrintoutOptions options) : sheet_(sheet), options_(options) {}

SheetPrintout::~SheetPrintout() = default;

QString SheetPrintout::title() const {
    return sheet_.print().title;
}

QPageLayout::Orientation SheetPrintout::orientationFor(const QPageLayout& layout) const {
    switch (sheet_.print().orientation) {
    case PrintSettings::Orientation::Portrait: return QPageLayout::Portrait;
    case PrintSettings::Orientation::Landscape: return QPageLayout::Landscape;
    case PrintSettings::Orientation::Fitting: break;
    }
    // Measure the table as the pages will, on a device of one pixel per point.
    QImage points(1, 1, QImage::Format_RGB32);
    const int dotsPerMetre = qRound(72 / 0.0254);
    points.setDotsPerMeterX(dotsPerMetre);
    points.setDotsPerMeterY(dotsPerMetre);
    QPageLayout upright = layout;
    upright.setOrientation(QPageLayout::Portrait);
    const bool wider = SheetPageLayout::tableWidth(sheet_, points) > upright.paintRect(QPageLayout::Point).width();
    return wider ? QPageLayout::Landscape : QPageLayout::Portrait;
}

void SheetPrintout::layOut(const QPaintDevice& device, const QSizeF& area) {
    laid_.reset();  // the old layout's styles refer to their device
    laid_ = std::make_unique<Laid>(sheet_, options_, device, area);
}

int SheetPrintout::layOut(const QPaintDevice& device) {
    layOut(device, QSizeF(device.width(), device.height()));
    return static_cast<int>(laid_->layout.pages().size());
}

std::vector<SheetPage> SheetPrintout::paginate(const QPaintDevice& device, const QSizeF& area) {
    layOut(device, area);
    return pages();
}

const std::vector<SheetPage>& SheetPrintout::pages() const {
    static const std::vector<SheetPage> none;
    return laid_ ? laid_->layout.pages() : none;
}

double SheetPrintout::scale() const {
    return laid_ ? laid_->layout.scale() : 1.0;
}

void SheetPrintout::drawPage(QPainter& painter, int index) const {
    if (!laid_ || index < 0 || index >= static_cast<int>(pages().size())) return;
    laid_->frame.draw(painter, laid_->area, index + 1, static_cast<int>(pages().size()));
    drawTable(painter, pages()[static_cast<std::size_t>(index)]);
}

void SheetPrintout::drawTable(QPainter& painter, const SheetPage& page) const {
    const SheetPageLayout& layout = laid_->layout;
    const std::vector<int> rows = layout.rowsOn(page);
    const std::vector<int> cols = layout.colsOn(page);
    if (rows.empty() || cols.empty()) return;

    double width = 0;
    for (int c : cols) width += layout.colWidth(c);
    double height = 0;
    for (int r : rows) height += layout.rowHeight(r);
    const double scale = layout.scale();
    const double left =
        sheet_.print().centerHorizontally ? std::max(0.0, (laid_->area.width() - width * scale) / 2) : 0;
    painter.translate(left, laid_->frame.headerHeight());
    painter.scale(scale, scale);

    CellPainter cells(painter, sheet_, laid_->styles, layout.padding(), options_.decimalPoint);
    std::vector<double> spill(cols.size());
    double y = 0;
    for (int r : rows) {
        const double rowHeight = layout.rowHeight(r);
        // The empty cells right of each cell of the row, on this page.
        double empty = 0;
        for (std::size_t i = cols.size(); i-- > 0;) {
            spill[i] = empty;
            empty = sheet_.text(r, cols[i]).isEmpty() ? empty + layout.colWidth(cols[i]) : 0;
        }
        double x = 0;
        for (std::size_t i = 0; i < cols.size(); ++i) {
            cells.draw(r, cols[i], QRectF(x, y, layout.colWidth(cols[i]), rowHeight), spill[i]);
            x += layout.colWidth(cols[i]);
        }
        y += rowHeight;
    }

    if (!sheet_.print().gridLines) return;
    // Lines as thin on a shrunk table as on a full-size one.
    painter.setPen(QPen(QColor(0x80, 0x80, 0x80), layout.lineWidth() / scale));
    double lineY = 0;
    painter.drawLine(QPointF(0, 0), QPointF(width, 0));
    for (int r : rows) {
        lineY += layout.rowHeight(r);
        painter.drawLine(QPointF(0, lineY), QPointF(width, lineY));
    }
    double lineX = 0;
    painter.drawLine(QPointF(0, 0), QPointF(0, height));
    for (int c : cols) {
        lineX += layout.colWidth(c);
        painter.drawLine(QPointF(lineX, 0), QPointF(lineX, height));
    }
}

Result<PrintOutcome> writeSheetPdf(const Sheet& sheet, const QString& path, const PrintoutOptions& options,
                                   PrintProgress* progress) {
    SheetPrintout printout(sheet, options);
    return writePdf(printout, path, progress);
}

}  // namespace markwell
