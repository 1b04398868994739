// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/editors/ImportStudentsDialog.h"

#include "core/common/Cp1252.h"
#include "core/editing/CsvImport.h"
#include "gui/editors/GradeFileChooser.h"
#include "gui/shared/UserDialogs.h"

#include <QListWidget>

namespace markwell {

ImportStudentsDialog::ImportStudentsDialog(UserDialogs& dialogs, const QString& classPath, const ClassRecord& into,
                                           QWidget* parent)
    : ClassImportDialog(dialogs, classPath, new QListWidget, tr("&Students (Ctrl+A selects them all)"), parent),
      dialogs_(dialogs), into_(into), list_(static_cast<QListWidget*>(listView())) {
    setWindowTitle(tr("Import Students"));
    setObjectName(QStringLiteral("importStudentsDialog"));
    setHelpTopic(this, HelpTopic::StudentList);
    fileChooser()->acceptCsv([this](const QString& path) { return showCsv(path); });
}

void ImportStudentsDialog::showClass(const ClassRecord& cls) {
    entries_.clear();
    for (const StudentInfo& student : cls.students) entries_.push_back({student, {}});
    fromCsv_ = false;
    showNames();
}

bool ImportStudentsDialog::showCsv(const QString& path) {
    Result<std::vector<StudentEntry>> rows = readStudentCsvFile(path, into_);
    if (!rows) {
        dialogs_.warn(this, rows.message());
        return false;
    }
    entries_ = std::move(rows).value();
    fromCsv_ = true;
    showNames();
    // The command-line import takes every row; here the teacher may leave some out.
    list_->selectAll();
    return true;
}

void ImportStudentsDialog::showNames() {
    list_->clear();
    for (const StudentEntry& entry : entries_) list_->addItem(cp1252::toUnicode(entry.student.name));
    listShown();
}

std::vector<StudentInfo> ImportStudentsDialog::selectedStudents() const {
    std::vector<StudentInfo> chosen;
    for (int row : selectedRows()) chosen.push_back(entries_[static_cast<std::size_t>(row)].student);
    return chosen;
}

StudentImport ImportStudentsDialog::importSelected(ClassRecord& cls) const {
    if (!fromCsv_) return importStudents(cls, selectedStudents());
    StudentImport report;
    for (int row : selectedRows()) {
        StudentEntry entry = entries_[static_cast<std::size_t>(row)];
        report.added.push_back(entry.student.name);
        appendStudent(cls, std::move(entry));
    }
    return report;
}

}  // namespace markwell
