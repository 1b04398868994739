// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "render/seating/SeatPainter.h"

#include "core/common/Cp1252.h"
#include "core/seating/SeatGeometry.h"
#include "render/style/CellStyle.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace markwell {
namespace {

// Chart pixels are those of a 96-dpi screen, as the positions and sizes of
// seating files are.
constexpr double kChartPixelsPerPoint = 96.0 / 72.0;

int stepPart(int begin, int end, int step) {
    const double part = begin + static_cast<double>(step) * (end - begin) / (kSeatGradientSteps - 1);
    return std::clamp(static_cast<int>(std::lround(part)), 0, 255);
}

}  // namespace

QColor gradientStep(const QColor& begin, const QColor& end, int step) {
    step = std::clamp(step, 0, kSeatGradientSteps - 1);
    return QColor(stepPart(begin.red(), end.red(), step), stepPart(begin.green(), end.green(), step),
                  stepPart(begin.blue(), end.blue(), step));
}

QColor studentSeatEndColour() {
    return QGuiApplication::palette().color(QPalette::ToolTipBase);
}

QFont seatFont(const SeatingInfo& seat) {
    QFont font(availableFamily(cp1252::toUnicode(seat.font_name)));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(std::max(seat.font_size, 1) * kChartPixelsPerPoint))));
    font.setBold(seat.font_style & fontstyle::kBold);
    font.setItalic(seat.font_style & fontstyle::kItalic);
    font.setUnderline(seat.font_style & fontstyle::kUnderline);
    font.setStrikeOut(seat.font_style & fontstyle::kStrikeOut);
    return font;
}

namespace {

// The bands of the gradient: step i of the 255 covers the columns nearest
// to i / 254 of the way across, so that the first column has the begin
// colour and the last the end colour, however wide the seat.
void paintGradient(QPainter& painter, int width, int height, const QColor& begin, const QColor& end) {
    constexpr int kLast = kSeatGradientSteps - 1;
    const double columnsPerStep = static_cast<double>(width - 1) / kLast;
    const auto firstColumn = [&](int step) {
        if (step <= 0) return 0;
        if (step > kLast) return width;
        return static_cast<int>(std::ceil((step - 0.5) * columnsPerStep));
    };
    for (int step = 0; step <= kLast; ++step) {
        const int from = firstColumn(step);
        const int to = firstColumn(step + 1);
        if (to > from) painter.fillRect(QRectF(from, 0, to - from, height), gradientStep(begin, end, step));
    }
}

}  // namespace

namespace {

// Room kept free at each side of the caption; left- and right-aligned
// captions start this far in.
constexpr int kCaptionMargin = 2;
constexpr int kAlignedCaptionInset = 5;

// How many lines of the font a seat of `height` holds, at least one.
int linesThatFit(const QFontMetrics& metrics, int height) {
    if (height <= metrics.height()) return 1;
    return 1 + (height - metrics.height()) / std::max(1, metrics.lineSpacing());
}

}  // namespace

QStringList seatCaptionLines(const QString& caption, const QFont& font, const QSize& size) {
    const QFontMetrics metrics(font);
    const int width = std::max(1, size.width() - 2 * kCaptionMargin);
    QTextLayout layout(caption, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QList<int> starts;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        starts << line.textStart();
    }
    layout.endLayout();

    QStringList lines;
    const int shown = std::min(static_cast<int>(starts.size()), linesThatFit(metrics, size.height()));
    for (int i = 0; i < shown; ++i) {
        const bool last = i == shown - 1;
        const int end = last ? static_cast<int>(caption.size()) : starts.at(i + 1);
        const QString text = caption.mid(starts.at(i), end - starts.at(i)).trimmed();
        lines << (last ? metrics.elidedText(text, Qt::ElideRight, width) : text);
    }
    return lines;
}

void paintSeat(QPainter& painter, const SeatingInfo& seat, const QColor& endColour, CaptionAlignment alignment) {
    const QSize size = seatRect(seat).size();
    if (size.isEmpty()) return;
    painter.save();
    painter.setClipRect(QRect(QPoint(0, 0), size), Qt::IntersectClip);
    paintGradient(painter, size.width(), size.height(), toQColor(seat.color), endColour);

    const QFont font = seatFont(seat);
    const QFontMetrics metrics(font);
    const QStringList lines = seatCaptionLines(cp1252::toUnicode(seat.name), font, size);
    const int blockHeight = metrics.height() + (static_cast<int>(lines.size()) - 1) * metrics.lineSpacing();
    int y = (size.height() - blockHeight) / 2;
    painter.setFont(font);
    painter.setPen(toQColor(seat.font_color));
    for (const QString& line : lines) {
        const int textWidth = metrics.horizontalAdvance(line);
        int x = (size.width() - textWidth) / 2;
        if (alignment == CaptionAlignment::Left) x = kAlignedCaptionInset;
        if (alignment == CaptionAlignment::Right) x = size.width() - textWidth - kAlignedCaptionInset;
        painter.drawText(QPoint(x, y + metrics.ascent()), line);
        y += metrics.lineSpacing();
    }
    painter.restore();
}

}  // namespace markwell
