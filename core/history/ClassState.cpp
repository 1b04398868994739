// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/history/ClassState.h"

#include "core/common/LittleEndian.h"
#include "core/data/PointEntry.h"
#include "core/data/Tables.h"

#include <QtEndian>

#include <bit>
#include <string>
#include <unordered_map>

namespace markwell {
namespace {

// The summary's first byte: a summary of another layout is not read as this one.
constexpr char kSummaryLayout = 1;

void putNumber(QByteArray& out, std::uint64_t value) {
    while (value >= 0x80) {
        out.append(static_cast<char>((value & 0x7F) | 0x80));
        value >>= 7;
    }
    out.append(static_cast<char>(value));
}

void putSigned(QByteArray& out, std::int32_t value) {
    putNumber(out, static_cast<std::uint32_t>(value));
}

void putText(QByteArray& out, std::string_view text) {
    putNumber(out, text.size());
    out.append(text.data(), static_cast<qsizetype>(text.size()));
}

// Reads what the put functions wrote; any read past the end or any number
// out of bounds leaves it failed, and everything read after that is empty.
class PartReader {
public:
    explicit PartReader(const QByteArray& part) : at_(part.constData()), end_(part.constData() + part.size()) {}

    bool ok() const { return ok_; }
    bool atEnd() const { return at_ == end_; }

