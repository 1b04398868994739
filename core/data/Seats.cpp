// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/data/Seats.h"

#include <unordered_map>

namespace markwell {

SeatingInfo* seatAt(ClassRecord& cls, SeatId id) {
    if (id.isTeacher()) return &cls.teacherSeat;
    return id.index() < cls.Seats.size() ? &cls.Seats[id.index()] : nullptr;
}

const SeatingInfo* seatAt(const ClassRecord& cls, SeatId id) {
    return seatAt(const_cast<ClassRecord&>(cls), id);
}

bool isTeacherCaption(std::string_view caption) {
    return caption == kTeacherSeatName;
}

SeatingInfo newSeatLook() {
    SeatingInfo look;
    look.font_name = "MS Sans Serif";
    look.font_size = 8;
    look.font_color = colour::kBlack;
    look.font_style = 0;
    look.color = colour::kTeal;
    return look;
}

std::vector<StudentInfo> studentsWithoutSeat(const ClassRecord& cls) {
    std::unordered_map<std::string, int> seatsOfName;
    for (const SeatingInfo& seat : cls.Seats) ++seatsOfName[seat.name];
    std::vector<StudentInfo> unseated;
    for (const StudentInfo& student : cls.students) {
        const auto seats = seatsOfName.find(student.name);
        if (seats != seatsOfName.end() && seats->second > 0) {
            --seats->second;  // this student's seat
            continue;
        }
        unseated.push_back(student);
    }
    return unseated;
}

int renameSeatCaption(ClassRecord& cls, const std::string& oldName, const std::string& newName) {
    if (isTeacherCaption(newName) || oldName == newName) return 0;
    int renamed = 0;
    for (SeatingInfo& seat : cls.Seats) {
        if (seat.name != oldName) continue;
        seat.name = newName;
        ++renamed;
    }
    return renamed;
}

}  // namespace markwell
