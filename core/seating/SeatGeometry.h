// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/Records.h"

#include <QPoint>
#include <QRect>

#include <array>
#include <vector>

namespace markwell {

// Where seats go when the teacher moves or sizes them on the chart. Positions
// and sizes are the pixels stored in the seating file, unscaled, so that a
// chart read and written again is the same chart.

// No seat is made narrower or lower than this: a seat of no size could be
// neither seen nor clicked again.
inline constexpr int kMinimumSeatSize = 10;

// A new seat's size, and the grid that new seats are laid on: places of
// that size side by side, the first with its top left corner at kSeatGridOrigin.
inline constexpr QSize kNewSeatSize{100, 36};
inline constexpr QPoint kSeatGridOrigin{10, 10};

// Where a new seat goes: the first place of the grid, row by row from the
// top and from the left within a row, that no seat in `seats` overlaps. A
// row holds as many places as fit in `rowWidth` (at least one), so that once
// the rows above are full a new seat goes below the others.
QRect firstFreeSeatPlace(const std::vector<QRect>& seats, int rowWidth);

// The eight sizing handles of the selection frame, clockwise from the top left.
enum class SeatHandle { TopLeft, Top, TopRight, Right, BottomRight, Bottom, BottomLeft, Left };
inline constexpr std::array kSeatHandles = {SeatHandle::TopLeft,    SeatHandle::Top,         SeatHandle::TopRight,
                                            SeatHandle::Right,      SeatHandle::BottomRight, SeatHandle::Bottom,
                                            SeatHandle::BottomLeft, SeatHandle::Left};

// Which edges a handle moves.
struct HandleEdges {
    bool left = false;
    bool top = false;
    bool right = false;
    bool bottom = false;
};
HandleEdges edgesOf(SeatHandle handle);

// Where a seat is, as the chart shows and moves it. A position or size
// beyond kFarthestSeatPixel either way (only a damaged file has one) is
// taken as that far, so that no sum of them overflows; the seat keeps its
// stored values until the teacher moves or sizes it.
inline constexpr int kFarthestSeatPixel = 1 << 24;
QRect seatRect(const SeatingInfo& seat);
void setSeatRect(SeatingInfo& seat, const QRect& rect);

// The seat dropped with its centre on `centre` (chart coordinates), wherever
// that is: on the empty chart, on the seat itself or on another seat. A drop
// never puts the seat's left or top edge above or left of the chart.
QRect movedSeatRect(const QRect& seat, const QPoint& centre);

// The seat moved by (dx, dy), kept within the chart as a drop is.
QRect nudgedSeatRect(const QRect& seat, int dx, int dy);

// The seat sized by dragging `handle` to `to`: the edges of that handle go to
// the point, the others stay where they are. A seat never gets narrower or
// lower than kMinimumSeatSize (the moved edge stops), and a moved left or top
// edge never goes beyond the chart's.
QRect resizedSeatRect(const QRect& seat, SeatHandle handle, const QPoint& to);

}  // namespace markwell
