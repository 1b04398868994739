// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/document/GradeFileOpening.h"
#include "tests/support/TestFiles.h"

#include "core/scales/ScaleStore.h"
#include "core/settings/QSettingsStore.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace markwell;

namespace {

QString q(const char* text) {
    return QString::fromUtf8(text);
}

const std::string kAccented = "B\xED"
                              "olog\xED"
                              "a";  // Bíología in Windows-1252

// A class graded with the scale `scale` as its file records it, and this
// computer's store holding a pass/fail "Biology" and a "Bíología" (a name
// outside ASCII, stored in the class as Windows-1252).
class GradeFileOpening : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        ASSERT_TRUE(store_.createDefaultScale().ok());
        const std::vector<LetterRange> passFail = {{q("Pass"), q("70"), q("100")}, {q("Fail"), q("0"), q("69.9")}};
        ASSERT_TRUE(store_.saveScale({q("Biology"), ScaleKind::PassFail, passFail}).ok());
        ASSERT_TRUE(store_.saveScale({q("Bíología"), ScaleKind::PassFail, passFail}).ok());
    }

    QString writeClass(const CurrentGradeScale& scale) {
        ClassRecord cls;
        cls.students.emplace_back().name = "Ann Lee";
        cls.gradeScale = scale;
        QString path = dir_.filePath(q("class.grs"));
        EXPECT_TRUE(writeGradeFile(path, cls).ok());
        return path;
    }

    QTemporaryDir dir_;
    QSettingsStore settings_{dir_.filePath(q("settings.ini"))};
    ScaleStore store_{settings_};
};

}  // namespace

TEST_F(GradeFileOpening, TakesTheKindAndBoundsOfTheScaleThisComputerKeepsUnderItsName) {
    const CurrentGradeScale inFile{"Biology", 0, "95,100,90,94.9,80,89.9,70,79.9,0,69.9"};
    GradeFileInfo info;
    const Result<ClassRecord> opened = openGradeFile(writeClass(inFile), store_, &info);
    ASSERT_TRUE(opened.ok()) << opened.message().toStdString();
    EXPECT_EQ(opened->gradeScale, (CurrentGradeScale{"Biology", 2, "70,100,0,69.9"}));
    EXPECT_EQ(opened->students.at(0).name, "Ann Lee");
    EXPECT_EQ(info.version, kGradeFileVersion);

    // The name is looked up as text, not as the file's bytes.
    const CurrentGradeScale accented{kAccented, 0, "95,100,90,94.9,80,89.9,70,79.9,0,69.9"};
    const Result<ClassRecord> reopened = openGradeFile(writeClass(accented), store_);
    ASSERT_TRUE(reopened.ok()) << reopened.message().toStdString();
    EXPECT_EQ(reopened->gradeScale, (CurrentGradeScale{kAccented, 2, "70,100,0,69.9"}));
}

TEST_F(GradeFileOpening, KeepsWhatTheFileHoldsForAScaleThisComputerDoesNotHave) {
    const CurrentGradeScale foreign{"Chemistry", 0, "95,100,90,94.9,80,89.9,70,79.9,0,69.9"};
    const Result<ClassRecord> opened = openGradeFile(writeClass(foreign), store_);
    ASSERT_TRUE(opened.ok()) << opened.message().toStdString();
    EXPECT_EQ(opened->gradeScale, foreign);
}

TEST_F(GradeFileOpening, RefusesAFileTheGradeFileReaderRefuses) {
    const QString path = dir_.filePath(q("damaged.grs"));
    ASSERT_TRUE(writeWholeFile(path, "not a class"));

    const Result<ClassRecord> damaged = openGradeFile(path, store_);
    ASSERT_FALSE(damaged.ok());
    EXPECT_TRUE(damaged.message().contains(path)) << damaged.message().toStdString();
}
