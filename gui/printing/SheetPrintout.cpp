#include "printing/SheetPrintout.h"

#include "files/AtomicFile.h"
#include "sheet/PrintHeader.h"
#include "sheetview/CellStyle.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImage>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <numeric>

namespace markwell {

struct SheetPrintout::Metrics {
    const QPaintDevice* device = nullptr;
    std::vector<double> colWidths;   // by column - 1, device pixels
    std::vector<double> rowHeights;  // by row - 1
    double padding = 0;              // left and right of a cell's text
    double headerHeight = 0;         // header line and the gap below it
    double footerHeight = 0;
    double lineWidth = 1;
    QFont headerFont;
    // The fonts of the cells, made once per distinct cell font.
    mutable std::vector<std::pair<CellFont, QFont>> fonts;

    const QFont& fontOf(const CellFont& font) const {
        for (const auto& [known, made] : fonts) {
            if (known == font) return made;
        }
        fonts.emplace_back(font, toQFont(font));
        return fonts.back().second;
    }
};

namespace {

// Heights of text lines by font, measured once per distinct font.
class LineHeights {
public:
    explicit LineHeights(const QPaintDevice& device) : device_(device) {}

    double of(const CellFont& font) {
        for (const auto& [known, height] : heights_) {
            if (known == font) return height;
        }
        const double height = QFontMetricsF(toQFont(font), &device_).height();
        heights_.emplace_back(font, height);
        return height;
    }

private:
    const QPaintDevice& device_;
    std::vector<std::pair<CellFont, double>> heights_;
};

QFont headerRunFont(const QFont& base, const HeaderRun& run) {
    QFont font = base;
    font.setBold(run.bold);
    font.setUnderline(run.underline);
    if (run.pointSize > 0) font.setPointSize(run.pointSize);
    return font;
}

double runsWidth(const std::vector<HeaderRun>& runs, const QFont& base, const QPaintDevice* device) {
    double width = 0;
    for (const HeaderRun& run : runs) width += QFontMetricsF(headerRunFont(base, run), device).horizontalAdvance(run.text);
    return width;
}

double runsHeight(const std::vector<HeaderRun>& runs, const QFont& base, const QPaintDevice* device) {
    double height = 0;
    for (const HeaderRun& run : runs) height = std::max(height, QFontMetricsF(headerRunFont(base, run), device).height());
    return height;
}

void drawRuns(QPainter& painter, const std::vector<HeaderRun>& runs, const QFont& base, double x, double baseline) {
    for (const HeaderRun& run : runs) {
        const QFont font = headerRunFont(base, run);
        painter.setFont(font);
        painter.drawText(QPointF(x, baseline), run.text);
        x += QFontMetricsF(font, painter.device()).horizontalAdvance(run.text);
    }
}

// Splits items 1..count of the given sizes into bands that fit `room` after
// the repeated leading items 1..repeat; every band holds at least one item.
std::vector<std::pair<int, int>> bands(const std::vector<double>& sizes, int repeat, double room) {
    const int count = static_cast<int>(sizes.size());
    double repeated = 0;
    for (int i = 0; i < repeat; ++i) repeated += sizes[static_cast<std::size_t>(i)];
    if (repeat >= count || repeated > room / 2) {
        repeat = 0;
        repeated = 0;
    }
    std::vector<std::pair<int, int>> result;
    int first = repeat + 1;
    while (first <= count) {
        double used = repeated;
        int last = first;
        used += sizes[static_cast<std::size_t>(first - 1)];
        while (last < count && used + sizes[static_cast<std::size_t>(last)] <= room) {
            used += sizes[static_cast<std::size_t>(last)];
            ++last;
        }
        result.emplace_back(first, last);
        first = last + 1;
    }
    if (result.empty()) result.emplace_back(1, 0);
    return result;
}

}  // namespace

SheetPrintout::SheetPrintout(const Sheet& sheet, PrintoutOptions options) : sheet_(sheet), options_(options) {}

int SheetPrintout::repeatedCols() const {
    return options_.repeatCols < 0 ? sheet_.fixedCols() : options_.repeatCols;
}

SheetPrintout::Metrics SheetPrintout::measure(const QPaintDevice& device) const {
    Metrics m;
    m.device = &device;
    m.padding = characterUnitWidth(bodyFace(sheet_), &device) * 0.3;
    m.lineWidth = std::max(1.0, device.logicalDpiX() / 200.0);
    m.colWidths = columnWidthsOn(sheet_, 2 * m.padding + 1, &device);

    LineHeights heights(device);
    const double minimum = heights.of(sheet_.defaultFormat().font);
    for (int row = 1; row <= sheet_.maxRow(); ++row) {
        double height = 0;
        for (int col = 1; col <= sheet_.maxCol(); ++col) height = std::max(height, heights.of(sheet_.format(row, col).font));
        m.rowHeights.push_back((height > 0 ? height : minimum) * 1.25);
    }

    m.headerFont = toQFont(CellFont{});
    const PrintHeaderParts parts = parsePrintHeader(sheet_.print().header, QString());
    const double lineHeight = std::max({QFontMetricsF(m.headerFont, &device).height(),
                                        runsHeight(parts.left, m.headerFont, &device),
                                        runsHeight(parts.center, m.headerFont, &device),
                                        runsHeight(parts.right, m.headerFont, &device)});
    m.headerHeight = sheet_.print().header.isEmpty() ? 0 : lineHeight * 2;
    m.footerHeight = QFontMetricsF(m.headerFont, &device).height() * 2;
    return m;
}

std::vector<SheetPrintout::Page> SheetPrintout::paginate(const Metrics& m, const QSizeF& area) const {
    const double roomAcross = area.width();
    const double roomDown = std::max(area.height() - m.headerHeight - m.footerHeight, area.height() / 4);
    const auto rowBands = bands(m.rowHeights, std::max(0, options_.repeatRows), roomDown);
    const auto colBands = bands(m.colWidths, std::max(0, repeatedCols()), roomAcross);
    std::vector<Page> pages;
    for (const auto& [firstCol, lastCol] : colBands) {
        for (const auto& [firstRow, lastRow] : rowBands) pages.push_back({firstRow, lastRow, firstCol, lastCol});
    }
    return pages;
}

std::vector<SheetPrintout::Page> SheetPrintout::paginate(const QPaintDevice& device, const QSizeF& area) const {
    return paginate(measure(device), area);
}

QPageLayout::Orientation SheetPrintout::suggestedOrientation(const QPageLayout& layout) const {
    // Measure the table as the pages will, on a device of one pixel per point.
    QImage points(1, 1, QImage::Format_RGB32);
    const int dotsPerMetre = qRound(72 / 0.0254);
    points.setDotsPerMeterX(dotsPerMetre);
    points.setDotsPerMeterY(dotsPerMetre);
    const Metrics m = measure(points);
    const double width = std::accumulate(m.colWidths.begin(), m.colWidths.end(), 0.0);
    return width > layout.paintRect(QPageLayout::Point).width() ? QPageLayout::Landscape : QPageLayout::Portrait;
}

void SheetPrintout::drawHeader(QPainter& painter, const Metrics& m, const QSizeF& area) const {
    if (m.headerHeight <= 0) return;
    const QString date = QLocale().toString(options_.date, QLocale::ShortFormat);
    const PrintHeaderParts parts = parsePrintHeader(sheet_.print().header, date);
    const double baseline = QFontMetricsF(m.headerFont, painter.device()).ascent();
    painter.setPen(Qt::black);
    drawRuns(painter, parts.left, m.headerFont, 0, baseline);
    drawRuns(painter, parts.center, m.headerFont,
             (area.width() - runsWidth(parts.center, m.headerFont, painter.device())) / 2, baseline);
    drawRuns(painter, parts.right, m.headerFont, area.width() - runsWidth(parts.right, m.headerFont, painter.device()),
             baseline);
}

void SheetPrintout::drawCell(QPainter& painter, const Metrics& m, int row, int col, const QRectF& rect) const {
    const CellFormat& format = sheet_.format(row, col);
    if (format.fill.pattern == FillPattern::Solid) painter.fillRect(rect, toQColor(format.fill.foreground));
    const QString text = sheet_.text(row, col);
    if (text.isEmpty()) return;
    painter.setFont(m.fontOf(format.font));
    painter.setPen(toQColor(format.font.color));
    const QRectF inner = rect.adjusted(m.padding, 0, -m.padding, 0);
    painter.save();
    painter.setClipRect(rect);
    painter.drawText(inner, static_cast<int>(toQtAlignment(format.alignment, sheet_.kind(row, col))) | Qt::TextSingleLine,
                     text);
    painter.restore();
}

void SheetPrintout::drawPage(QPainter& painter, const Metrics& m, const Page& page, const QSizeF& area, int number,
                             int count) const {
    drawHeader(painter, m, area);

    std::vector<int> rows;
    std::vector<int> cols;
    for (int r = 1; r < page.firstRow && r <= options_.repeatRows; ++r) rows.push_back(r);
    for (int r = page.firstRow; r <= page.lastRow; ++r) rows.push_back(r);
    for (int c = 1; c < page.firstCol && c <= repeatedCols(); ++c) cols.push_back(c);
    for (int c = page.firstCol; c <= page.lastCol; ++c) cols.push_back(c);

    double tableWidth = 0;
    for (int c : cols) tableWidth += m.colWidths[static_cast<std::size_t>(c - 1)];
    const double left = sheet_.print().centerHorizontally ? std::max(0.0, (area.width() - tableWidth) / 2) : 0;
    const double top = m.headerHeight;

    double y = top;
    for (int r : rows) {
        const double height = m.rowHeights[static_cast<std::size_t>(r - 1)];
        double x = left;
        for (int c : cols) {
            const double width = m.colWidths[static_cast<std::size_t>(c - 1)];
            drawCell(painter, m, r, c, QRectF(x, y, width, height));
            x += width;
        }
        y += height;
    }

    if (sheet_.print().gridLines && !rows.empty() && !cols.empty()) {
        painter.setPen(QPen(QColor(0x80, 0x80, 0x80), m.lineWidth));
        double lineY = top;
        painter.drawLine(QPointF(left, lineY), QPointF(left + tableWidth, lineY));
        for (int r : rows) {
            lineY += m.rowHeights[static_cast<std::size_t>(r - 1)];
            painter.drawLine(QPointF(left, lineY), QPointF(left + tableWidth, lineY));
        }
        double lineX = left;
        painter.drawLine(QPointF(lineX, top), QPointF(lineX, y));
        for (int c : cols) {
            lineX += m.colWidths[static_cast<std::size_t>(c - 1)];
            painter.drawLine(QPointF(lineX, top), QPointF(lineX, y));
        }
    }

    if (count > 1) {
        painter.setFont(m.headerFont);
        painter.setPen(Qt::black);
        const QString footer = QStringLiteral("Page %1 of %2").arg(number).arg(count);
        painter.drawText(QRectF(0, area.height() - m.footerHeight / 2, area.width(), m.footerHeight / 2),
                         Qt::AlignCenter, footer);
    }
}

Result<void> SheetPrintout::print(QPagedPaintDevice& device) const {
    QPainter painter;
    if (!painter.begin(&device)) return fail(QStringLiteral("The printer could not be started."));
    const Metrics m = measure(device);
    const QSizeF area(device.width(), device.height());
    const std::vector<Page> pages = paginate(m, area);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0 && !device.newPage()) {
            painter.end();
            return fail(QStringLiteral("The printer refused page %1.").arg(i + 1));
        }
        drawPage(painter, m, pages[i], area, static_cast<int>(i) + 1, static_cast<int>(pages.size()));
    }
    if (!painter.end()) return fail(QStringLiteral("The printout could not be finished."));
    return {};
}

Result<void> writeSheetPdf(const Sheet& sheet, const QString& path, const PrintoutOptions& options) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(sheet.print().title);
        writer.setCreator(QStringLiteral("Computerized Markwell"));
        writer.setResolution(600);
        const bool letter = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
        QPageLayout layout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                           QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        const SheetPrintout printout(sheet, options);
        layout.setOrientation(printout.suggestedOrientation(layout));
        writer.setPageLayout(layout);
        if (Result<void> printed = printout.print(writer); !printed) return fail(unableToCreate(path, printed.message()));
    }
    return writeFileAtomically(path, buffer.data());
}

}  // namespace markwell
