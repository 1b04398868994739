// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/sample/SampleAttendance.h"
#include "core/sample/SampleClass.h"
#include "core/scales/ScaleStore.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace markwell;

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
