// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/Document.h"
#include "core/data/Seats.h"
#include "core/editing/Change.h"
#include "core/seating/SeatGeometry.h"

#include <QPoint>

#include <functional>
#include <optional>

namespace markwell {

// The seating chart's commands on the open document: adding, editing,
// deleting, moving and sizing seats, and the current seat they work on.
//
// The current seat is an id, checked on every use: it names nothing once
// its seat is gone or is no longer the seat that was chosen (the class was
// replaced, or an undo took it back), and it is none after a deletion and
// whenever the seats are replaced. Every command that alters a seat is a
// change (see SeatChanges.h) made through the door; a click that only
// chooses a seat is none, nor a move that leaves the seat where it was.
class SeatingEditor {
public:
    // Makes a change of the document, or hands back why it was refused.
    using Door = std::function<Result<void>(const Change& change)>;

    SeatingEditor(Document& document, Door door);

    const ClassRecord& classRecord() const { return document_.classRecord; }

    // The current seat; none when there is none or it names no seat any more.
    std::optional<SeatId> current() const;
    // The current seat when it is a student's: the one Edit and Delete work on.
    std::optional<SeatId> currentStudentSeat() const;

    // A click on a seat: it becomes current; the class does not change.
    void select(SeatId id);
    // No current seat: a click beside the seats, or the seats were replaced.
    void clearCurrent();

    // Adds a seat with the caption, font and fill of `look`, after the
    // others, at the first free place of the grid of new seats in rows of
    // `rowWidth` (see firstFreeSeatPlace); it becomes current. None, and no
    // change, when the caption is the teacher's or a text does not fit the file.
    std::optional<SeatId> add(const SeatingInfo& look, int rowWidth);
    // Gives the current student seat the caption, font and fill of `look`.
    // Nothing for the teacher's seat or without a current seat; false also
    // when nothing differs or the look is refused as for add.
    bool editCurrent(const SeatingInfo& look);
    // Deletes the current student seat once `confirmed` says yes; the current
    // seat is then none. Without a current student seat nothing is asked;
    // a No keeps the seat and the current seat.
    bool deleteCurrent(const std::function<bool()>& confirmed);

    // The seat dropped with its centre on `centre`; it becomes current.
    bool move(SeatId id, const QPoint& centre);
    // The current seat moved by (dx, dy).
    bool nudgeCurrent(int dx, int dy);
    // The seat sized by dragging one of its handles to `to`; it becomes current.
    bool resize(SeatId id, SeatHandle handle, const QPoint& to);

private:
    struct Chosen {
        SeatId id;
        SeatingInfo seat;  // as it was when chosen or last changed here
    };
    // Makes the change through the door; `after` is the seat current once it is made.
    bool make(const Change& change, std::optional<SeatId> after);
    // Makes the change that puts the seat elsewhere, given where it is; it becomes current.
    bool place(SeatId id, const std::function<Change(const QRect& before)>& change);
    void choose(SeatId id);

    Document& document_;
    Door door_;
    std::optional<Chosen> current_;
    // A change of this editor's on its way through the door.
    struct Making {
        std::optional<SeatId> after;
    };
    std::optional<Making> making_;
};

}  // namespace markwell
