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

// Which tool buttons and menu items are enabled or shown. The tool buttons
// follow the class; the menus follow the buttons and the page.
struct CommandStates {
    // Tool bar: the groups shown on each page (New, Open, Save, Print, Merge,
    // Send e-mail and Attendance Analysis always), and the buttons that
    // depend on the class.
    bool listsGroupVisible = true;     // Student List, Assignment List, Edit Grades, Grade Scale
    bool tableGroupVisible = true;     // Copy, Grid Lines, Font, Sort, Graph
    bool seatsGroupVisible = false;    // Add, Edit, Delete Seat
    bool assignmentList = false;
    bool font = false;
    bool sort = false;
    bool gradeScale = false;
    bool graph = false;
    bool mail = false;
    bool editGrades = false;
    bool merge = true;
    bool attendanceAnalysis = false;

    // Menus.
    bool gradesMenu = true;
    bool listsMenu = true;
    bool viewMenu = true;
    bool menuGridLines = true;
    bool menuFont = false;
    bool menuSort = false;
    bool individualStudents = false;
    bool gradeInformation = false;
    bool seatingChartVisible = false;
    bool attendanceAnalysisVisible = false;
    bool printNamesVisible = true;
    bool printIdsVisible = true;
    bool printAttendanceVisible = false;
    bool copy = true;
    bool printPreview = true;

    // The Attendance and Seating tabs open only for a saved class with students.
    bool otherPagesOpen = false;
};

CommandStates commandStates(const ClassShape& shape);

}  // namespace markwell
