// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/main/CommandRules.h"

namespace markwell {

CommandStates commandStates(const ClassShape& shape) {
    CommandStates s;
    const bool grades = shape.page == Page::Grades;
    const bool attendance = shape.page == Page::Attendance;
    const bool seating = shape.page == Page::Seating;
    const bool hasStudents = shape.students > 0;
    const bool hasAssignments = shape.assignments > 0;

    s.listsToolsVisible = grades;
    s.tableToolsVisible = grades;
    s.seatToolsVisible = seating;

    s.gradesMenu = grades;
    s.listsMenu = grades;
    s.viewMenu = grades;
    s.seatingChartMenuVisible = seating;
    s.printWithNamesVisible = grades;
    s.printWithIdsVisible = grades;
    s.printAttendanceVisible = attendance;

    s.assignmentList = hasStudents;
    s.editGrades = hasAssignments;
    s.gradeScale = hasStudents;
    s.gridLines = grades;
    s.font = grades && hasStudents;
    s.sort = grades && hasStudents;
    s.copy = !seating;
    s.graph = hasStudents;
    s.mail = grades && hasStudents;
    s.merge = grades;
    s.attendanceAnalysis = attendance;
    s.individualReport = hasStudents && hasAssignments;
    s.gradeInformation = s.individualReport;
    s.curve = s.individualReport;
    s.classReports = hasStudents;

    s.otherPagesOpen = shape.titled && hasStudents;
    s.printSeating = s.otherPagesOpen;
    s.earlierVersions = shape.titled;
    s.gradeHistory = shape.titled;
    return s;
}

}  // namespace markwell
