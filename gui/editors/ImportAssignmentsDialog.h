// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "gui/editors/ClassImportDialog.h"

#include <vector>

class QTreeWidget;

namespace markwell {

// "Import Assignments": picks assignments out of another grade file, shown
// with their type and description. Their points stay behind: an imported
// assignment starts at 0 for every student of this class.
class ImportAssignmentsDialog : public ClassImportDialog {
    Q_OBJECT
public:
    ImportAssignmentsDialog(UserDialogs& dialogs, const QString& classPath, QWidget* parent = nullptr);

    QTreeWidget* assignmentList() const { return list_; }
    // The selected assignments, in the file's order.
    std::vector<AssignmentInfo> selectedAssignments() const;

protected:
    void showClass(const ClassRecord& cls) override;

private:
    QTreeWidget* list_;
    std::vector<AssignmentInfo> assignments_;
};

}  // namespace markwell
