// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QString>

#include <span>

class QWidget;

namespace markwell {

// One help page per window of the program. A window names its page with
// setHelpTopic; F1 anywhere in it opens that page.
enum class HelpTopic {
    Contents,
    Grades,
    Attendance,
    Seating,
    Printing,
    Font,
    StudentList,
    Assignments,
    EditGrades,
    GradeScale,
    Weights,
    DropLowest,
    IndividualReport,
    ClassReports,
    Statistics,
    Curve,
    MyClasses,
    AttendanceAnalysis,
    Graph,
    Merge,
    EarlierVersions,
    History,
    ImportScores,
    Email,
    SendReports,
    Options,
    Password,
    SeatDialog,
    About,
};

struct HelpPage {
    HelpTopic topic;
    const char* file;   // under :/help/
    const char* title;  // as the contents list shows it
};

// Every page, in the order of the contents list.
std::span<const HelpPage> helpPages();
const HelpPage& helpPage(HelpTopic topic);
// The page's title in the language of the program.
QString helpPageTitle(HelpTopic topic);

void setHelpTopic(QWidget* window, HelpTopic topic);
// The topic of the widget or of the nearest of its parents that has one.
HelpTopic helpTopicFor(const QWidget* widget);

}  // namespace markwell
