// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/seating/SeatGeometry.h"

#include <gtest/gtest.h>

#include <limits>

using namespace markwell;

namespace {

// A seat of 100 x 40 whose edges are at x 50 and 150, y 60 and 100.
const QRect kSeat(50, 60, 100, 40);

struct HandleCase {
    SeatHandle handle;
    QRect dragged;   // after dragging the handle to (30, 200)
    QRect squeezed;  // after dragging it right across the seat, to (400, 400)
};

}  // namespace

TEST(SeatGeometry, EachHandleMovesExactlyItsOwnEdgesAndStopsAtTheMinimum) {
    const QPoint out(30, 200);
    const QPoint across(400, 400);
    const HandleCase cases[] = {
        // The left and top handles move the seat's position too: its right
        // and bottom edges stay where they were.
        {SeatHandle::TopLeft, QRect(30, 90, 120, 10), QRect(140, 90, 10, 10)},
        {SeatHandle::Top, QRect(50, 90, 100, 10), QRect(50, 90, 100, 10)},
        {SeatHandle::TopRight, QRect(50, 90, 10, 10), QRect(50, 90, 350, 10)},
        {SeatHandle::Right, QRect(50, 60, 10, 40), QRect(50, 60, 350, 40)},
        {SeatHandle::BottomRight, QRect(50, 60, 10, 140), QRect(50, 60, 350, 340)},
        {SeatHandle::Bottom, QRect(50, 60, 100, 140), QRect(50, 60, 100, 340)},
        {SeatHandle::BottomLeft, QRect(30, 60, 120, 140), QRect(140, 60, 10, 340)},
        {SeatHandle::Left, QRect(30, 60, 120, 40), QRect(140, 60, 10, 40)},
    };
    for (const HandleCase& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.handle));
        EXPECT_EQ(resizedSeatRect(kSeat, c.handle, out), c.dragged);
        EXPECT_EQ(resizedSeatRect(kSeat, c.handle, across), c.squeezed);
    }
}

TEST(SeatGeometry, SizingNeverMovesAnEdgeOutOfTheChartNorLeavesASeatTooSmall) {
    EXPECT_EQ(resizedSeatRect(kSeat, SeatHandle::TopLeft, QPoint(-40, -25)), QRect(0, 0, 150, 100));
    // A seat from a file, narrower than the minimum in the chart's corner: it
    // grows at its far edge rather than past the chart's.
    EXPECT_EQ(resizedSeatRect(QRect(0, 0, 4, 3), SeatHandle::TopLeft, QPoint(2, 2)), QRect(0, 0, 10, 10));
    EXPECT_EQ(resizedSeatRect(QRect(5, 5, 0, -8), SeatHandle::BottomRight, QPoint(6, 6)), QRect(5, 5, 10, 10));
}

TEST(SeatGeometry, ADropCentresTheSeatOnThePointWithinTheChart) {
    // The point may lie on the empty chart, on the seat itself or on another
    // seat: only the point counts.
    EXPECT_EQ(movedSeatRect(kSeat, QPoint(300, 300)), QRect(250, 280, 100, 40));
    EXPECT_EQ(movedSeatRect(kSeat, QPoint(60, 70)), QRect(10, 50, 100, 40));
    // Odd sizes put the extra pixel right and below, as integer halves do.
    EXPECT_EQ(movedSeatRect(QRect(0, 0, 79, 31), QPoint(100, 100)), QRect(61, 85, 79, 31));
    // Near the chart's corner the seat stops at its edges.
    EXPECT_EQ(movedSeatRect(kSeat, QPoint(10, 300)), QRect(0, 280, 100, 40));
    EXPECT_EQ(movedSeatRect(kSeat, QPoint(-500, -500)), QRect(0, 0, 100, 40));
    // A nudge stops there too; a seat left beyond it by a file comes back into the chart.
    EXPECT_EQ(nudgedSeatRect(QRect(0, 3, 10, 10), -1, -10), QRect(0, 0, 10, 10));
    EXPECT_EQ(nudgedSeatRect(QRect(-30, 8, 10, 10), 1, 0), QRect(0, 8, 10, 10));
}

TEST(SeatGeometry, ANewSeatTakesTheFirstFreePlaceOfTheGridRowByRow) {
    const auto place = [](int column, int row) { return QRect(10 + column * 100, 10 + row * 36, 100, 36); };
    EXPECT_EQ(firstFreeSeatPlace({}, 800), place(0, 0));
    // Three places to a row of 310 pixels: a full row sends the seat below it.
    EXPECT_EQ(firstFreeSeatPlace({place(0, 0), place(1, 0), place(2, 0)}, 310), place(0, 1));
    // A gap is filled before the row below; a seat merely touching a place leaves it free.
    EXPECT_EQ(firstFreeSeatPlace({place(0, 0), place(2, 0), place(0, 1)}, 310), place(1, 0));
    EXPECT_EQ(firstFreeSeatPlace({QRect(10, 46, 100, 36), QRect(10, 0, 100, 10)}, 310), place(0, 0));
    // Any overlap takes a place: a seat between two rows takes both.
    EXPECT_EQ(firstFreeSeatPlace({QRect(5, 40, 100, 36)}, 110), place(0, 2));
    // A view narrower than a seat still has one place to a row.
    EXPECT_EQ(firstFreeSeatPlace({place(0, 0)}, 50), place(0, 1));
    // The teacher's desk at (303, 313) takes the two places it lies across.
    std::vector<QRect> taken{QRect(303, 313, 79, 30)};
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 7; ++column) taken.push_back(place(column, row));
    }
    taken.push_back(place(0, 8));
    taken.push_back(place(1, 8));
    EXPECT_EQ(firstFreeSeatPlace(taken, 800), place(4, 8));
}

TEST(SeatGeometry, AHugeSeatFromADamagedFileSendsANewSeatBelowIt) {
    // Passed row by row this would take minutes; the rows it fills are
    // passed at once.
    const QRect huge(0, 0, kFarthestSeatPixel, kFarthestSeatPixel);
    EXPECT_EQ(firstFreeSeatPlace({huge}, 800), QRect(10, 16777234, 100, 36));
    EXPECT_EQ(firstFreeSeatPlace({huge}, std::numeric_limits<int>::max()), QRect(10, 16777234, 100, 36));
}
