#include "gui/seating/SeatItem.h"

#include "core/common/Cp1252.h"
#include "core/seating/SeatGeometry.h"
#include "render/seating/SeatPainter.h"

#include <QCursor>
#include <QPainter>

namespace markwell {

SeatItem::SeatItem(SeatId id, const SeatingInfo& seat, const QColor& endColour)
    : id_(id), seat_(seat), endColour_(endColour) {
    setCursor(Qt::OpenHandCursor);
    // The whole name, however little of it the seat has room for.
    setToolTip(cp1252::toUnicode(seat.name));
    setPos(seatRect(seat).topLeft());
}

void SeatItem::showAt(const QRect& rect) {
    if (rect.size() != seatRect(seat_).size()) prepareGeometryChange();
    setSeatRect(seat_, rect);
    setPos(rect.topLeft());
    update();
}

QRect SeatItem::shownRect() const {
    return seatRect(seat_);
}

QString SeatItem::caption() const {
    QString name = cp1252::toUnicode(seat_.name).simplified();
    if (!name.isEmpty()) return name;
    return id_.isTeacher() ? tr("Teacher") : tr("Empty seat");
}

QRectF SeatItem::boundingRect() const {
    const QSize size = seatRect(seat_).size();
    return size.isEmpty() ? QRectF() : QRectF(QPointF(0, 0), QSizeF(size));
}

void SeatItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    paintSeat(*painter, seat_, endColour_);
}

}  // namespace markwell
