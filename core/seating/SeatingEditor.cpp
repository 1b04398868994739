// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/seating/SeatingEditor.h"

#include "core/seating/SeatChanges.h"

namespace markwell {

SeatingEditor::SeatingEditor(Document& document, Door door) : document_(document), door_(std::move(door)) {}

bool SeatingEditor::make(const Change& change, std::optional<SeatId> after) {
    // Whoever the door tells of the change sees the seat current as it will be.
    making_ = Making{after};
    const bool made = door_(change).ok();
    making_.reset();
    if (made && after) choose(*after);
    if (made && !after) current_.reset();
    return made;
}

std::optional<SeatId> SeatingEditor::current() const {
    if (making_)
        return making_->after && seatAt(document_.classRecord, *making_->after) ? making_->after : std::nullopt;
    if (!current_) return std::nullopt;
    const SeatingInfo* seat = seatAt(document_.classRecord, current_->id);
    // Another seat in its place is not the seat that was chosen.
    if (!seat || !(*seat == current_->seat)) return std::nullopt;
    return current_->id;
}

std::optional<SeatId> SeatingEditor::currentStudentSeat() const {
    const std::optional<SeatId> id = current();
    if (!id || id->isTeacher()) return std::nullopt;
    return id;
}

void SeatingEditor::choose(SeatId id) {
    const SeatingInfo* seat = seatAt(document_.classRecord, id);
    if (seat) current_ = Chosen{id, *seat};
    else current_.reset();
}

void SeatingEditor::select(SeatId id) {
    choose(id);
}

void SeatingEditor::clearCurrent() {
    current_.reset();
}

std::optional<SeatId> SeatingEditor::add(const SeatingInfo& look, int rowWidth) {
    const ClassRecord& cls = document_.classRecord;
    std::vector<QRect> taken{seatRect(cls.teacherSeat)};
    for (const SeatingInfo& other : cls.Seats) taken.push_back(seatRect(other));
    SeatingInfo seat;
    applySeatLook(seat, look);
    setSeatRect(seat, firstFreeSeatPlace(taken, rowWidth));
    const SeatId id = SeatId::student(cls.Seats.size());
    if (!make(addSeatChange(std::move(seat)), id)) return std::nullopt;
    return id;
}

bool SeatingEditor::editCurrent(const SeatingInfo& look) {
    const std::optional<SeatId> id = currentStudentSeat();
    if (!id) return false;
    const SeatingInfo before = *seatAt(document_.classRecord, *id);
    if (!make(editSeatChange(*id, look), id)) return false;
    return !(*seatAt(document_.classRecord, *id) == before);
}

bool SeatingEditor::deleteCurrent(const std::function<bool()>& confirmed) {
    const std::optional<SeatId> id = currentStudentSeat();
    if (!id || !confirmed()) return false;
    return make(deleteSeatChange(*id), std::nullopt);
}

bool SeatingEditor::place(SeatId id, const std::function<Change(const QRect& before)>& change) {
    const SeatingInfo* seat = seatAt(document_.classRecord, id);
    if (!seat) return false;
    // A seat read from a file may keep its place in a form the chart writes
    // anew: a change that leaves the same rectangle still changes the seat.
    const SeatingInfo before = *seat;
    const bool made = make(change(seatRect(before)), id);
    if (!made) choose(id);
    return made && !(*seatAt(document_.classRecord, id) == before);
}

bool SeatingEditor::move(SeatId id, const QPoint& centre) {
    return place(id, [id, centre](const QRect& before) { return moveSeatChange(id, movedSeatRect(before, centre)); });
}

bool SeatingEditor::nudgeCurrent(int dx, int dy) {
    const std::optional<SeatId> id = current();
    return id && place(*id, [id = *id, dx, dy](const QRect& before) {
               return nudgeSeatChange(id, nudgedSeatRect(before, dx, dy));
           });
}

bool SeatingEditor::resize(SeatId id, SeatHandle handle, const QPoint& to) {
    return place(id, [id, handle, to](const QRect& before) {
        return resizeSeatChange(id, resizedSeatRect(before, handle, to));
    });
}

}  // namespace markwell