    std::uint64_t number() {
        std::uint64_t value = 0;
        for (int shift = 0; shift < 64; shift += 7) {
            if (at_ == end_) break;
            const auto byte = static_cast<unsigned char>(*at_++);
            value |= std::uint64_t{byte & 0x7Fu} << shift;
            if ((byte & 0x80) == 0) return value;
        }
        ok_ = false;
        return 0;
    }
    std::int32_t signedNumber() { return static_cast<std::int32_t>(static_cast<std::uint32_t>(number())); }
    // A count of things each at least one byte long: never more than the bytes left.
    std::size_t count() {
        const std::uint64_t n = number();
        if (n > static_cast<std::uint64_t>(end_ - at_)) ok_ = false;
        return ok_ ? static_cast<std::size_t>(n) : 0;
    }
    std::string_view bytes(std::size_t size) {
        if (!ok_ || size > static_cast<std::size_t>(end_ - at_)) {
            ok_ = false;
            return {};
        }
        const std::string_view view(at_, size);
        at_ += size;
        return view;
    }
    std::string_view text() { return bytes(count()); }
    std::uint64_t fixed64() {
        const std::string_view raw = bytes(8);
        return ok_ ? qFromLittleEndian<std::uint64_t>(raw.data()) : 0;
    }

private:
    const char* at_;
    const char* end_;
    bool ok_ = true;
};

// A comment's digest (64-bit FNV-1a): enough to tell that it changed, and
// the same on every computer and in every version of the program.
std::uint64_t commentDigest(std::string_view text) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

QByteArray summaryPart(const ClassRecord& cls) {
    QByteArray out;
    out.append(kSummaryLayout);
    putNumber(out, cls.students.size());
    for (const StudentInfo& student : cls.students) putText(out, student.name);
    for (std::size_t i = 0; i < cls.students.size(); ++i) {
        appendLittleEndian(out, commentDigest(i < cls.comments.size() ? cls.comments[i].desc : std::string()));
    }
    putText(out, cls.gradeScale.name);
    putNumber(out, cls.gradeScale.scale_type);
    putText(out, cls.gradeScale.num_values);
    for (int type = 0; type < kAssignmentTypeCount; ++type) putSigned(out, cls.weightGrades.weight(type));
    putNumber(out, cls.weightGrades.enabled ? 1 : 0);
    putSigned(out, cls.lowScoreInfo.drop_type);
    std::uint64_t flags = 0;
    for (int type = 0; type < kAssignmentTypeCount; ++type) {
        if (cls.lowScoreInfo.flag(type)) flags |= 1u << type;
    }
    putNumber(out, flags);
    putNumber(out, cls.assignments.size());
    for (const AssignmentInfo& assignment : cls.assignments) {
        putText(out, assignment.title);
        putText(out, assignment.assign_type);
        appendLittleEndian(out, assignment.total);
    }
    return out;
}

// Each student's points text in one assignment, in class order. The entry
// at the student's own place is the usual case; a list out of step is
// indexed by name once, so that no list is searched again for every student.
QByteArray scoresPart(const ClassRecord& cls, const AssignmentInfo& assignment) {
    QByteArray out;
    out.reserve((static_cast<qsizetype>(cls.students.size()) * 4) + 4);
    putNumber(out, cls.students.size());
    const std::vector<std::string>& list = assignment.namegrade;
    std::unordered_map<std::string_view, std::size_t> firstOfName;
    for (std::size_t i = 0; i < cls.students.size(); ++i) {
        const std::string_view name = cls.students[i].name;
        if (i < list.size()) {
            const PointEntry own = splitPointEntry(list[i]);
            if (own.name == name) {
                putText(out, own.points);
                continue;
            }
        }
        if (firstOfName.empty()) {
            for (std::size_t j = list.size(); j-- > 0;) firstOfName[splitPointEntry(list[j]).name] = j;
        }
        const auto found = firstOfName.find(name);
        putText(out, found == firstOfName.end() ? std::string_view() : splitPointEntry(list[found->second]).points);
    }
    return out;
}

QByteArray attendancePart(const AttendanceBook& attendance) {
    QByteArray out;
    putNumber(out, attendance.records().size());
    for (const AttendanceInfo& record : attendance.records()) {
        putText(out, record.name);
        putSigned(out, record.Year);
        putSigned(out, record.Month);
        out.append(record.entry.data(), static_cast<qsizetype>(record.entry.size()));
    }
    return out;
}

void putSeat(QByteArray& out, const SeatingInfo& seat) {
    putText(out, seat.name);
    QByteArray look;
    putNumber(look, seat.font_style);
    putSigned(look, seat.font_color);
    putSigned(look, seat.font_size);
    putText(look, seat.font_name);
    putSigned(look, seat.color);
    putSigned(look, seat.width);
    putSigned(look, seat.height);
    putSigned(look, seat.left);
    putSigned(look, seat.Top);
    putText(out, std::string_view(look.constData(), static_cast<std::size_t>(look.size())));
}

// The teacher's seat first, then the students' in creation order.
QByteArray seatsPart(const ClassRecord& cls) {
    QByteArray out;
    putNumber(out, cls.Seats.size() + 1);
    putSeat(out, cls.teacherSeat);
    for (const SeatingInfo& seat : cls.Seats) putSeat(out, seat);
    return out;
}

}  // namespace

ClassState classStateOf(const Document& document) {
    const ClassRecord& cls = document.classRecord;
    ClassState state;
    state.parts.reserve(ClassState::kFirstAssignment + cls.assignments.size());
    state.parts.push_back(summaryPart(cls));
    state.parts.push_back(attendancePart(document.attendance));
    state.parts.push_back(seatsPart(cls));
    for (const AssignmentInfo& assignment : cls.assignments) state.parts.push_back(scoresPart(cls, assignment));
    return state;
}

std::optional<StateSummary> readStateSummary(const QByteArray& part) {
    if (part.isEmpty() || part.front() != kSummaryLayout) return std::nullopt;
    PartReader in(part);
    in.bytes(1);
    StateSummary summary;
    const std::size_t students = in.count();
    summary.students.reserve(students);
    for (std::size_t i = 0; i < students && in.ok(); ++i) summary.students.push_back(in.text());
    summary.comments.reserve(students);
    for (std::size_t i = 0; i < students && in.ok(); ++i) summary.comments.push_back(in.fixed64());
    summary.scaleName = in.text();
    summary.scaleType = static_cast<std::uint8_t>(in.number());
    summary.scaleValues = in.text();
    for (int type = 0; type < kAssignmentTypeCount; ++type) summary.weights.setWeight(type, in.signedNumber());
    summary.weights.enabled = in.number() != 0;
    summary.dropRule.drop_type = in.signedNumber();
    const std::uint64_t flags = in.number();
    for (int type = 0; type < kAssignmentTypeCount; ++type) summary.dropRule.setFlag(type, (flags >> type) & 1u);
    const std::size_t assignments = in.count();
    summary.assignments.reserve(assignments);
    for (std::size_t i = 0; i < assignments && in.ok(); ++i) {
        StateSummary::Assignment assignment;
        assignment.title = in.text();
        assignment.type = in.text();
        assignment.total = std::bit_cast<double>(in.fixed64());
        summary.assignments.push_back(assignment);
    }
    if (!in.ok() || !in.atEnd()) return std::nullopt;
    return summary;
}

std::optional<std::vector<std::string_view>> readStateScores(const QByteArray& part, std::size_t students) {
    PartReader in(part);
    if (in.count() != students || !in.ok()) return std::nullopt;
    std::vector<std::string_view> scores;
    scores.reserve(students);
    for (std::size_t i = 0; i < students && in.ok(); ++i) scores.push_back(in.text());
    if (!in.ok() || !in.atEnd()) return std::nullopt;
    return scores;
}

namespace {

// A part that is a count and that many records, each read by `readOne`.
template <typename Record, typename ReadOne>
std::optional<std::vector<Record>> readRecords(const QByteArray& part, ReadOne readOne) {
    PartReader in(part);
    const std::size_t count = in.count();
    std::vector<Record> records;
    records.reserve(count);
    for (std::size_t i = 0; i < count && in.ok(); ++i) records.push_back(readOne(in));
    if (!in.ok() || !in.atEnd()) return std::nullopt;
    return records;
}

}  // namespace

std::optional<std::vector<StateMarks>> readStateAttendance(const QByteArray& part) {
    return readRecords<StateMarks>(part, [](PartReader& in) {
        StateMarks marks;
        marks.name = in.text();
        marks.year = in.signedNumber();
        marks.month = in.signedNumber();
        marks.days = in.bytes(capacity::kAttendanceDays);
        return marks;
    });
}

std::optional<std::vector<StateSeat>> readStateSeats(const QByteArray& part) {
    std::optional<std::vector<StateSeat>> seats = readRecords<StateSeat>(part, [](PartReader& in) {
        StateSeat seat;
        seat.name = in.text();
        seat.look = in.text();
        return seat;
    });
    if (seats && seats->empty()) return std::nullopt;
    return seats;
}

bool isReadableState(const ClassState& state) {
    if (state.parts.size() < ClassState::kFirstAssignment) return false;
    const std::optional<StateSummary> summary = readStateSummary(state.parts[ClassState::kSummary]);
    if (!summary || state.parts.size() != ClassState::kFirstAssignment + summary->assignments.size()) return false;
    if (!readStateAttendance(state.parts[ClassState::kAttendance]) || !readStateSeats(state.parts[ClassState::kSeats]))
        return false;
    for (std::size_t i = ClassState::kFirstAssignment; i < state.parts.size(); ++i) {
        if (!readStateScores(state.parts[i], summary->students.size())) return false;
    }
    return true;
}

}  // namespace markwell
