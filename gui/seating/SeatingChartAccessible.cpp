// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/seating/SeatingChartAccessible.h"

#include "gui/seating/SeatItem.h"
#include "gui/seating/SeatingView.h"

#include <QWindow>

namespace markwell {
namespace {

QAccessibleInterface* seatingChartFactory(const QString& className, QObject* object) {
    if (className != QLatin1String(SeatingView::staticMetaObject.className())) return nullptr;
    auto* chart = qobject_cast<SeatingView*>(object);
    return chart ? new SeatingChartAccessible(chart) : nullptr;
}

}  // namespace

SeatingChartAccessible::SeatingChartAccessible(SeatingView* chart) : QAccessibleWidget(chart, QAccessible::List) {}

SeatingChartAccessible::~SeatingChartAccessible() {
    for (const auto& [place, id] : seats_) QAccessible::deleteAccessibleInterface(id);
}

void SeatingChartAccessible::install() {
    QAccessible::installFactory(seatingChartFactory);
}

SeatingView* SeatingChartAccessible::chart() const {
    return static_cast<SeatingView*>(widget());
}

int SeatingChartAccessible::childCount() const {
    return chart()->seatCount();
}

QAccessibleInterface* SeatingChartAccessible::child(int index) const {
    if (index < 0 || index >= childCount()) return nullptr;
    auto found = seats_.find(index);
    if (found == seats_.end()) {
        const QAccessible::Id id = QAccessible::registerAccessibleInterface(new SeatAccessible(chart(), index));
        found = seats_.emplace(index, id).first;
    }
    return QAccessible::accessibleInterface(found->second);
}

int SeatingChartAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (const auto& [place, id] : seats_) {
        if (QAccessible::accessibleInterface(id) == child) return place < childCount() ? place : -1;
    }
    return -1;
}

QAccessibleInterface* SeatingChartAccessible::childAt(int x, int y) const {
    // As the chart stacks them: the current seat over all, later seats over earlier ones.
    if (const std::optional<SeatId> current = chart()->currentSeat()) {
        QAccessibleInterface* seat = child(SeatingView::placeOf(*current));
        if (seat && seat->rect().contains(x, y)) return seat;
    }
    for (int place = childCount() - 1; place >= 0; --place) {
        QAccessibleInterface* seat = child(place);
        if (seat && seat->rect().contains(x, y)) return seat;
    }
    return nullptr;
}

QAccessibleInterface* SeatingChartAccessible::focusChild() const {
    const std::optional<SeatId> current = chart()->currentSeat();
    return current && chart()->hasFocus() ? child(SeatingView::placeOf(*current)) : nullptr;
}

SeatAccessible::SeatAccessible(SeatingView* chart, int place) : chart_(chart), place_(place) {}

SeatId SeatAccessible::id() const {
    return SeatingView::seatAtPlace(place_);
}

bool SeatAccessible::isValid() const {
    return chart_ && chart_->itemOf(id()) != nullptr;
}

QWindow* SeatAccessible::window() const {
    return chart_ ? chart_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* SeatAccessible::parent() const {
    return chart_ ? QAccessible::queryAccessibleInterface(chart_.data()) : nullptr;
}

QString SeatAccessible::text(QAccessible::Text t) const {
    const SeatItem* seat = chart_ ? chart_->itemOf(id()) : nullptr;
    if (!seat) return {};
    switch (t) {
    case QAccessible::Name: return seat->caption();
    case QAccessible::Description: {
        const QRect place = seat->shownRect();
        return tr("Seat at %1, %2 on the chart, %3 by %4")
            .arg(place.x())
            .arg(place.y())
            .arg(place.width())
            .arg(place.height());
    }
    default: return {};
    }
}

QRect SeatAccessible::rect() const {
    const SeatItem* seat = chart_ ? chart_->itemOf(id()) : nullptr;
    if (!seat) return {};
    const QRect inView = chart_->mapFromScene(QRectF(seat->shownRect())).boundingRect();
    return {chart_->viewport()->mapToGlobal(inView.topLeft()), inView.size()};
}

QAccessible::State SeatAccessible::state() const {
    QAccessible::State state;
    state.selectable = true;
    state.focusable = true;
    const SeatItem* seat = chart_ ? chart_->itemOf(id()) : nullptr;
    if (!seat) {
        state.invalid = true;
        return state;
    }
    const std::optional<SeatId> current = chart_->currentSeat();
    state.selected = current == id();
    state.focused = state.selected && chart_->hasFocus();
    state.offscreen =
        !chart_->viewport()->rect().intersects(chart_->mapFromScene(QRectF(seat->shownRect())).boundingRect());
    return state;
}

}  // namespace markwell
