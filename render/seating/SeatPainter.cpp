#include "seating/SeatPainter.h"

#include "common/Cp1252.h"
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

// The bands of the gradient: the first column in the begin colour, the last
// in the end colour, neighbouring columns of one step drawn as one band.
void paintGradient(QPainter& painter, int width, int height, const QColor& begin, const QColor& end) {
    const auto stepOf = [width](int column) {
        if (width <= 1) return 0;
        return static_cast<int>(std::lround(static_cast<double>(column) * (kSeatGradientSteps - 1) / (width - 1)));
    };
    int bandStart = 0;
    for (int column = 1; column <= width; ++column) {
        if (column < width && stepOf(column) == stepOf(bandStart)) continue;
        painter.fillRect(QRectF(bandStart, 0, column - bandStart, height), gradientStep(begin, end, stepOf(bandStart)));
        bandStart = column;
    }
}

}  // namespace

void paintSeat(QPainter& painter, const SeatingInfo& seat, const QColor& endColour, CaptionAlignment alignment) {
    if (seat.width <= 0 || seat.height <= 0) return;
    painter.save();
    painter.setClipRect(QRect(0, 0, seat.width, seat.height), Qt::IntersectClip);
    paintGradient(painter, seat.width, seat.height, toQColor(seat.color), endColour);

    const QFont font = seatFont(seat);
    const QString caption = cp1252::toUnicode(seat.name);
    const QFontMetrics metrics(font);
    const int textWidth = metrics.horizontalAdvance(caption);
    int x = (seat.width - textWidth) / 2;
    if (alignment == CaptionAlignment::Left) x = 5;
    if (alignment == CaptionAlignment::Right) x = seat.width - textWidth - 5;
    const int y = (seat.height - metrics.height()) / 2;
    painter.setFont(font);
    painter.setPen(toQColor(seat.font_color));
    painter.drawText(QPoint(x, y + metrics.ascent()), caption);
    painter.restore();
}

}  // namespace markwell
