// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/scales/ScaleChecks.h"

#include "core/data/Tables.h"
#include "core/grading/LetterGrade.h"

#include <gtest/gtest.h>

using namespace markwell;

namespace {

QString q(const char* text) {
    return QString::fromUtf8(text);
}

StoredScale standardScale(std::vector<std::pair<const char*, const char*>> bounds) {
    StoredScale scale{q("Biology"), ScaleKind::Standard, defaultRanges(ScaleKind::Standard)};
    for (std::size_t i = 0; i < bounds.size(); ++i) {
        scale.ranges[i].low = q(bounds[i].first);
        scale.ranges[i].high = q(bounds[i].second);
    }
    return scale;
}

}  // namespace

TEST(ScaleBound, PlainNonNegativeDecimalsOfAtMostSixCharacters) {
    for (const char* good : {"0", "90", "100", "89.9", "100.00", ".5", "5.", "059.9", "999999"}) {
        EXPECT_TRUE(isScaleBound(q(good))) << good;
    }
    // A comma or quote would shift the comma text of the bounds; a sign, an
    // exponent or a second point is no plain bound; seven characters do not fit.
    for (const char* bad : {"", ".", "a,b", "90,5", "\"90\"", "-5", "+5", "1e5", "1.2.3", "1-2", "9 0", " 90",
                            "100.001", "1000000", "\u0661\u0660", "Infinity", "nan", "0x10"}) {
        EXPECT_FALSE(isScaleBound(q(bad))) << bad;
    }
}

TEST(ScaleName, TrimmedNonEmptyWithoutSlashesInWindows1252AndAtMost255Bytes) {
    EXPECT_EQ(scaleNameFrom(q("  Biology 2 ")).value(), q("Biology 2"));
    EXPECT_EQ(scaleNameFrom(q("<Default>")).value(), q("<Default>"));
    EXPECT_EQ(scaleNameFrom(q("Caf\u00e9, \u20ac & co.")).value(), q("Caf\u00e9, \u20ac & co."));
    EXPECT_EQ(scaleNameFrom(QString(255, QLatin1Char('x'))).value(), QString(255, QLatin1Char('x')));
    EXPECT_EQ(scaleNameFrom(q(" ") + QString(255, QLatin1Char('x')) + q(" ")).value(), QString(255, QLatin1Char('x')));

    // An empty name would address the group that holds every scale.
    for (const QString& bad : {q(""), q("   "), q("\t"), q("a\\b"), q("a/b"), q("/"), q("\u0100ngstr\u00f6m"),
                               q("\u4e2d"), QString(256, QLatin1Char('x'))}) {
        EXPECT_FALSE(scaleNameFrom(bad).ok()) << bad.toStdString();
    }
    EXPECT_TRUE(scaleNameFrom(q("a/b")).message().contains(q("\\ or /")));
    for (const char* inside : {"Bio\nlogy", "Bio\tlogy", "Bio\rlogy", "Bio\x01logy"}) {
        EXPECT_EQ(scaleNameFrom(q(inside)).message(),
                  q("A grade scale name cannot hold a line break, a tab or another control character."))
            << inside;
    }
    EXPECT_TRUE(scaleNameFrom(QString(256, QLatin1Char('x'))).message().contains(q("255")));
}

