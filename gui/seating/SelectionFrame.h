// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/seating/SeatGeometry.h"

#include <QGraphicsItem>

#include <optional>

namespace markwell {

// The frame around the current seat: eight black squares of 5 pixels at its
// corners and the middles of its sides, without an outline, 3 pixels out
// from the seat. Each square is a sizing handle with the pointer of its
// direction; the frame itself takes no clicks, so that the seat inside it
// is dragged as any other.
class SelectionFrame : public QGraphicsItem {
public:
    static constexpr int kHandleSize = 5;
    static constexpr int kGap = 3;  // between the seat and the frame's outer edge

    SelectionFrame();

    // Puts the frame around a seat shown at `seat` and shows it.
    void hug(const QRect& seat);
    // The handle under a scene point, if any.
    std::optional<SeatHandle> handleAt(const QPointF& scenePoint) const;
    // The centre of a handle, in scene coordinates.
    QPointF handleCentre(SeatHandle handle) const;

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    QRect frame_;
};

}  // namespace markwell
