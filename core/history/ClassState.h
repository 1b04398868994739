// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/Records.h"
#include "core/document/Document.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace markwell {

// What the grade history knows of a class, and takes the next difference
// against: the names and order of its students, a digest of each comment
// (never its text), the scale, weights and drop rule, each assignment's
// title, type and possible points, every score as the class stores it, the
// attendance marks and the seats. Nothing else of the class (addresses,
// descriptions, the table's font) is part of its history.
//
// It is kept as parts of bytes: the summary, the attendance, the seats, then
// one part per assignment holding its scores in the students' order. A save
// that changes a few scores stores only those assignments' parts again, and
// two states are compared part by part before any is read.
struct ClassState {
    enum Part : std::size_t { kSummary = 0, kAttendance = 1, kSeats = 2, kFirstAssignment = 3 };

    std::vector<QByteArray> parts;

    // No class at all: what a class that is being made is compared with.
    bool empty() const { return parts.empty(); }
    bool operator==(const ClassState&) const = default;
};

ClassState classStateOf(const Document& document);

// The summary part read back. Its texts point into the part, which must
// outlive it.
struct StateSummary {
    struct Assignment {
        std::string_view title;
        std::string_view type;
        double total = 0;
    };
    std::vector<std::string_view> students;
    std::vector<std::uint64_t> comments;  // a digest per student
    std::string_view scaleName;
    std::string_view scaleValues;
    std::uint8_t scaleType = 0;
    WeightedGrades weights;
    DropLowScoreInfo dropRule;
    std::vector<Assignment> assignments;
};

// One attendance record and one seat as a state keeps them.
struct StateMarks {
    std::string_view name;
    std::int32_t year = 0;
    std::int32_t month = 0;
    std::string_view days;  // one mark a day
};
struct StateSeat {
    std::string_view name;
    std::string_view look;  // everything else of the seat, compared as a whole
};

// Reading the parts back: none when a part is damaged (a database damaged
// on disk), so that a state is never half believed.
std::optional<StateSummary> readStateSummary(const QByteArray& part);
std::optional<std::vector<std::string_view>> readStateScores(const QByteArray& part, std::size_t students);
std::optional<std::vector<StateMarks>> readStateAttendance(const QByteArray& part);
std::optional<std::vector<StateSeat>> readStateSeats(const QByteArray& part);

// Whether every part of the state reads back and the parts agree in number.
bool isReadableState(const ClassState& state);

}  // namespace markwell