TEST(ScaleRanges, TheFirstProblemRowByRowWithItsCell) {
    using K = RangeProblem::Kind;
    struct Case {
        std::vector<std::pair<const char*, const char*>> bounds;
        std::optional<RangeProblem> expected;
    };
    const std::vector<Case> cases = {
        {{{"90", "100"}, {"80", "89.9"}, {"70", "79.9"}, {"60", "69.9"}, {"0", "59.9"}}, std::nullopt},
        // Equal bounds pass, within a letter and between letters.
        {{{"90", "100"}, {"80", "90"}, {"70", "80"}, {"60", "70"}, {"60", "60"}}, std::nullopt},
        {{{"  90 ", "100"}, {"80", " 89.9"}, {"70", "79.9"}, {"60", "69.9"}, {"0", "59.9"}}, std::nullopt},
        {{{"95", "90"}, {"80", "89.9"}, {"70", "79.9"}, {"60", "69.9"}, {"0", "59.9"}},
         RangeProblem{K::LowAboveHigh, 0, 0}},
        {{{"90", "100"}, {"80", "91"}, {"70", "79.9"}, {"60", "69.9"}, {"0", "59.9"}}, RangeProblem{K::Overlap, 0, 0}},
        {{{"90", "100"}, {"80", "89.9"}, {"70", " "}, {"60", "69.9"}, {"0", "59.9"}}, RangeProblem{K::Blank, 2, 1}},
        {{{"90", "100"}, {"80", "89.9"}, {"70", "79.9"}, {"", "69.9"}, {"0", "59.9"}}, RangeProblem{K::Blank, 3, 0}},
        {{{"90", "100"}, {"a,b", "89.9"}, {"70", "79.9"}, {"60", "69.9"}, {"0", "59.9"}},
         RangeProblem{K::NotANumber, 1, 0}},
        {{{"90", "1-2"}, {"80", "89.9"}, {"70", "79.9"}, {"60", "69.9"}, {"0", "59.9"}},
         RangeProblem{K::NotANumber, 0, 1}},
        // Rows are taken in order: the first row's overlap before the fourth row's blank.
        {{{"90", "100"}, {"80", "95"}, {"70", "79.9"}, {"", "69.9"}, {"0", "59.9"}}, RangeProblem{K::Overlap, 0, 0}},
        // A letter's Max % that cannot be compared is reported as itself.
        {{{"90", "100"}, {"80", "x"}, {"70", "79.9"}, {"60", "69.9"}, {"0", "59.9"}},
         RangeProblem{K::NotANumber, 1, 1}},
        {{{"90", "100"}, {"a", "b"}, {"70", "79.9"}, {"60", "69.9"}, {"0", "59.9"}}, RangeProblem{K::NotANumber, 1, 0}},
        // Compared as numbers, not as texts: "100" > "9" although "1" < "9".
        {{{"9", "100"}, {"8", "8.9"}, {"7", "7.9"}, {"6", "6.9"}, {"0", "5.9"}}, std::nullopt},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const std::optional<RangeProblem> found = findRangeProblem(standardScale(cases[i].bounds).ranges);
        ASSERT_EQ(found.has_value(), cases[i].expected.has_value()) << "case " << i;
        if (!found) continue;
        EXPECT_EQ(found->kind, cases[i].expected->kind) << "case " << i;
        EXPECT_EQ(found->row, cases[i].expected->row) << "case " << i;
        EXPECT_EQ(found->column, cases[i].expected->column) << "case " << i;
    }
}

TEST(ScaleRanges, AComparisonNamesBothLettersAndItsOtherBound) {
    // Expanded, A- up to 95: above where A starts.
    StoredScale expanded{q("Biology"), ScaleKind::Expanded, defaultRanges(ScaleKind::Expanded)};
    expanded.ranges[1].high = q("95");
    const RangeProblem overlap = findRangeProblem(expanded.ranges).value();
    EXPECT_EQ(comparedBound(overlap), (BoundCell{1, 1}));
    EXPECT_EQ(describeRangeProblem(expanded.ranges, overlap),
              q("Minimum percentage of higher grade is greater than maximum percentage of lower grade: "
                "\u201cA\u201d starts at 94, below 95 where \u201cA-\u201d ends."));

    // " B+" is named without the blank it is stored with.
    StoredScale plus{q("Biology"), ScaleKind::Expanded, defaultRanges(ScaleKind::Expanded)};
    plus.ranges[2].low = q("91");
    const RangeProblem lowAboveHigh = findRangeProblem(plus.ranges).value();
    EXPECT_EQ(comparedBound(lowAboveHigh), (BoundCell{2, 1}));
    EXPECT_EQ(describeRangeProblem(plus.ranges, lowAboveHigh),
              q("Minimum percentage is greater than maximum percentage for same grade: "
                "\u201cB+\u201d starts at 91 but ends at 89.9."));

    // A blank compares nothing: its own cell, its own message.
    const StoredScale blank = standardScale({{"90", "100"}, {"80", " "}});
    const RangeProblem empty = findRangeProblem(blank.ranges).value();
    EXPECT_EQ(comparedBound(empty), (BoundCell{1, 1}));
    EXPECT_EQ(describeRangeProblem(blank.ranges, empty), q("No range fields can be left blank"));
}

