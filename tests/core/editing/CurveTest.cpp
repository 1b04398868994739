// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

// Curves worked out by hand on one quiz of five students (7, -, 4.5, 0, 9
// of 10): each kind with its rounding and cap, "-" kept, negatives floored
// at 0, and the curves that cannot be worked out.

#include "tests/core/grading/GradesFixture.h"

#include "core/editing/Curve.h"
#include "core/reports/CurvePreview.h"

#include <gtest/gtest.h>

using namespace markwell;
using namespace markwell::test;

namespace {

ClassRecord quizClass(std::vector<std::string> points = {"7", "-", "4.5", "0", "9"}, double total = 10) {
    return makeClass({"Ann", "Bo", "Cy", "Dee", "Ed"}, {{"Quiz 1", "Quiz", total, std::move(points)}});
}

CurveRule adding(double points, double step = 0, bool cap = false) {
    return {CurveKind::Add, points, 0, 0, 0, 0, 0, step, cap};
}
CurveRule toTop(double step = 0) {
    return {CurveKind::Top, 0, 0, 0, 0, 0, 0, step, false};
}
CurveRule toMean(double percent, double step = 0) {
    return {CurveKind::Mean, 0, percent, 0, 0, 0, 0, step, false};
}
CurveRule mapping(double low, double high, double newLow, double newHigh, double step = 0, bool cap = false) {
    return {CurveKind::Map, 0, 0, low, high, newLow, newHigh, step, cap};
}

QStringList newScores(const CurvedColumn& column) {
    QStringList scores;
    for (const CurvedScore& score : column.scores) scores << score.after;
    return scores;
}

}  // namespace

TEST(Curve, EachKindGivesTheScoresWorkedOutByHand) {
    const struct {
        const char* name;
        CurveRule rule;
        QStringList scores;
        int changed;
    } cases[] = {
        // 8.25 and 10.25 round up to the half point; 10.5 is capped at 10.
        {"add, half points, capped", adding(1.25, 0.5, true), {"8.5", "-", "6", "1.5", "10"}, 4},
        // -0.5 and -5 become 0; the 0 that stays 0 keeps its text and is no change.
        {"add a negative", adding(-5), {"2", "-", "0", "0", "4"}, 3},
        // Times 10/9: fifteen significant digits without rounding.
        {"top", toTop(), {"7.77777777777778", "-", "5", "0", "10"}, 3},
        {"top, whole points", toTop(1), {"8", "-", "5", "0", "10"}, 3},
        // The mean of 7, 4.5, 0 and 9 is 5.125; 40 % of 10 is 4: 5.46, 3.51, 0, 7.02.
        {"mean, whole points", toMean(40, 1), {"5", "-", "4", "0", "7"}, 3},
        // 4 -> 6 and 9 -> 10: 8.4, 6.4, 2.8, 10, to the half point.
        {"map, half points", mapping(4, 9, 6, 10, 0.5), {"8.5", "-", "6.5", "3", "10"}, 4},
        {"map above the possible points, capped",
         mapping(0, 9, 0, 12, 0, true),
         {"9.33333333333333", "-", "6", "0", "10"},
         3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Result<CurvedColumn> curved = curveAssignment(quizClass(), 0, c.rule);
        ASSERT_TRUE(curved.ok()) << curved.message().toStdString();
        EXPECT_EQ(newScores(*curved), c.scores);
        EXPECT_EQ(curved->changed, c.changed);
    }
    // 3 maps to 5.249999999999999 in doubles: the 5.25 it stands for rounds up to 5.5.
    const Result<CurvedColumn> rounded =
        curveAssignment(quizClass({"3", "-", "-", "-", "-"}), 0, mapping(0.1, 5.9, 0.6, 9.9, 0.5));
    ASSERT_TRUE(rounded.ok());
    EXPECT_EQ(rounded->scores[0].after, QStringLiteral("5.5"));
}

TEST(Curve, CurvesThatCannotBeWorkedOutAreRefusedAndNamed) {
    const struct {
        const char* name;
        ClassRecord cls;
        CurveRule rule;
        const char* saying;
    } cases[] = {
        {"top with every score 0", quizClass({"0", "-", "0", "0", "0"}), toTop(), "highest score of \"Quiz 1\" is 0"},
        {"top with no score", quizClass({"-", "-", "-", "-", "-"}), toTop(), "highest score"},
        {"top on a quiz worth nothing", quizClass({"7", "-", "4.5", "0", "9"}, 0), toTop(), "worth no points"},
        {"mean of 0", quizClass({"0", "-", "0", "0", "0"}), toMean(70), "mean of \"Quiz 1\" is 0"},
        {"mean without a score", quizClass({"-", "-", "-", "-", "-"}), toMean(70), "no score that counts"},
        {"map of one score", quizClass(), mapping(5, 5, 6, 10), "same"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Result<CurvedColumn> curved = curveAssignment(c.cls, 0, c.rule);
        ASSERT_FALSE(curved.ok());
        EXPECT_TRUE(curved.message().contains(QString::fromUtf8(c.saying))) << curved.message().toStdString();
    }
}

TEST(Curve, ThePreviewIsWhatTheChangeMakes) {
    const ClassRecord cls = quizClass();
    const CurveRule rule = adding(1.25, 0.5, true);
    const Result<CurvePreview> preview = previewCurve(cls, 0, rule);
    ASSERT_TRUE(preview.ok());

    Document document;
    document.classRecord = cls;
    const Change change = curveChange(cls, 0, rule);
    EXPECT_EQ(change.name(), QStringLiteral("Curve Quiz 1"));
    ASSERT_TRUE(change.applyTo(document).ok());
    EXPECT_EQ(document.classRecord, preview->curved);

    EXPECT_EQ(tableText(curvedScoresSheet(preview->column)),
              QStringList({"Student|Old|New", "Ann|7|8.5", "Bo|-|-", "Cy|4.5|6", "Dee|0|1.5", "Ed|9|10"}));
    // Mean 5.125 -> 6.5, median (the lower middle) 4.5 -> 6; Bo has no grade.
    // Before 70 C, 45 F, 0 F, 90 A; after 85 B, 60 D, 15 F, 100 A.
    EXPECT_EQ(tableText(curveEffectSheet(cls, *preview, 0)),
              QStringList({"|Before|After", "Mean score|5.13|6.50", "Median score|4.50|6.00", "Grade A|1|1",
                           "Grade B|0|1", "Grade C|1|0", "Grade D|0|1", "Grade F|2|1"}));
}

TEST(Curve, ACurveThatMovesNothingLeavesNothingToUndo) {
    Document document;
    document.classRecord = quizClass();
    const Result<ChangeMade> made = curveChange(document.classRecord, 0, adding(0)).applyTo(document);
    ASSERT_TRUE(made.ok());
    EXPECT_FALSE(made->step);
}
