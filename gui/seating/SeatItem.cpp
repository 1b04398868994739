#include "seating/SeatItem.h"

#include "seating/SeatGeometry.h"
#include "seating/SeatPainter.h"

#include <QCursor>
#include <QPainter>

namespace markwell {

SeatItem::SeatItem(SeatId id, const SeatingInfo& seat, const QColor& endColour)
    : id_(id), seat_(seat), endColour_(endColour) {
    setCursor(Qt::OpenHandCursor);
    setPos(seat.left, seat.Top);
}

void SeatItem::showAt(const QRect& rect) {
    if (rect.size() != QSize(seat_.width, seat_.height)) prepareGeometryChange();
    setSeatRect(seat_, rect);
    setPos(rect.topLeft());
    update();
}

QRect SeatItem::shownRect() const {
    return seatRect(seat_);
}

QRectF SeatItem::boundingRect() const {
    if (seat_.width <= 0 || seat_.height <= 0) return {};
    return QRectF(0, 0, seat_.width, seat_.height);
}

void SeatItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    paintSeat(*painter, seat_, endColour_);
}

}  // namespace markwell
