// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QObject>

namespace markwell {

struct CommandContext;

// The list dialogs of the main window (students, assignments, Edit Grades,
// and the imports inside them) and the curve: each works on a copy of the
// class, which becomes one step of the class's history when the dialog ends
// with OK and something changed.
class EditingCommands : public QObject {
    Q_OBJECT
public:
    explicit EditingCommands(const CommandContext& context);

public slots:
    void editStudentList();
    void editAssignmentList();
    void editGrades();
    // Grades > Curve...: opens on the assignment whose column is selected.
    void curveAssignment();

private:
    const CommandContext& context_;
};

}  // namespace markwell
