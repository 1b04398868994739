// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

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
    setToolTip(id_.isTeacher() ? caption() : cp1252::toUnicode(seat.name));
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
    // The seating file keeps the teacher's desk as "Teacher" in every
    // language; the window names it in its own.
    if (id_.isTeacher()) return tr("Teacher");
    QString name = cp1252::toUnicode(seat_.name).simplified();
    return name.isEmpty() ? tr("Empty seat") : name;
}

QRectF SeatItem::boundingRect() const {
    const QSize size = seatRect(seat_).size();
    return size.isEmpty() ? QRectF() : QRectF(QPointF(0, 0), QSizeF(size));
}

void SeatItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    if (!id_.isTeacher()) {
        paintSeat(*painter, seat_, endColour_);
        return;
    }
    SeatingInfo shown = seat_;
    if (Result<std::string> name = cp1252::fromUnicode(caption()); name.ok()) shown.name = *name;
    paintSeat(*painter, shown, endColour_);
}

}  // namespace markwell
