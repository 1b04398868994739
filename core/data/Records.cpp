// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/data/Records.h"

namespace markwell {

std::int32_t WeightedGrades::weight(int typeIndex) const {
    switch (typeIndex) {
    case 0: return Final;
    case 1: return Test;
    case 2: return Quiz;
    case 3: return Homework;
    case 4: return Lab;
    case 5: return Other;
    default: return 0;
    }
}

void WeightedGrades::setWeight(int typeIndex, std::int32_t value) {
    switch (typeIndex) {
    case 0: Final = value; break;
    case 1: Test = value; break;
    case 2: Quiz = value; break;
    case 3: Homework = value; break;
    case 4: Lab = value; break;
    case 5: Other = value; break;
    default: break;
    }
}

bool DropLowScoreInfo::flag(int typeIndex) const {
    switch (typeIndex) {
    case 0: return drop_final;
    case 1: return drop_test;
    case 2: return drop_quiz;
    case 3: return drop_hw;
    case 4: return drop_lab;
    case 5: return drop_other;
    default: return false;
    }
}

void DropLowScoreInfo::setFlag(int typeIndex, bool value) {
    switch (typeIndex) {
    case 0: drop_final = value; break;
    case 1: drop_test = value; break;
    case 2: drop_quiz = value; break;
    case 3: drop_hw = value; break;
    case 4: drop_lab = value; break;
    case 5: drop_other = value; break;
    default: break;
    }
}

SeatingInfo defaultTeacherSeat() {
    SeatingInfo teacher;
    teacher.name = kTeacherSeatName;
    teacher.font_style = fontstyle::kBold | fontstyle::kUnderline;
    teacher.font_color = colour::kBlack;
    teacher.font_size = 10;
    teacher.font_name = "Arial";
    teacher.color = colour::kAqua;
    teacher.width = 79;
    teacher.height = 30;
    teacher.left = 303;
    teacher.Top = 313;
    return teacher;
}

}  // namespace markwell
