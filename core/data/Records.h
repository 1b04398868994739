// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace markwell {

// The records of one class. Text fields hold the Windows-1252 bytes of the
// files (see common/Cp1252.h) without their terminator; each has a fixed
// capacity on disk, one byte of which is the terminator. Writers refuse a text
// that does not fit rather than cut it; editors keep typed text within it.

// A platform colour: red in the low byte, then green, then blue.
using PlatformColour = std::int32_t;
namespace colour {
inline constexpr PlatformColour kBlack = 0x000000;
inline constexpr PlatformColour kWhite = 0xFFFFFF;
inline constexpr PlatformColour kRed = 0x0000FF;
inline constexpr PlatformColour kNavy = 0x800000;
inline constexpr PlatformColour kAqua = 0xFFFF00;
inline constexpr PlatformColour kTeal = 0x808000;
inline constexpr PlatformColour kBlue = 0xFF0000;
}  // namespace colour

// A platform colour (0x00BBGGRR) as the 0xRRGGBB value of file formats and HTML.
constexpr std::uint32_t rgbOf(PlatformColour colour) {
    const auto c = static_cast<std::uint32_t>(colour);
    return ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}

// Font style bits as stored in the files.
namespace fontstyle {
inline constexpr std::uint8_t kBold = 1 << 0;
inline constexpr std::uint8_t kItalic = 1 << 1;
inline constexpr std::uint8_t kUnderline = 1 << 2;
inline constexpr std::uint8_t kStrikeOut = 1 << 3;
}  // namespace fontstyle

// Field capacities in bytes on disk, terminator included.
namespace capacity {
inline constexpr int kStudentName = 100;
inline constexpr int kStudentId = 16;
inline constexpr int kStreet = 256;
inline constexpr int kCity = 46;
inline constexpr int kState = 3;
inline constexpr int kZip = 11;
inline constexpr int kParentName = 100;
inline constexpr int kPhone = 15;
inline constexpr int kEmail = 100;
inline constexpr int kTitle = 256;
inline constexpr int kDescription = 501;
inline constexpr int kAssignType = 11;
inline constexpr int kCommentName = 100;
inline constexpr int kCommentText = 1000;
inline constexpr int kFontName = 256;
inline constexpr int kScaleName = 256;
inline constexpr int kScaleValues = 256;
inline constexpr int kAttendanceName = 100;
inline constexpr int kAttendanceDays = 31;  // no terminator
inline constexpr int kSeatName = 100;
inline constexpr int kSeatFontName = 100;
}  // namespace capacity

// Whether a text fits a zero-terminated field of the given capacity.
inline bool fitsField(const std::string& text, int fieldCapacity) {
    return static_cast<int>(text.size()) < fieldCapacity;
}

struct StudentInfo {
    std::string name;
    std::string id;
    std::string street;
    std::string city;
    std::string state;
    std::string zip;
    std::string mom_name;
    std::string mom_phone;
    std::string dad_name;
    std::string dad_phone;
    std::string student_email;
    std::string mom_email;
    std::string dad_email;

    bool operator==(const StudentInfo&) const = default;
};

// One assignment: a column of the grades table. `namegrade` is its point list:
// one entry "name~points" per student, in class order (see data/PointEntry.h).
struct AssignmentInfo {
    std::string title;
    std::string description;
    std::string assign_type;  // one of kAssignmentTypes, or empty
    double total = 0;
    std::vector<std::string> namegrade;

    bool operator==(const AssignmentInfo&) const = default;
};

struct CommentInfo {
    std::string name;
    std::string desc;  // lines separated by CR LF

    bool operator==(const CommentInfo&) const = default;
};

struct GridProperties {
    std::string font_name = "MS Sans Serif";
    std::int32_t font_size = 8;
    PlatformColour font_color = colour::kBlack;
    std::uint8_t font_style = 0;  // fontstyle bits
    bool grid_lines = false;

    bool operator==(const GridProperties&) const = default;
};

// The kinds of grade scale, as stored in `scale_type`.
enum class ScaleKind : std::uint8_t { Expanded = 0, Standard = 1, PassFail = 2 };

struct CurrentGradeScale {
    std::string name;
    std::uint8_t scale_type = static_cast<std::uint8_t>(ScaleKind::Standard);
    std::string num_values;  // "low,high,low,high,..." in letter order

    bool operator==(const CurrentGradeScale&) const = default;
};

struct WeightedGrades {
    std::int32_t Final = 0;
    std::int32_t Test = 0;
    std::int32_t Quiz = 0;
    std::int32_t Homework = 0;
    std::int32_t Lab = 0;
    std::int32_t Other = 0;
    bool enabled = false;

    // The weight of type index 0..5 (kAssignmentTypes order).
    std::int32_t weight(int typeIndex) const;
    void setWeight(int typeIndex, std::int32_t value);

    bool operator==(const WeightedGrades&) const = default;
};

// Lowest-score dropping rules of `drop_type`.
namespace droprule {
inline constexpr std::int32_t kNone = 0;
inline constexpr std::int32_t kLowestOverall = 1;
inline constexpr std::int32_t kLowestPerType = 2;
}  // namespace droprule

struct DropLowScoreInfo {
    std::int32_t drop_type = droprule::kNone;
    bool drop_final = false;
    bool drop_test = false;
    bool drop_quiz = false;
    bool drop_hw = false;
    bool drop_lab = false;
    bool drop_other = false;

    // The flag of type index 0..5 (kAssignmentTypes order).
    bool flag(int typeIndex) const;
    void setFlag(int typeIndex, bool value);

    bool operator==(const DropLowScoreInfo&) const = default;
};

struct VersionInfo {
    double version = 2.0;
    double build = 1.0;
    std::int32_t year = 2002;
};

// One student's marks for one month: entry[d-1] is the code of day d
// ('T', 'U', 'E', or ' ' for nothing recorded).
struct AttendanceInfo {
    std::int32_t Month = 1;
    std::int32_t Year = 2002;
    std::string name;
    std::array<char, capacity::kAttendanceDays> entry{};

    AttendanceInfo() { entry.fill(' '); }
    bool operator==(const AttendanceInfo&) const = default;
};

// One student's marks of one month: day d is at index d - 1; ' ' is nothing
// recorded.
using DayMarks = std::array<char, capacity::kAttendanceDays>;

// One seat box of the seating chart as stored.
struct SeatingInfo {
    std::string name;
    std::uint8_t font_style = 0;
    PlatformColour font_color = colour::kBlack;
    std::int32_t font_size = 8;
    std::string font_name = "MS Sans Serif";
    PlatformColour color = colour::kWhite;
    std::int32_t width = 79;
    std::int32_t height = 30;
    std::int32_t left = 0;
    std::int32_t Top = 0;

    bool operator==(const SeatingInfo&) const = default;
};

// The teacher's box as it stands before any seating file is read.
SeatingInfo defaultTeacherSeat();

inline constexpr const char* kTeacherSeatName = "Teacher";

}  // namespace markwell
