// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/editing/StudentEditing.h"
#include "core/editing/StudentFields.h"
#include "gui/editors/ClassImportDialog.h"

#include <vector>

class QListWidget;

namespace markwell {

// "Import Students": picks students out of another grade file, or out of a
// student .csv file read exactly as markwell-cli import-students reads it
// (every row checked against the class; one refused row refuses the file).
class ImportStudentsDialog : public ClassImportDialog {
    Q_OBJECT
public:
    // `into` is the class the students will join, as the list editor holds it.
    ImportStudentsDialog(UserDialogs& dialogs, const QString& classPath, const ClassRecord& into,
                         QWidget* parent = nullptr);

    QListWidget* studentList() const { return list_; }
    // The selected students, in the file's order.
    std::vector<StudentInfo> selectedStudents() const;
    // Adds the selected students at the end of the class: those of a grade
    // file as importStudents adds them (skipping names the class has), those
    // of a .csv file each with its row's details and comment.
    StudentImport importSelected(ClassRecord& cls) const;

protected:
    void showClass(const ClassRecord& cls) override;

private:
    // Lists the rows of a student .csv file, all selected; false (after
    // saying why) when the file is refused.
    bool showCsv(const QString& path);
    void showNames();

    UserDialogs& dialogs_;
    const ClassRecord& into_;
    QListWidget* list_;
    std::vector<StudentEntry> entries_;
    bool fromCsv_ = false;
};

}  // namespace markwell
