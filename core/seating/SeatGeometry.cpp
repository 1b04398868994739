#include "seating/SeatGeometry.h"

#include <algorithm>

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
