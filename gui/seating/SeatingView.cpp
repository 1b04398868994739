// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/seating/SeatingView.h"

#include "core/seating/SeatingEditor.h"
#include "gui/seating/SeatItem.h"
#include "gui/seating/SeatingChartAccessible.h"
#include "gui/seating/SelectionFrame.h"
#include "render/seating/SeatPainter.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QGraphicsScene>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcut>

namespace markwell {
namespace {

// Room on the chart beyond the last seat, to move seats further out.
constexpr int kRoomBeyond = 200;
// Seats lie in the order of the list, the current one over them all.
constexpr double kCurrentSeatLayer = 1e8;

}  // namespace

SeatingView::SeatingView(QWidget* parent)
    : QGraphicsView(parent), scene_(new QGraphicsScene(this)), frame_(new SelectionFrame) {
    setObjectName(QStringLiteral("seatingView"));
    SeatingChartAccessible::install();
    setAccessibleName(tr("Seating chart"));
    setAccessibleDescription(tr("The seats of the class: Page Down and Page Up choose a seat, the arrow keys "
                                "move it (with Shift by ten), Enter edits it."));
    scene_->setBackgroundBrush(Qt::white);
    scene_->addItem(frame_);
    setScene(scene_);
    setBackgroundBrush(Qt::white);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    // Delete works on the chart alone: never from another page or a text field.
    auto* deleteKey = new QShortcut(QKeySequence::Delete, this);
    deleteKey->setContext(Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, this, &SeatingView::deleteRequested);
    updateChartBounds();
}

SeatingView::~SeatingView() = default;

void SeatingView::setEditor(SeatingEditor* editor) {
    editor_ = editor;
    showChart();
}

void SeatingView::showChart() {
    grab_.reset();
    for (QGraphicsItem* item : scene_->items()) {
        if (item->type() == SeatItem::Type) delete item;
    }
    if (editor_) {
        const ClassRecord& cls = editor_->classRecord();
        // The teacher's desk was there first; the seats lie over it.
        scene_->addItem(new SeatItem(SeatId::teacher(), cls.teacherSeat, teacherSeatEndColour()));
        const QColor studentEnd = studentSeatEndColour();
        for (std::size_t i = 0; i < cls.Seats.size(); ++i) {
            auto* item = new SeatItem(SeatId::student(i), cls.Seats[i], studentEnd);
            item->setZValue(static_cast<double>(i) + 1);
            scene_->addItem(item);
        }
    }
    showCurrent();
    updateChartBounds();
}

SeatItem* SeatingView::itemOf(SeatId id) const {
    for (QGraphicsItem* item : scene_->items()) {
        if (item->type() == SeatItem::Type && static_cast<SeatItem*>(item)->id() == id) {
            return static_cast<SeatItem*>(item);
        }
    }
    return nullptr;
}

void SeatingView::showCurrent() {
    const std::optional<SeatId> current = editor_ ? editor_->current() : std::nullopt;
    SeatItem* item = current ? itemOf(*current) : nullptr;
    if (!item) {
        frame_->hide();
        return;
    }
    item->setZValue(kCurrentSeatLayer);
    frame_->hug(item->shownRect());
}

void SeatingView::clearCurrent() {
    if (!editor_ || !editor_->current()) return;
    editor_->clearCurrent();
    showChart();
    emit currentSeatChanged();
}

void SeatingView::choose(SeatId id) {
    const std::optional<SeatId> before = editor_->current();
    editor_->select(id);
    showChart();
    if (editor_->current() == before) return;
    announceCurrent();
    emit currentSeatChanged();
}

int SeatingView::seatCount() const {
    if (!editor_) return 0;
    return static_cast<int>(editor_->classRecord().Seats.size()) + 1;
}

std::optional<SeatId> SeatingView::currentSeat() const {
    return editor_ ? editor_->current() : std::nullopt;
}

void SeatingView::announceCurrent() {
    const std::optional<SeatId> current = currentSeat();
    if (!current || !hasFocus() || !QAccessible::isActive()) return;
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild(placeOf(*current));
    QAccessible::updateAccessibility(&event);
}

QRectF SeatingView::chartBounds() const {
    QRectF bounds;
    for (QGraphicsItem* item : scene_->items()) {
        if (item->type() == SeatItem::Type) bounds |= item->sceneBoundingRect();
    }
    return bounds;
}

int SeatingView::visibleChartWidth() const {
    return static_cast<int>(mapToScene(viewport()->rect()).boundingRect().right());
}

void SeatingView::updateChartBounds() {
    // From the chart's corner (or a seat beyond it) to some room past the last seat.
    const QRectF seats = chartBounds() | QRectF(0, 0, 1, 1);
    scene_->setSceneRect(seats.adjusted(0, 0, kRoomBeyond, kRoomBeyond));
}

QPoint SeatingView::chartPoint(const QPoint& viewPoint) const {
    return mapToScene(viewPoint).toPoint();
}

SeatItem* SeatingView::seatItemAt(const QPoint& viewPoint) const {
    for (QGraphicsItem* item : items(viewPoint)) {
        if (item->type() == SeatItem::Type) return static_cast<SeatItem*>(item);
    }
    return nullptr;
}

void SeatingView::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    if (!editor_ || event->button() != Qt::LeftButton) {
        QGraphicsView::mousePressEvent(event);
        return;
    }
    const QPoint at = chartPoint(event->position().toPoint());
    const std::optional<SeatId> current = editor_->current();
    if (const std::optional<SeatHandle> handle = frame_->handleAt(mapToScene(event->position().toPoint()));
        handle && current) {
        const QRect seat = itemOf(*current)->shownRect();
        // The edges keep their distance from the pointer: a handle sits a
        // few pixels outside its seat, and the seat must not jump to it.
        const HandleEdges edges = edgesOf(*handle);
        const QPoint edge(edges.left ? seat.x() : seat.x() + seat.width(),
                          edges.top ? seat.y() : seat.y() + seat.height());
        grab_ = Grab{*current, seat, event->position().toPoint(), handle, edge - at};
        return;
    }
    const SeatItem* pressed = seatItemAt(event->position().toPoint());
    if (!pressed) {
        clearCurrent();
        return;
    }
    const SeatId id = pressed->id();
    choose(id);  // shows the chart afresh
    SeatItem* item = itemOf(id);
    item->setCursor(Qt::ClosedHandCursor);
    grab_ = Grab{id, item->shownRect(), event->position().toPoint(), std::nullopt, {}};
}

