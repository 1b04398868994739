// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/seating/SeatGeometry.h"

#include <algorithm>
#include <limits>

namespace markwell {

HandleEdges edgesOf(SeatHandle handle) {
    switch (handle) {
    case SeatHandle::TopLeft: return {true, true, false, false};
    case SeatHandle::Top: return {false, true, false, false};
    case SeatHandle::TopRight: return {false, true, true, false};
    case SeatHandle::Right: return {false, false, true, false};
    case SeatHandle::BottomRight: return {false, false, true, true};
    case SeatHandle::Bottom: return {false, false, false, true};
    case SeatHandle::BottomLeft: return {true, false, false, true};
    case SeatHandle::Left: return {true, false, false, false};
    }
    return {};
}

QRect seatRect(const SeatingInfo& seat) {
    const auto near = [](std::int32_t value) { return std::clamp(value, -kFarthestSeatPixel, kFarthestSeatPixel); };
    return {near(seat.left), near(seat.Top), near(seat.width), near(seat.height)};
}

void setSeatRect(SeatingInfo& seat, const QRect& rect) {
    seat.left = rect.x();
    seat.Top = rect.y();
    seat.width = rect.width();
    seat.height = rect.height();
}

namespace {

// How far down the grid the places blocked by `taken` in the row at `top`
// stay blocked: the top of the first row in which one of them may be free.
// A place stays blocked while any seat over it reaches into the row.
int nextRowTop(const std::vector<QRect>& taken, int top, int columns) {
    int freedAt = std::numeric_limits<int>::max();
    for (int column = 0; column < columns; ++column) {
        const QRect place(kSeatGridOrigin.x() + column * kNewSeatSize.width(), top, kNewSeatSize.width(),
                          kNewSeatSize.height());
        int lowestBottom = top + kNewSeatSize.height();
        for (const QRect& seat : taken) {
            if (seat.intersects(place)) lowestBottom = std::max(lowestBottom, seat.y() + seat.height());
        }
        freedAt = std::min(freedAt, lowestBottom);
    }
    // Whole rows: a seat from a file may end anywhere.
    const int rows = (freedAt - top + kNewSeatSize.height() - 1) / kNewSeatSize.height();
    return top + std::max(rows, 1) * kNewSeatSize.height();
}

}  // namespace

QRect firstFreeSeatPlace(const std::vector<QRect>& seats, int rowWidth) {
    // A seat of negative size (only a damaged file has one) covers the places
    // between its edges like any other: its rows are passed in one step too.
    std::vector<QRect> taken;
    taken.reserve(seats.size());
    for (const QRect& seat : seats) taken.push_back(seat.normalized());
    const int columns = std::clamp((rowWidth - kSeatGridOrigin.x()) / kNewSeatSize.width(), 1,
                                   kFarthestSeatPixel / kNewSeatSize.width());
    // Rows in which every place stays taken are passed in one step, so that a
    // tall seat (from a damaged file) costs no more than another.
    for (int top = kSeatGridOrigin.y();; top = nextRowTop(taken, top, columns)) {
        for (int column = 0; column < columns; ++column) {
            const QRect place(QPoint(kSeatGridOrigin.x() + column * kNewSeatSize.width(), top), kNewSeatSize);
            const bool free = std::none_of(taken.begin(), taken.end(),
                                           [&place](const QRect& seat) { return seat.intersects(place); });
            if (free) return place;
        }
    }
}

QRect movedSeatRect(const QRect& seat, const QPoint& centre) {
    const int left = std::max(0, centre.x() - seat.width() / 2);
    const int top = std::max(0, centre.y() - seat.height() / 2);
    return {left, top, seat.width(), seat.height()};
}

QRect nudgedSeatRect(const QRect& seat, int dx, int dy) {
    return {std::max(0, seat.x() + dx), std::max(0, seat.y() + dy), seat.width(), seat.height()};
}

namespace {

// One axis of a resize: the start and the end (one past the last pixel) of
// the seat along it, after dragging its start or end edge to `to`.
struct Span {
    int start;
    int end;
};

Span resizedSpan(Span span, bool moveStart, bool moveEnd, int to) {
    if (moveStart) {
        // No nearer the other edge than the minimum, and within the chart;
        // a seat too small to give both (from a file) grows at its end.
        span.start = std::max(0, std::min(to, span.end - kMinimumSeatSize));
        span.end = std::max(span.end, span.start + kMinimumSeatSize);
    } else if (moveEnd) {
        span.end = std::max(to, span.start + kMinimumSeatSize);
    }
    return span;
}

}  // namespace

QRect resizedSeatRect(const QRect& seat, SeatHandle handle, const QPoint& to) {
    const HandleEdges edges = edgesOf(handle);
    const Span across = resizedSpan({seat.x(), seat.x() + seat.width()}, edges.left, edges.right, to.x());
    const Span down = resizedSpan({seat.y(), seat.y() + seat.height()}, edges.top, edges.bottom, to.y());
    return {across.start, down.start, across.end - across.start, down.end - down.start};
}

}  // namespace markwell
