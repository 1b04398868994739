// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/main/AttendanceCommands.h"

#include "gui/document/ClassHistory.h"
#include "gui/document/OpenClass.h"
#include "gui/main/CommandContext.h"
#include "gui/pages/AttendancePage.h"
#include "gui/shared/UserDialogs.h"

namespace markwell {

AttendanceCommands::AttendanceCommands(const CommandContext& context) : context_(context) {
    AttendancePage* page = context_.pages.attendance;
    connect(page, &AttendancePage::marksWanted, this, &AttendanceCommands::markAttendance);
    connect(&context_.open.history(), &ClassHistory::documentChanged, page, &AttendancePage::showStoredMarks);
}

void AttendanceCommands::markAttendance(const MonthMarks& marks) {
    // The page shows the marks itself (documentChanged): the grades need no rebuild.
    (void)context_.apply(markAttendanceChange(marks), ChangeScope::marks());
}

}  // namespace markwell
