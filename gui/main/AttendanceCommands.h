// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/attendance/AttendanceChanges.h"

#include <QObject>

namespace markwell {

struct CommandContext;

// The marks of the Attendance page as changes of the class: each key press
// or mark of the pop-up menu is one step of Edit > Undo, made through the
// class's history; the page shows the marks again after every change, undo
// and redo.
class AttendanceCommands : public QObject {
    Q_OBJECT
public:
    explicit AttendanceCommands(const CommandContext& context);

public slots:
    void markAttendance(const MonthMarks& marks);

private:
    const CommandContext& context_;
};

}  // namespace markwell
