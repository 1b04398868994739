// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/sample/SampleClass.h"

#include "core/sample/SampleRandom.h"

#include "core/common/Cp1252.h"
#include "core/common/NumberText.h"
#include "core/data/PointEntry.h"
#include "core/data/Seats.h"
#include "core/data/Tables.h"
#include "core/seating/SeatGeometry.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <set>
#include <string>

namespace markwell {
namespace {

// Written as UTF-8 here and stored as Windows-1252 bytes.
constexpr std::array<const char*, 40> kFirstNames = {
    "Ann",    "José",      "Zoë",      "Renée",     "Liam",  "Aaliyah", "Björn",     "Chloé", "Darius", "Émile",
    "Fatima", "Grace",     "Hiroshi",  "Inés",      "Jamal", "Kai",     "Léa",       "Mateo", "Nadia",  "Oscar",
    "Priya",  "Quinn",     "Rosa",     "Søren",     "Tariq", "Uma",     "Valentina", "Wei",   "Ximena", "Yusuf",
    "Zara",   "Mary Kate", "Jean-Luc", "Ana Sofía", "Noah",  "Olivia",  "Ethan",     "Mia",   "Lucas",  "Amélie"};
constexpr std::array<const char*, 40> kLastNames = {
    "O'Brien", "García",   "Müller",       "Nguyen",   "Smith",     "D'Angelo",  "de la Cruz", "Johnson",
    "Øberg",   "Kowalski", "Van der Berg", "Lee",      "Patel",     "Rossi",     "Brown",      "Fernández",
    "O'Neill", "Dubois",   "Kim",          "Martínez", "Andersson", "MacDonald", "Schäfer",    "Okafor",
    "Silva",   "Haddad",   "Ivanova",      "Novák",    "Costa",     "Yamamoto",  "St. John",   "Le Blanc",
    "Ortiz",   "Jürgens",  "Chen",         "Walker",   "Hernández", "López",     "Wright",     "Fitzgerald"};
constexpr std::array<const char*, 12> kStreets = {"Maple Ave",   "Oak St",      "Elm Dr",      "Cedar Ln",
                                                  "Lakeview Rd", "Hillside Ct", "Birch Way",   "Pine St",
                                                  "Willow Pl",   "River Rd",    "Sunset Blvd", "Park Ave"};
constexpr std::array<const char*, 6> kCities = {"Larkhaven", "Springfield", "Riverton",
                                                "Fairview",  "Bayside",     "Milford"};
constexpr std::array<const char*, 8> kComments = {
    "Works hard and asks good questions.",
    "Missed several homework assignments.\r\nParent conference requested.",
    "Excellent lab partner.",
    "Needs to show work on tests.",
    "Improving steadily since October.",
    "Often late to class; see attendance.",
    "Strong writer, struggles with fractions.",
    ""};

std::string bytes(const char* utf8) {
    return cp1252::fromUnicode(QString::fromUtf8(utf8)).value();
}

std::string digits(SampleRandom& random, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text.push_back(static_cast<char>('0' + random.below(10)));
    return text;
}

std::string asciiLower(const std::string& text) {
    std::string out;
    for (char ch : text) {
        if ((ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9')) out.push_back(ch);
        else if (ch >= 'A' && ch <= 'Z') out.push_back(static_cast<char>(ch - 'A' + 'a'));
    }
    return out.empty() ? std::string("student") : out;
}

// A name no other student of the class has: first + last, then a middle
// initial, then a number.
std::string uniqueName(SampleRandom& random, std::set<std::string>& used) {
    const std::string first = bytes(random.pick(kFirstNames));
    const std::string last = bytes(random.pick(kLastNames));
    std::string name = first + " " + last;
    for (int attempt = 0; used.count(name) && attempt < 26; ++attempt) {
        name.assign(first).append(" ").append(1, static_cast<char>('A' + random.below(26))).append(". ").append(last);
    }
    for (int n = 2; used.count(name); ++n) {
        name.assign(first).append(" ").append(last).append(" ").append(std::to_string(n));
    }
    used.insert(name);
    return name;
}

StudentInfo makeStudent(SampleRandom& random, std::set<std::string>& used, int index) {
    StudentInfo s;
    s.name = uniqueName(random, used);
    s.id = "S" + std::to_string(10000 + index);
    s.street = std::to_string(100 + random.below(9900)) + " " + random.pick(kStreets);
    s.city = random.pick(kCities);
    s.state = "CA";
    s.zip = "9" + digits(random, 4);
    const std::string last = s.name.substr(s.name.rfind(' ') + 1);
    s.mom_name = bytes(random.pick(kFirstNames)) + " " + last;
    s.dad_name = bytes(random.pick(kFirstNames)) + " " + last;
    s.mom_phone = "555-" + digits(random, 4);
    s.dad_phone = "555-" + digits(random, 4);
    const std::string handle = asciiLower(s.name);
    s.student_email = handle.substr(0, 40) + "@students.example.org";
    s.mom_email = "mom." + handle.substr(0, 40) + "@example.org";
    s.dad_email = "dad." + handle.substr(0, 40) + "@example.org";
    return s;
}

struct AssignmentPlan {
    int typeIndex;
    std::string title;
    double total;
};

// The mix of a real term: mostly homework and quizzes, a test every few
// weeks, labs, a project, one extra-credit item and a final at the end.
std::vector<AssignmentPlan> planAssignments(int count) {
    std::vector<AssignmentPlan> plan;
    std::array<int, kAssignmentTypeCount> numbers{};
    auto add = [&](int type, const std::string& name, double total) {
        const int n = ++numbers[static_cast<std::size_t>(type)];
        plan.push_back({type, name + " " + std::to_string(n), total});
    };
    for (int i = 0; static_cast<int>(plan.size()) < count; ++i) {
        const bool last = static_cast<int>(plan.size()) == count - 1;
        if (last && count >= 6) {
            plan.push_back({0, "Final Exam", 200});
        } else if (i == 4) {
            plan.push_back({5, "Extra Credit", 0});
        } else {
            switch (i % 6) {
            case 0: add(3, "Homework", 10); break;
            case 1: add(2, "Quiz", 20); break;
            case 2: add(3, "Homework", 10); break;
            case 3: add(4, "Lab", 25); break;
            case 4: add(2, "Quiz", 20); break;
            case 5: add(i % 12 == 5 ? 1 : 5, i % 12 == 5 ? "Chapter Test" : "Project", i % 12 == 5 ? 100 : 50); break;
            }
        }
    }
    return plan;
}

std::string pointsText(SampleRandom& random, double ability, double total) {
    if (random.chance(0.015)) return std::string(kNotCounted);
    if (total == 0) return generalText(random.below(6));  // extra credit
    double share = ability + (random.unit() - 0.5) * 0.3;
    if (random.chance(0.03)) share = 0;    // not handed in
    share = std::clamp(share, 0.0, 1.08);  // a little extra credit
    double points = total <= 20 ? std::round(share * total * 2) / 2 : std::round(share * total);
    return generalText(points);
}

// A seat per student in rows of six before the teacher's desk, the rows in
// two alternating colours; the desk moves back when the rows reach it.
void addSampleSeats(ClassRecord& cls) {
    constexpr int kPerRow = 6;
    constexpr int kWidth = 110, kHeight = 36, kAcross = 120, kDown = 50, kMargin = 10;
    const int count = static_cast<int>(cls.students.size());
    for (int i = 0; i < count; ++i) {
        SeatingInfo seat = newSeatLook();
        seat.name = cls.students[static_cast<std::size_t>(i)].name;
        seat.color = (i / kPerRow) % 2 ? 0xC0FFC0 : 0xFFE0C0;  // pale green, pale blue
        setSeatRect(seat, QRect(kMargin + (i % kPerRow) * kAcross, kMargin + (i / kPerRow) * kDown, kWidth, kHeight));
        cls.Seats.push_back(std::move(seat));
    }
    const int rows = (count + kPerRow - 1) / kPerRow;
    cls.teacherSeat.Top = std::max(cls.teacherSeat.Top, kMargin + rows * kDown + 20);
}

}  // namespace

ClassRecord makeSampleClass(const SampleOptions& options, const CurrentGradeScale& scale) {
    SampleRandom random(options.seed);
    ClassRecord cls = newClassRecord(scale);
    cls.weightGrades = WeightedGrades{15, 30, 20, 15, 10, 10, options.weighted};
    cls.lowScoreInfo.drop_type = options.dropType;
    // The flags only mean something with the by-type rule, and are stored
    // cleared otherwise.
    cls.lowScoreInfo.drop_quiz = options.dropType == droprule::kLowestPerType;
    cls.lowScoreInfo.drop_hw = options.dropType == droprule::kLowestPerType;

    std::set<std::string> used;
    std::vector<double> ability;
    for (int i = 0; i < options.students; ++i) {
        cls.students.push_back(makeStudent(random, used, i));
        cls.comments.push_back({cls.students.back().name, random.pick(kComments)});
        ability.push_back(0.55 + random.unit() * 0.45);
    }
    for (const AssignmentPlan& p : planAssignments(options.assignments)) {
        AssignmentInfo a;
        a.title = p.title;
        a.description = p.total == 0 ? "Optional; points count toward the total only." : "";
        a.assign_type = std::string(kAssignmentTypes[static_cast<std::size_t>(p.typeIndex)]);
        a.total = p.total;
        for (int s = 0; s < options.students; ++s) {
            a.namegrade.push_back(makePointEntry(cls.students[static_cast<std::size_t>(s)].name,
                                                 pointsText(random, ability[static_cast<std::size_t>(s)], p.total)));
        }
        cls.assignments.push_back(std::move(a));
    }
    if (options.seats) addSampleSeats(cls);
    return cls;
}

}  // namespace markwell
