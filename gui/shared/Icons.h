// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QIcon>
#include <QKeySequence>

class QAction;
class QObject;

namespace markwell {

// The pictures of the tool bar and menus. Each comes from the desktop's icon
// theme when the theme has one for it, and otherwise from the drawings that
// travel with the program.
enum class ToolIcon {
    New,
    Open,
    Save,
    Print,
    Merge,
    Mail,
    AttendanceAnalysis,
    StudentList,
    AssignmentList,
    EditGrades,
    GradeScale,
    Copy,
    GridLines,
    Font,
    SortAscending,
    SortDescending,
    Graph,
    AddSeat,
    EditSeat,
    DeleteSeat,
    Undo,
    Redo,
};

QIcon toolIcon(ToolIcon which);
// The drawing shipped with the program, whatever the theme offers.
QIcon shippedIcon(ToolIcon which);
QIcon applicationIcon();

// A command with a tool button: its text, picture, the hint the button shows
// (with the key, when it has one) and the status tip.
QAction* makeToolAction(QObject* owner, const QString& text, ToolIcon icon, const QString& hint,
                        const QKeySequence& key = {});

}  // namespace markwell
