#include "main/CommandRules.h"

namespace markwell {

CommandStates commandStates(const ClassShape& shape) {
    CommandStates s;
    const bool grades = shape.page == Page::Grades;
    const bool attendance = shape.page == Page::Attendance;
    const bool seating = shape.page == Page::Seating;
    const bool hasStudents = shape.students > 0;

    s.listsGroupVisible = grades;
    s.tableGroupVisible = grades;
    s.seatsGroupVisible = seating;

    s.assignmentList = hasStudents;
    s.font = hasStudents;
    s.sort = hasStudents;
    s.gradeScale = hasStudents;
    s.graph = hasStudents;
    s.editGrades = shape.assignments > 0;
    s.mail = hasStudents && grades;
    s.merge = grades;
    s.attendanceAnalysis = attendance;

    s.gradesMenu = grades;
    s.listsMenu = grades;
    s.viewMenu = grades;
    s.menuGridLines = grades;
    s.menuFont = s.tableGroupVisible && s.font;
    s.menuSort = grades && s.sort;
    s.individualStudents = hasStudents && shape.assignments > 0;
    s.gradeInformation = s.individualStudents;
    s.seatingChartVisible = seating;
    s.attendanceAnalysisVisible = attendance;
    s.printNamesVisible = grades;
    s.printIdsVisible = grades;
    s.printAttendanceVisible = attendance;
    s.copy = !seating;
    s.printPreview = !seating;

    s.otherPagesOpen = shape.titled && hasStudents;
    return s;
}

}  // namespace markwell
