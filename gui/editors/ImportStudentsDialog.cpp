#include "editors/ImportStudentsDialog.h"

#include "common/Cp1252.h"

#include <QListWidget>

namespace markwell {

ImportStudentsDialog::ImportStudentsDialog(UserDialogs& dialogs, const QString& classPath, QWidget* parent)
    : ClassImportDialog(dialogs, classPath, new QListWidget, tr("&Students (Ctrl+A selects them all)"), parent),
      list_(static_cast<QListWidget*>(listView())) {
    setWindowTitle(tr("Import Students"));
    setObjectName(QStringLiteral("importStudentsDialog"));
    setHelpTopic(this, HelpTopic::StudentList);
}

void ImportStudentsDialog::showClass(const ClassRecord& cls) {
    students_ = cls.students;
    list_->clear();
    for (const StudentInfo& student : students_) list_->addItem(cp1252::toUnicode(student.name));
    listShown();
}

std::vector<StudentInfo> ImportStudentsDialog::selectedStudents() const {
    std::vector<StudentInfo> chosen;
    for (int row : selectedRows()) chosen.push_back(students_[static_cast<std::size_t>(row)]);
    return chosen;
}

}  // namespace markwell
