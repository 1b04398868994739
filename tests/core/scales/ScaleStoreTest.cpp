// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

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

}  // namespace

TEST_F(ScaleStoreTest, FirstStartCreatesExactlyTheDefaultScale) {
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
}

TEST_F(ScaleStoreTest, ASecondStartKeepsAUserEditedDefault) {
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

TEST_F(ScaleStoreTest, NamesAreCheckedAndMatchedWithoutLetterCase) {
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
}

TEST_F(ScaleStoreTest, ARefusedNameIsQuotedAsTyped) {
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

TEST(SettingsStore, AnyOtherQSettingsOfTheProgramOpensTheStoresFile) {
    // The test program names itself as the programs do (applySettingsNames).
    EXPECT_EQ(QSettings().fileName(), QSettingsStore().fileName());
}

TEST(SettingsStore, TheUserStoreLivesUnderXdgConfigHome) {
    QSettingsStore user;
    const QString expected =
        QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).filePath(QStringLiteral("Larkhaven/Grades.ini"));
    EXPECT_EQ(user.fileName(), expected);
    ScaleStore store(user);
    ASSERT_TRUE(store.createDefaultScale().ok());
    EXPECT_TRUE(QFile::exists(expected));
}
