// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/data/Tables.h"
#include "core/grading/LetterGrade.h"
#include "core/scales/ScaleChecks.h"
#include "core/scales/ScaleStore.h"
#include "core/settings/QSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace markwell;

namespace {

const QString kDefault = QStringLiteral("<Default>");
const SettingsGroup kDefaultGroup = {QStringLiteral("Scale"), kDefault};

QString q(const char* text) {
    return QString::fromUtf8(text);
}

StoredScale expandedScale(const QString& name) {
    const char* letters[] = {"A ", "A-", " B+", "B ", "B-", " C+", "C ", "C-", " D+", "D ", "D-", "F "};
    StoredScale scale{name, ScaleKind::Expanded, {}};
    int high = 100;
    for (const char* letter : letters) {
        scale.ranges.push_back({q(letter), QString::number(high - 4), QString::number(high)});
        high -= 5;
    }
    return scale;
}

// Each test gets its own settings file.
class ScaleStoreTest : public testing::Test {
protected:
    QString path() const { return dir_.filePath(QStringLiteral("Grades.ini")); }
    QTemporaryDir dir_;
    QSettingsStore settings_{path()};
    ScaleStore store_{settings_};
};

StoredScale standardScale(std::vector<std::pair<const char*, const char*>> bounds) {
    StoredScale scale{q("Biology"), ScaleKind::Standard, defaultRanges(ScaleKind::Standard)};
    for (std::size_t i = 0; i < bounds.size(); ++i) {
        scale.ranges[i].low = q(bounds[i].first);
        scale.ranges[i].high = q(bounds[i].second);
    }
    return scale;
}

}  // namespace

TEST_F(ScaleStoreTest, FirstStartCreatesExactlyTheDefaultScaleAndASecondKeepsAUserEditedOne) {
    ASSERT_TRUE(store_.createDefaultScale().ok());
    QStringList names = settings_.valueNames(kDefaultGroup);
    names.sort();
    EXPECT_EQ(names, (QStringList{q("A"), q("B"), q("C"), q("D"), q("F"), q("IsStandard")}));
    EXPECT_EQ(settings_.readInteger(kDefaultGroup, q("IsStandard")), 1);
    EXPECT_EQ(settings_.readString(kDefaultGroup, q("A")), q("90,100"));
    EXPECT_EQ(settings_.readString(kDefaultGroup, q("B")), q("80,89.9"));
    EXPECT_EQ(settings_.readString(kDefaultGroup, q("F")), q("0,59.9"));
    EXPECT_EQ(store_.scaleNames(), QStringList{kDefault});

    const std::optional<CurrentGradeScale> loaded = store_.scaleNamed(kDefault);
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(*loaded, (CurrentGradeScale{"<Default>", 1, "90,100,80,89.9,70,79.9,60,69.9,0,59.9"}));
    EXPECT_EQ(builtInDefaultGradeScale(), *loaded);
    ASSERT_TRUE(store_.createDefaultScale().ok());
    settings_.writeString(kDefaultGroup, q("A"), q("93,100"));
    ASSERT_TRUE(settings_.flush().ok());

    QSettingsStore again(path());
    ScaleStore secondStart(again);
    ASSERT_TRUE(secondStart.createDefaultScale().ok());
    EXPECT_EQ(secondStart.scaleNamed(kDefault)->num_values, "93,100,80,89.9,70,79.9,60,69.9,0,59.9");
}

TEST_F(ScaleStoreTest, AnEmptyDefaultIsMadeAgainAndOneWithValuesIsNeverTouched) {
    // A group with nothing of its own in it (only a stray group below it)
    // holds no scale: it is made again, completely.
    settings_.writeString({q("Scale"), kDefault, q("Stray")}, q("x"), q("1"));
    ASSERT_TRUE(settings_.valueNames(kDefaultGroup).isEmpty());
    ASSERT_EQ(settings_.childGroups({q("Scale")}), QStringList{kDefault});
    ASSERT_TRUE(store_.createDefaultScale().ok());
    EXPECT_EQ(settings_.valueNames(kDefaultGroup).size(), 6);
    EXPECT_EQ(store_.scaleNamed(kDefault)->num_values, "90,100,80,89.9,70,79.9,60,69.9,0,59.9");

    // A default with any value at all is the user's, however incomplete:
    // nothing is added, changed or removed.
    settings_.removeGroup({q("Scale")});
    settings_.writeString(kDefaultGroup, q("A"), q("95,100"));
    settings_.writeString({q("Scale"), kDefault, q("Stray")}, q("x"), q("1"));
    ASSERT_TRUE(store_.createDefaultScale().ok());
    EXPECT_EQ(settings_.valueNames(kDefaultGroup), QStringList{q("A")});
    EXPECT_EQ(settings_.readString(kDefaultGroup, q("A")), q("95,100"));
    EXPECT_EQ(settings_.readString({q("Scale"), kDefault, q("Stray")}, q("x")), q("1"));
}