TEST(ScaleRanges, SameBoundsIgnoreNamesAndBlanksButNotKindOrValues) {
    const StoredScale biology = standardScale({{"92", "100"}});
    StoredScale renamed = biology;
    renamed.name = q("Chemistry");
    renamed.ranges[0].low = q(" 92 ");
    EXPECT_TRUE(sameBounds(biology, renamed));
    StoredScale moved = biology;
    moved.ranges[4].high = q("59");
    EXPECT_FALSE(sameBounds(biology, moved));
    const StoredScale passFail{q("Biology"), ScaleKind::PassFail, defaultRanges(ScaleKind::PassFail)};
    EXPECT_FALSE(sameBounds(biology, passFail));
    // The same bounds under another kind are another scale.
    StoredScale expandedAsStandard = biology;
    expandedAsStandard.kind = ScaleKind::Expanded;
    EXPECT_FALSE(sameBounds(biology, expandedAsStandard));
}

TEST(ScaleForClass, PassFailDefaultsGiveTheTypeAndBoundsInRowOrder) {
    const StoredScale passFail{q("Pass or fail"), ScaleKind::PassFail, defaultRanges(ScaleKind::PassFail)};
    EXPECT_EQ(gradeScaleOf(passFail).value(), (CurrentGradeScale{"Pass or fail", 2, "75,100,0,74"}));

    StoredScale expanded{q("Caf\u00e9"), ScaleKind::Expanded, defaultRanges(ScaleKind::Expanded)};
    expanded.ranges[0].low = q(" 95 ");
    const CurrentGradeScale record = gradeScaleOf(expanded).value();
    EXPECT_EQ(record.name, "Caf\xe9");
    EXPECT_EQ(record.scale_type, 0);
    EXPECT_EQ(record.num_values,
              "95,100,90,93.9,87,89.9,83,86.9,80,82.9,77,79.9,73,76.9,70,72.9,67,69.9,63,66.9,60,62.9,0,59.9");
    // Letters are then looked up from these bounds.
    EXPECT_EQ(LetterGrader(record).letter(100, 94.5), q("A-"));
    EXPECT_EQ(LetterGrader(record).letter(100, 88), q(" B+"));
}

TEST(ScaleForClass, RefusedScalesLeaveTheClassAlone) {
    ClassRecord cls;
    cls.gradeScale = CurrentGradeScale{"Old", 1, "90,100,80,89.9,70,79.9,60,69.9,0,59.9"};
    const ClassRecord before = cls;

    StoredScale bad = standardScale({{"90", "100"}, {"80", "89,9"}});
    const Result<void> refused = useGradeScale(cls, bad);
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.message(), q("Letter \u201cB\u201d, Max %: Invalid value!"));
    EXPECT_EQ(cls, before);

    StoredScale unnamed{q(""), ScaleKind::Standard, defaultRanges(ScaleKind::Standard)};
    EXPECT_FALSE(useGradeScale(cls, unnamed).ok());
    StoredScale short_{q("Short"), ScaleKind::Expanded, defaultRanges(ScaleKind::Standard)};
    EXPECT_FALSE(useGradeScale(cls, short_).ok());
    EXPECT_EQ(cls, before);

    ASSERT_TRUE(useGradeScale(cls, standardScale({{"93", "100"}})).ok());
    EXPECT_EQ(cls.gradeScale, (CurrentGradeScale{"Biology", 1, "93,100,80,89.9,70,79.9,60,69.9,0,59.9"}));
}

TEST(ScaleForClass, ACarriedScaleIsLaidOutWithItsLettersAndWhatBoundsItHas) {
    const StoredScale shown = storedScaleOf(CurrentGradeScale{"From home", 2, "80,100,0"});
    EXPECT_EQ(shown.name, q("From home"));
    EXPECT_EQ(shown.kind, ScaleKind::PassFail);
    EXPECT_EQ(shown.ranges, (std::vector<LetterRange>{{q("Pass"), q("80"), q("100")}, {q("Fail"), q("0"), q("")}}));

    // An unknown kind reads as standard, as the grades table reads it.
    const StoredScale odd = storedScaleOf(CurrentGradeScale{"Odd", 7, "90,100,80,89.9,70,79.9,60,69.9,0,59.9"});
    EXPECT_EQ(odd.kind, ScaleKind::Standard);
    EXPECT_EQ(gradeScaleOf(odd).value().num_values, "90,100,80,89.9,70,79.9,60,69.9,0,59.9");
}