void SeatingView::mouseMoveEvent(QMouseEvent* event) {
    if (!grab_) {
        QGraphicsView::mouseMoveEvent(event);
        return;
    }
    const QPoint viewPoint = event->position().toPoint();
    if (!grab_->dragging && (viewPoint - grab_->pressed).manhattanLength() < QApplication::startDragDistance()) return;
    grab_->dragging = true;
    const QPoint at = chartPoint(viewPoint);
    const QRect shown = grab_->handle ? resizedSeatRect(grab_->start, *grab_->handle, at + grab_->offset)
                                      : movedSeatRect(grab_->start, at);
    if (SeatItem* item = itemOf(grab_->id)) {
        item->showAt(shown);
        frame_->hug(shown);
    }
}

void SeatingView::mouseReleaseEvent(QMouseEvent* event) {
    if (!grab_ || event->button() != Qt::LeftButton) {
        QGraphicsView::mouseReleaseEvent(event);
        return;
    }
    finishGrab(event->position().toPoint());
}

void SeatingView::finishGrab(const QPoint& viewPoint) {
    const Grab grab = *grab_;
    grab_.reset();
    if (grab.dragging) {
        const QPoint at = chartPoint(viewPoint);
        if (grab.handle) editor_->resize(grab.id, *grab.handle, at + grab.offset);
        else editor_->move(grab.id, at);
    }
    // Rebuilt from the class: the seat is where the editor put it, with an open hand again.
    showChart();
}

void SeatingView::mouseDoubleClickEvent(QMouseEvent* event) {
    const SeatItem* item =
        editor_ && event->button() == Qt::LeftButton ? seatItemAt(event->position().toPoint()) : nullptr;
    if (!item) {
        QGraphicsView::mouseDoubleClickEvent(event);
        return;
    }
    const SeatId id = item->id();
    choose(id);
    if (!id.isTeacher()) emit editRequested();
}

void SeatingView::contextMenuEvent(QContextMenuEvent* event) {
    const SeatItem* item = editor_ ? seatItemAt(event->pos()) : nullptr;
    if (!item) return;
    choose(item->id());  // `item` is gone: the chart is shown afresh
    emit seatMenuRequested(event->globalPos());
}

void SeatingView::keyPressEvent(QKeyEvent* event) {
    // Without a mouse: Page Down and Page Up go from seat to seat in the
    // list's order (the teacher's first), Enter edits a student's seat.
    const bool pageKey = event->key() == Qt::Key_PageDown || event->key() == Qt::Key_PageUp;
    if (pageKey && editor_ && !grab_ && event->modifiers() == Qt::NoModifier) {
        const int count = seatCount();
        const std::optional<SeatId> current = currentSeat();
        const int place = current ? placeOf(*current) : -1;
        const int step = event->key() == Qt::Key_PageDown ? 1 : -1;
        const int next = place < 0 ? (step > 0 ? 0 : count - 1) : (place + step + count) % count;
        const SeatId id = seatAtPlace(next);
        choose(id);
        if (const SeatItem* item = itemOf(id)) ensureVisible(item);
        event->accept();
        return;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && editor_ && editor_->currentStudentSeat() && !grab_) {
        emit editRequested();
        event->accept();
        return;
    }
    int dx = 0;
    int dy = 0;
    switch (event->key()) {
    case Qt::Key_Left: dx = -1; break;
    case Qt::Key_Right: dx = 1; break;
    case Qt::Key_Up: dy = -1; break;
    case Qt::Key_Down: dy = 1; break;
    default: break;
    }
    if ((dx == 0 && dy == 0) || !editor_ || !editor_->current() || grab_) {
        QGraphicsView::keyPressEvent(event);
        return;
    }
    const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    if (editor_->nudgeCurrent(dx * step, dy * step)) showChart();
    event->accept();
}

}  // namespace markwell
