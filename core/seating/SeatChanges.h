// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/Seats.h"
#include "core/editing/Change.h"

#include <QRect>

namespace markwell {

// The changes of the seating chart, each one step of Edit > Undo that holds
// only the seats it changes: the seat added or deleted, or one seat as it was
// before and after. A change names its seat by id; there must be such a seat
// (the teacher's is always there) or the change is refused.

// "Add Seat": `seat` after the others. Refused when its caption is the
// teacher's or a text does not fit the seating file.
Change addSeatChange(SeatingInfo seat);

// "Edit Seat": the caption, font and fill of `look` (see applySeatLook); the
// seat keeps its place and size. Refused for the teacher's seat and for a
// look that add would refuse.
Change editSeatChange(SeatId id, SeatingInfo look);

// "Delete Seat": the student seat taken out of the list; the teacher's stays.
Change deleteSeatChange(SeatId id);

// "Move Seat" and "Resize Seat": the seat in `place`, as a drag leaves it.
Change moveSeatChange(SeatId id, QRect place);
Change resizeSeatChange(SeatId id, QRect place);

// "Move Seat" by an arrow key. Nudges of one seat, one after another, are one
// step: the step of a nudge takes in the step of the next nudge of that seat.
Change nudgeSeatChange(SeatId id, QRect place);

// The look `look` gives a seat: its caption, font and fill; the seat keeps its place and size.
void applySeatLook(SeatingInfo& seat, const SeatingInfo& look);

}  // namespace markwell
