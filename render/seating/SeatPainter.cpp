#include "seating/SeatPainter.h"

#include "common/Cp1252.h"
#include "seating/SeatGeometry.h"
#include "style/CellStyle.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

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

void paintSeat(QPainter& painter, const SeatingInfo& seat, const QColor& endColour, CaptionAlignment alignment) {
    const QSize size = seatRect(seat).size();
    if (size.isEmpty()) return;
    painter.save();
    painter.setClipRect(QRect(QPoint(0, 0), size), Qt::IntersectClip);
    paintGradient(painter, size.width(), size.height(), toQColor(seat.color), endColour);

    const QFont font = seatFont(seat);
    const QString caption = cp1252::toUnicode(seat.name);
    const QFontMetrics metrics(font);
    const int textWidth = metrics.horizontalAdvance(caption);
    int x = (size.width() - textWidth) / 2;
    if (alignment == CaptionAlignment::Left) x = 5;
    if (alignment == CaptionAlignment::Right) x = size.width() - textWidth - 5;
    const int y = (size.height() - metrics.height()) / 2;
    painter.setFont(font);
    painter.setPen(toQColor(seat.font_color));
    painter.drawText(QPoint(x, y + metrics.ascent()), caption);
    painter.restore();
}

}  // namespace markwell
