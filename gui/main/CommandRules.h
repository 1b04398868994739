// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

namespace markwell {

// The main window's pages, in tab order.
enum class Page { Grades = 0, Attendance = 1, Seating = 2 };

// What the enabling rules look at.
struct ClassShape {
    Page page = Page::Grades;
    int students = 0;
    int assignments = 0;
    bool titled = false;
};

// Which commands are enabled and what is shown on the page. A command's
// menu item and tool button share one state.
struct CommandStates {
    // Tool bar groups: New, Open, Save, Print, Merge, Send e-mail and
    // Attendance Analysis are always shown; the others on their pages.
    bool listsToolsVisible = true;  // Student List, Assignment List, Edit Grades, Grade Scale
    bool tableToolsVisible = true;  // Copy, Grid Lines, Font, Sort, Graph
    bool seatToolsVisible = false;  // Add, Edit, Delete Seat

    // Menus.
    bool gradesMenu = true;
    bool listsMenu = true;
    bool viewMenu = true;
    bool seatingChartMenuVisible = false;
    bool printWithNamesVisible = true;
    bool printWithIdsVisible = true;
    bool printAttendanceVisible = false;
    bool printSeating = false;  // from any page while the Seating page can be reached

    // Commands.
    bool assignmentList = false;
    bool editGrades = false;
    bool curve = false;       // an assignment to curve and students with scores
    bool gradeScale = false;  // also Weighted and Drop Lowest
    bool gridLines = true;
    bool font = false;
    bool sort = false;  // also the Sort menu
    bool copy = true;
    bool graph = false;
    bool mail = false;
    bool merge = true;
    bool attendanceAnalysis = false;
    bool individualReport = false;
    bool classReports = false;  // every student's report in one go
    bool gradeInformation = false;
    bool earlierVersions = false;  // a class kept on disk has them
    bool gradeHistory = false;     // so has its history

    // The Attendance and Seating tabs open only for a saved class with students.
    bool otherPagesOpen = false;
};

CommandStates commandStates(const ClassShape& shape);

}  // namespace markwell
