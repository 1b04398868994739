// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/data/PointEntry.h"
#include "core/data/Tables.h"
#include "core/sample/SampleClass.h"
#include "core/scales/ScaleStore.h"

#include <gtest/gtest.h>

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
