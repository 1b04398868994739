// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/Records.h"
#include "core/data/Seats.h"

#include <QColor>
#include <QCoreApplication>
#include <QGraphicsItem>

namespace markwell {

// One seat on the chart: drawn as every seat is drawn (seating/SeatPainter.h)
// at its stored place and size. An open hand shows that it can be dragged;
// the chart closes it while the seat is held.
class SeatItem : public QGraphicsItem {
    Q_DECLARE_TR_FUNCTIONS(SeatItem)

public:
    enum { Type = UserType + 1 };

    SeatItem(SeatId id, const SeatingInfo& seat, const QColor& endColour);

    SeatId id() const { return id_; }
    // Where the seat is shown: its stored place, or where a drag or a handle
    // has it for now.
    void showAt(const QRect& rect);
    QRect shownRect() const;
    // What the chart and a screen reader call the seat: its caption (the
    // teacher's desk in the window's language), or what it is without one.
    QString caption() const;

    int type() const override { return Type; }
    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    SeatId id_;
    SeatingInfo seat_;
    QColor endColour_;
};

}  // namespace markwell
