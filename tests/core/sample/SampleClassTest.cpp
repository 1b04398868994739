// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/data/PointEntry.h"
#include "core/data/Tables.h"
#include "core/sample/SampleAttendance.h"
#include "core/sample/SampleClass.h"
#include "core/scales/ScaleStore.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace markwell;

TEST(SampleClass, SameSeedSameClassOtherSeedOtherClass) {
    const SampleOptions options{30, 12, 7};
    EXPECT_EQ(makeSampleClass(options, builtInDefaultGradeScale()),
              makeSampleClass(options, builtInDefaultGradeScale()));
    SampleOptions other = options;
    other.seed = 8;
    EXPECT_NE(makeSampleClass(options, builtInDefaultGradeScale()).students,
              makeSampleClass(other, builtInDefaultGradeScale()).students);
}

TEST(SampleClass, IsAConsistentClassWithEverythingADemoNeeds) {
    SampleOptions options{400, 14, 3};
    options.seats = true;
    const ClassRecord cls = makeSampleClass(options, builtInDefaultGradeScale());
    ASSERT_EQ(cls.students.size(), 400u);
    ASSERT_EQ(cls.comments.size(), 400u);
    std::set<std::string> names;
    bool accented = false, apostrophe = false;
    for (std::size_t i = 0; i < cls.students.size(); ++i) {
        const std::string& name = cls.students[i].name;
        EXPECT_TRUE(names.insert(name).second) << name;
        EXPECT_TRUE(fitsField(name, capacity::kStudentName));
        EXPECT_EQ(cls.comments[i].name, name);
        accented |= name.find_first_of("\xE9\xEB\xFC\xF8") != std::string::npos;
        apostrophe |= name.find('\'') != std::string::npos;
    }
    EXPECT_TRUE(accented);
    EXPECT_TRUE(apostrophe);

    std::set<std::string> types;
    int dashes = 0;
    bool extraCredit = false;
    for (const AssignmentInfo& a : cls.assignments) {
        types.insert(a.assign_type);
        extraCredit |= a.total == 0;
        ASSERT_EQ(a.namegrade.size(), cls.students.size());
        for (std::size_t i = 0; i < a.namegrade.size(); ++i) {
            const PointEntry e = splitPointEntry(a.namegrade[i]);
            EXPECT_EQ(e.name, cls.students[i].name);
            dashes += e.points == kNotCounted;
        }
    }
    EXPECT_EQ(types.size(), 6u);
    EXPECT_TRUE(extraCredit);
    EXPECT_GT(dashes, 0);
    EXPECT_EQ(cls.Seats.size(), 400u);
}

TEST(SampleAttendance, FourMonthsOfSchoolDayMarksForEveryStudent) {
    const ClassRecord cls = makeSampleClass({30, 4, 5}, builtInDefaultGradeScale());
    const std::vector<AttendanceInfo> records = makeSampleAttendance(cls, 5);
    ASSERT_EQ(records.size(), 4u * 30u);
    EXPECT_EQ(records, makeSampleAttendance(cls, 5));
    EXPECT_NE(records, makeSampleAttendance(cls, 6));

    std::map<char, int> codes;
    std::set<std::string> entries;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const AttendanceInfo& r = records[i];
        EXPECT_EQ(r.Month, 9 + static_cast<int>(i / 30));
        EXPECT_EQ(r.Year, 2026);
        EXPECT_EQ(r.name, cls.students[i % 30].name);
        for (char code : r.entry) ++codes[code];
        entries.insert(std::string(r.entry.data(), r.entry.size()));
        if (r.Month == 9) {
            // 1 September 2026 is a Tuesday: the 5th and 6th are a weekend,
            // and September has no 31st.
            EXPECT_EQ(r.entry[4], ' ');
            EXPECT_EQ(r.entry[5], ' ');
            EXPECT_EQ(r.entry[30], ' ');
        }
    }
    EXPECT_EQ(codes.size(), 4u) << "only spaces, T, U and E";
    EXPECT_GT(codes['T'], 0);
    EXPECT_GT(codes['U'], 0);
    EXPECT_GT(codes['E'], 0);
    EXPECT_GT(codes[' '], 10 * (codes['T'] + codes['U'] + codes['E']));  // marks are the exception
    EXPECT_GT(entries.size(), 10u);
}