TEST_F(ScaleStoreTest, SavingReplacesAScaleCompletelyAndKeepsSpacesInLetters) {
    StoredScale standard{q("Biology"),
                         ScaleKind::Standard,
                         {{q("A"), q("92"), q("100")},
                          {q("B"), q("85"), q("91.9")},
                          {q("C"), q("75"), q("84.9")},
                          {q("D"), q("65"), q("74.9")},
                          {q("F"), q("0"), q("64.9")}}};
    ASSERT_TRUE(store_.saveScale(standard).ok());
    EXPECT_EQ(store_.readScale(q("Biology")), standard);

    ASSERT_TRUE(store_.saveScale(expandedScale(q("Biology"))).ok());
    const SettingsGroup group{q("Scale"), q("Biology")};
    EXPECT_FALSE(settings_.readString(group, q("A")).has_value());
    EXPECT_FALSE(settings_.readString(group, q("F")).has_value());
    EXPECT_EQ(settings_.valueNames(group).size(), 14);

    // Read back from the file itself, not from what this process cached.
    const QString copy = dir_.filePath(QStringLiteral("copy.ini"));
    ASSERT_TRUE(QFile::copy(path(), copy));
    QSettingsStore fromDisk(copy);
    EXPECT_EQ(fromDisk.readString(group, q(" B+")), q("86,90"));
    EXPECT_EQ(fromDisk.readString(group, q("A ")), q("96,100"));
    EXPECT_FALSE(fromDisk.readString(group, q("B+")).has_value());
    EXPECT_EQ(fromDisk.readInteger(group, q("IsStandard")), 0);
    EXPECT_EQ(fromDisk.readInteger(group, q("IsPassFail")), 0);
    EXPECT_EQ(ScaleStore(fromDisk).readScale(q("Biology")), expandedScale(q("Biology")));

    const std::optional<CurrentGradeScale> loaded = store_.scaleNamed(q("Biology"));
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(loaded->scale_type, 0);
    EXPECT_EQ(loaded->num_values.substr(0, 20), "96,100,91,95,86,90,8");
}

TEST_F(ScaleStoreTest, KindsFollowTheFlags) {
    ASSERT_TRUE(store_.createDefaultScale().ok());
    ASSERT_TRUE(store_
                    .saveScale({q("Pass or fail"),
                                ScaleKind::PassFail,
                                {{q("Pass"), q("70"), q("100")}, {q("Fail"), q("0"), q("69.9")}}})
                    .ok());
    EXPECT_EQ(*store_.scaleNamed(q("Pass or fail")), (CurrentGradeScale{"Pass or fail", 2, "70,100,0,69.9"}));
    // The default scale has no "IsPassFail": it counts as not pass/fail.
    EXPECT_EQ(store_.scaleNamed(kDefault)->scale_type, 1);

    // A pass/fail flag wins over a standard flag; a missing letter is empty.
    const SettingsGroup odd{q("Scale"), q("Odd")};
    settings_.writeBool(odd, q("IsStandard"), true);
    settings_.writeBool(odd, q("IsPassFail"), true);
    settings_.writeString(odd, q("Fail"), q("0,49"));
    EXPECT_EQ(*store_.scaleNamed(q("Odd")), (CurrentGradeScale{"Odd", 2, ",0,49"}));
    const std::optional<StoredScale> read = store_.readScale(q("Odd"));
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->ranges[0], (LetterRange{q("Pass"), q(""), q("")}));
    EXPECT_EQ(read->ranges[1], (LetterRange{q("Fail"), q("0"), q("49")}));
}

TEST_F(ScaleStoreTest, NamesAreCheckedQuotedAsTypedWhenRefusedAndMatchedWithoutLetterCase) {
    ASSERT_TRUE(store_.createDefaultScale().ok());
    for (const QString& bad :
         {q("Bio/Chem"), q("Bio\\Chem"), q(""), q("  "), q("\u4e2d"), QString(256, QLatin1Char('x'))}) {
        StoredScale scale = expandedScale(bad);
        EXPECT_FALSE(store_.saveScale(scale).ok()) << bad.toStdString();
        EXPECT_FALSE(store_.scaleNamed(bad).has_value());
    }
    EXPECT_EQ(store_.scaleNames(), QStringList{kDefault});

    ASSERT_TRUE(store_.saveScale(expandedScale(q("Biology 101 <honors>"))).ok());
    EXPECT_TRUE(store_.contains(q("BIOLOGY 101 <HONORS>")));
    EXPECT_EQ(store_.scaleNamed(q("biology 101 <honors>"))->name, "biology 101 <honors>");
    ASSERT_TRUE(store_.saveScale(expandedScale(q("biology 101 <Honors>"))).ok());
    EXPECT_EQ(store_.scaleNames(), (QStringList{kDefault, q("biology 101 <Honors>")}));

    ASSERT_TRUE(store_.deleteScale(q("BIOLOGY 101 <HONORS>")).ok());
    EXPECT_EQ(store_.scaleNames(), QStringList{kDefault});
    EXPECT_TRUE(store_.deleteScale(q("never there")).ok());
    // A "%1" in the name is the teacher's text, not a place for the limit.
    const QString tooLong = q("Bonus %1 ") + QString(250, QLatin1Char('x'));
    EXPECT_EQ(store_.saveScale(expandedScale(tooLong)).message(),
              q("The grade scale name “%1” is too long: at most 255 characters fit.").replace(q("%1"), tooLong));
}

