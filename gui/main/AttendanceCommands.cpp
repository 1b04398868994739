// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/main/AttendanceCommands.h"

#include "gui/document/ClassHistory.h"
#include "gui/pages/AttendancePage.h"
#include "gui/shared/UserDialogs.h"

namespace markwell {

AttendanceCommands::AttendanceCommands(ClassHistory& history, AttendancePage* page, UserDialogs& dialogs,
                                       QWidget* window)
    : history_(history), dialogs_(dialogs), window_(window) {
    connect(page, &AttendancePage::marksWanted, this, &AttendanceCommands::markAttendance);
    connect(&history_, &ClassHistory::documentChanged, page, &AttendancePage::showStoredMarks);
}

void AttendanceCommands::markAttendance(const MonthMarks& marks) {
    // The page shows the marks itself (documentChanged): the grades need no rebuild.
    if (Result<void> marked = history_.apply(markAttendanceChange(marks), ClassHistory::Refresh::ByCaller); !marked) {
        dialogs_.warn(window_, marked.message());
    }
}

}  // namespace markwell
