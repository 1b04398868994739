// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/Seats.h"
#include "core/seating/SeatGeometry.h"

#include <QGraphicsView>

#include <optional>

class QGraphicsScene;

namespace markwell {

class SeatItem;
class SeatingEditor;
class SelectionFrame;

// The seating chart on the Seating page: a white chart with every seat of
// the class, the teacher's included, that the teacher arranges with the
// mouse and the keyboard.
//
// A click chooses a seat (the frame of handles goes around it; a click
// beside the seats lets it go). Dragging a seat drops it with its centre on
// the pointer; dragging a handle moves that handle's edges. The arrow keys
// move the chosen seat by a pixel (with Shift by ten). Every change goes
// through the editor, which keeps the class and the current seat; the chart
// only shows them. The chart always reaches every seat, wherever it lies.
class SeatingView : public QGraphicsView {
    Q_OBJECT
public:
    explicit SeatingView(QWidget* parent = nullptr);
    ~SeatingView() override;

    // The editor of the open class; null shows an empty chart.
    void setEditor(SeatingEditor* editor);
    // Shows the class's seats as they stand now.
    void showChart();
    // Lets go of the current seat and hides the frame.
    void clearCurrent();

    // What the chart shows, for those who look at it closely.
    SeatItem* itemOf(SeatId id) const;
    // How many seats the chart shows, the teacher's included.
    int seatCount() const;
    // The chart's order of seats, for the keyboard and assistive technology:
    // the teacher's first (place 0), then the students' in the class's order.
    static int placeOf(SeatId id) { return id.isTeacher() ? 0 : static_cast<int>(id.index()) + 1; }
    static SeatId seatAtPlace(int place) {
        return place == 0 ? SeatId::teacher() : SeatId::student(static_cast<std::size_t>(place - 1));
    }
    // The seat the editor works on; none without one.
    std::optional<SeatId> currentSeat() const;
    const SelectionFrame& frame() const { return *frame_; }
    // The seats' rectangle in the chart's (scene) coordinates.
    QRectF chartBounds() const;
    // How far across the chart the view reaches, in chart pixels: the width
    // of a row of new seats.
    int visibleChartWidth() const;

signals:
    // Another seat, or none, is current.
    void currentSeatChanged();
    // The right mouse button on a seat, which is now current.
    void seatMenuRequested(const QPoint& globalPos);
    // A student seat was double-clicked: it is current and wants editing.
    void editRequested();
    // The Delete key was pressed on the chart.
    void deleteRequested();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // What the left mouse button is doing.
    struct Grab {
        SeatId id;
        QRect start;                       // the seat's place when grabbed
        QPoint pressed;                    // viewport point of the press
        std::optional<SeatHandle> handle;  // sizing, or else moving
        QPoint offset;                     // from the pointer to the handle's edges
        bool dragging = false;             // moved far enough to be a drag
    };

    SeatItem* seatItemAt(const QPoint& viewPoint) const;
    void choose(SeatId id);
    void showCurrent();
    // Tells assistive technology which seat has the keyboard now.
    void announceCurrent();
    void updateChartBounds();
    QPoint chartPoint(const QPoint& viewPoint) const;
    void finishGrab(const QPoint& viewPoint);

    QGraphicsScene* scene_;
    SelectionFrame* frame_;
    SeatingEditor* editor_ = nullptr;
    std::optional<Grab> grab_;
};

}  // namespace markwell
