// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/seating/SelectionFrame.h"

#include <QCursor>
#include <QGraphicsRectItem>
#include <QPainter>

namespace markwell {
namespace {

constexpr int kHandleRole = 0;  // the item data that names a handle

Qt::CursorShape pointerOf(SeatHandle handle) {
    switch (handle) {
    case SeatHandle::TopLeft:
    case SeatHandle::BottomRight: return Qt::SizeFDiagCursor;
    case SeatHandle::TopRight:
    case SeatHandle::BottomLeft: return Qt::SizeBDiagCursor;
    case SeatHandle::Left:
    case SeatHandle::Right: return Qt::SizeHorCursor;
    case SeatHandle::Top:
    case SeatHandle::Bottom: return Qt::SizeVerCursor;
    }
    return Qt::ArrowCursor;
}

// The top left corner of a handle's square within a frame.
QPoint handleCorner(const QRect& frame, SeatHandle handle) {
    const int b = SelectionFrame::kHandleSize;
    const HandleEdges edges = edgesOf(handle);
    const int x = edges.left ? 0 : edges.right ? frame.width() - b : (frame.width() - b) / 2;
    const int y = edges.top ? 0 : edges.bottom ? frame.height() - b : (frame.height() - b) / 2;
    return frame.topLeft() + QPoint(x, y);
}

}  // namespace

SelectionFrame::SelectionFrame() {
    setZValue(1e9);  // above every seat
    for (SeatHandle handle : kSeatHandles) {
        auto* square = new QGraphicsRectItem(0, 0, kHandleSize, kHandleSize, this);
        square->setBrush(Qt::black);
        square->setPen(Qt::NoPen);
        square->setCursor(pointerOf(handle));
        square->setData(kHandleRole, static_cast<int>(handle));
    }
    hide();
}

void SelectionFrame::hug(const QRect& seat) {
    prepareGeometryChange();
    // Seven pixels wider and higher than the seat: three out on the left and
    // top, four on the right and bottom, as the seat's last pixel is inside it.
    frame_ = QRect(seat.x() - kGap, seat.y() - kGap, seat.width() + 2 * kGap + 1, seat.height() + 2 * kGap + 1);
    const QList<QGraphicsItem*> squares = childItems();
    for (QGraphicsItem* square : squares) {
        square->setPos(handleCorner(frame_, static_cast<SeatHandle>(square->data(kHandleRole).toInt())));
    }
    show();
}

std::optional<SeatHandle> SelectionFrame::handleAt(const QPointF& scenePoint) const {
    if (!isVisible()) return std::nullopt;
    const QList<QGraphicsItem*> squares = childItems();
    for (const QGraphicsItem* square : squares) {
        if (square->sceneBoundingRect().contains(scenePoint)) {
            return static_cast<SeatHandle>(square->data(kHandleRole).toInt());
        }
    }
    return std::nullopt;
}

QPointF SelectionFrame::handleCentre(SeatHandle handle) const {
    return QRectF(handleCorner(frame_, handle), QSizeF(kHandleSize, kHandleSize)).center();
}

QRectF SelectionFrame::boundingRect() const {
    return QRectF(frame_);
}

void SelectionFrame::paint(QPainter*, const QStyleOptionGraphicsItem*, QWidget*) {
    // The squares draw themselves; the frame has no outline.
}

}  // namespace markwell