TEST_F(ScaleStoreTest, TheDefaultScaleCannotBeDeletedAndStandsInWhenMissing) {
    ASSERT_TRUE(store_.createDefaultScale().ok());
    EXPECT_FALSE(store_.deleteScale(kDefault).ok());
    EXPECT_TRUE(store_.contains(kDefault));

    settings_.removeGroup(kDefaultGroup);
    EXPECT_FALSE(store_.contains(kDefault));
    EXPECT_EQ(store_.readScale(kDefault), ScaleStore::builtInDefaultScale());
    EXPECT_EQ(store_.scaleNamed(kDefault)->num_values, "90,100,80,89.9,70,79.9,60,69.9,0,59.9");
    EXPECT_FALSE(store_.scaleNamed(q("Chemistry")).has_value());
    EXPECT_FALSE(store_.readScale(q("Chemistry")).has_value());

    ASSERT_TRUE(store_.createDefaultScale().ok());
    EXPECT_TRUE(store_.contains(kDefault));
}

TEST(SettingsStore, NamesWithSlashesPercentsAndSpacesRoundTrip) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("s.ini"));
    {
        QSettingsStore settings(path);
        const SettingsGroup group{q("a/b"), q("50% \\ <x>")};
        settings.writeString(group, q(" lead"), q("90,100"));
        settings.writeString(group, q("%2F"), q("literal"));
        settings.writeInteger(group, q("n"), -7);
        settings.writeBool(group, q("yes"), true);
        settings.writeString({q("PasswordProtection")}, q("Hash"), q("@Invalid()"));
        ASSERT_TRUE(settings.flush().ok());
    }
    QSettingsStore settings(path);
    EXPECT_EQ(settings.childGroups({}), (QStringList{q("PasswordProtection"), q("a/b")}));
    EXPECT_EQ(settings.childGroups({q("a/b")}), QStringList{q("50% \\ <x>")});
    const SettingsGroup group{q("a/b"), q("50% \\ <x>")};
    EXPECT_EQ(settings.readString(group, q(" lead")), q("90,100"));
    EXPECT_EQ(settings.readString(group, q("%2F")), q("literal"));
    QStringList names = settings.valueNames(group);
    names.sort();
    EXPECT_EQ(names, (QStringList{q(" lead"), q("%2F"), q("n"), q("yes")}));
    EXPECT_EQ(settings.readInteger(group, q("n")), -7);
    EXPECT_EQ(settings.readBool(group, q("yes")), true);
    EXPECT_FALSE(settings.readInteger(group, q(" lead")).has_value());
    EXPECT_EQ(settings.readString({q("PasswordProtection")}, q("Hash")), q("@Invalid()"));

    // An empty name addresses nothing: it never removes the enclosing group.
    settings.removeGroup({q("a/b"), q("")});
    settings.removeGroup({});
    EXPECT_EQ(settings.readString(group, q(" lead")), q("90,100"));
    settings.removeGroup({q("a/b")});
    EXPECT_TRUE(settings.valueNames(group).isEmpty());
    EXPECT_EQ(settings.childGroups({}), QStringList{q("PasswordProtection")});
}

TEST(SettingsStore, TheUserStoreLivesUnderXdgConfigHomeWhereAnyOtherQSettingsLooks) {
    // The test program names itself as the programs do (applySettingsNames).
    EXPECT_EQ(QSettings().fileName(), QSettingsStore().fileName());
    QSettingsStore user;
    const QString expected =
        QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).filePath(QStringLiteral("Larkhaven/Grades.ini"));
    EXPECT_EQ(user.fileName(), expected);
    ScaleStore store(user);
    ASSERT_TRUE(store.createDefaultScale().ok());
    EXPECT_TRUE(QFile::exists(expected));
}

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

TEST(ScaleRanges, TheFirstProblemRowByRowWithItsCellAndAComparisonNamingBothLetters) {
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

TEST(ScaleForClass, AScaleGivesTheTypeAndBoundsInRowOrderAndARefusedOneLeavesTheClassAlone) {
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
    // A refused scale leaves the class alone.
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
    // A scale the class carries is laid out with its letters and the bounds it has.
    const StoredScale shown = storedScaleOf(CurrentGradeScale{"From home", 2, "80,100,0"});
    EXPECT_EQ(shown.name, q("From home"));
    EXPECT_EQ(shown.kind, ScaleKind::PassFail);
    EXPECT_EQ(shown.ranges, (std::vector<LetterRange>{{q("Pass"), q("80"), q("100")}, {q("Fail"), q("0"), q("")}}));

    // An unknown kind reads as standard, as the grades table reads it.
    const StoredScale odd = storedScaleOf(CurrentGradeScale{"Odd", 7, "90,100,80,89.9,70,79.9,60,69.9,0,59.9"});
    EXPECT_EQ(odd.kind, ScaleKind::Standard);
    EXPECT_EQ(gradeScaleOf(odd).value().num_values, "90,100,80,89.9,70,79.9,60,69.9,0,59.9");
}
