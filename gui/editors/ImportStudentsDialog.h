#pragma once

#include "editors/ClassImportDialog.h"

#include <vector>

class QListWidget;

namespace markwell {

// "Import Students": picks students out of another grade file.
class ImportStudentsDialog : public ClassImportDialog {
    Q_OBJECT
public:
    ImportStudentsDialog(UserDialogs& dialogs, const QString& classPath, QWidget* parent = nullptr);

    QListWidget* studentList() const { return list_; }
    // The selected students, in the file's order.
    std::vector<StudentInfo> selectedStudents() const;

protected:
    void showClass(const ClassRecord& cls) override;

private:
    QListWidget* list_;
    std::vector<StudentInfo> students_;
};

}  // namespace markwell
