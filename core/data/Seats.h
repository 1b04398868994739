// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/ClassRecord.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace markwell {

// A seat of the chart: the teacher's, or a student seat by its place in the
// class's list. The teacher's seat is known by this identity, never by its
// caption. An id is checked against the class wherever it is used (seatAt).
class SeatId {
public:
    static constexpr SeatId teacher() { return SeatId(-1); }
    static constexpr SeatId student(std::size_t index) { return SeatId(static_cast<long long>(index)); }

    constexpr bool isTeacher() const { return index_ < 0; }
    // The place in the list of a student seat.
    constexpr std::size_t index() const { return static_cast<std::size_t>(index_); }

    bool operator==(const SeatId&) const = default;

private:
    explicit constexpr SeatId(long long index) : index_(index) {}
    long long index_;
};

// The seat the id names, or null when the class has no such seat.
SeatingInfo* seatAt(ClassRecord& cls, SeatId id);
const SeatingInfo* seatAt(const ClassRecord& cls, SeatId id);

// The seating file knows the teacher's record by this caption alone, so a
// student seat captioned so would come back as the teacher's at the next
// reading. Other letter cases ("teacher") are ordinary captions.
bool isTeacherCaption(std::string_view caption);

// What a seat of a new chart looks like before the teacher chooses: teal,
// MS Sans Serif 8 point, black, no caption yet.
SeatingInfo newSeatLook();

// The students that Add Seat offers, in class order: those no seat is
// captioned for yet. Two students of one name need a seat each.
std::vector<StudentInfo> studentsWithoutSeat(const ClassRecord& cls);

// A student's name changed: every student seat captioned with the old name
// takes the new one. Gives how many seats were renamed; none when the new
// name is the teacher's caption, which such a seat could not keep (see
// isTeacherCaption): those seats keep the old name.
int renameSeatCaption(ClassRecord& cls, const std::string& oldName, const std::string& newName);

}  // namespace markwell
