// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "gui/shared/TableActions.h"

#include <QCoreApplication>

class QAction;
class QObject;

namespace markwell {

// Every command of the main window, one QAction each, shared by the menus,
// the tool bar and the context menus. The actions hold their texts, keys,
// icons and hints; the window connects them to what they do and enables them
// as the class and the page allow.
// The table's actions (Copy, Grid Lines, Font, the sorts) are those of
// every table of grades (TableActions).
struct MainActions : TableActions {
    Q_DECLARE_TR_FUNCTIONS(MainActions)

public:
    // File
    QAction* newClass = nullptr;
    QAction* newClassFrom = nullptr;
    QAction* openClass = nullptr;
    QAction* saveClass = nullptr;
    QAction* saveClassAs = nullptr;
    QAction* earlierVersions = nullptr;
    QAction* gradeHistory = nullptr;
    QAction* importScores = nullptr;
    QAction* exportForCanvas = nullptr;
    QAction* printPage = nullptr;  // the page shown (tool bar, Ctrl+P)
    QAction* printWithNames = nullptr;
    QAction* printWithIds = nullptr;
    QAction* printAttendance = nullptr;
    QAction* printSeating = nullptr;
    QAction* printPreview = nullptr;
    QAction* classReports = nullptr;
    QAction* merge = nullptr;
    QAction* sendMail = nullptr;
    QAction* exit = nullptr;

    // Edit
    QAction* undo = nullptr;  // named after the step they take (ClassHistory::bindActions)
    QAction* redo = nullptr;
    QAction* addSeat = nullptr;
    QAction* editSeat = nullptr;
    QAction* deleteSeat = nullptr;
    QAction* attendanceAnalysis = nullptr;
    QAction* options = nullptr;

    // View
    QAction* individualReport = nullptr;
    QAction* gradeInformation = nullptr;
    QAction* graph = nullptr;
    QAction* myClasses = nullptr;

    // Lists
    QAction* studentList = nullptr;
    QAction* assignmentList = nullptr;

    // Grades
    QAction* editGrades = nullptr;
    QAction* gradeScale = nullptr;
    QAction* weightedGrades = nullptr;
    QAction* dropLowest = nullptr;
    QAction* curve = nullptr;

    // Help
    QAction* help = nullptr;
    QAction* about = nullptr;

    // Pages
    QAction* nextPage = nullptr;
    QAction* previousPage = nullptr;

    // Makes every action, owned by `owner`.
    static MainActions create(QObject* owner);
};

}  // namespace markwell
