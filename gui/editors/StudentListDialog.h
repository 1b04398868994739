// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/editing/StudentEditing.h"
#include "gui/editors/RecordListDialog.h"

#include <array>
#include <vector>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace markwell {

// "Student List": the students of the class with their details, on five
// tabs, and a comment each (see RecordListDialog for how the list and the
// boxes work together). Clear removes every student and every assignment,
// after asking; Import takes students from another class; Print prints the
// student shown. The owner also takes renames(), for the attendance.
class StudentListDialog : public RecordListDialog {
    Q_OBJECT
public:
    StudentListDialog(const ClassRecord& cls, UserDialogs& dialogs, const QString& classPath,
                      QWidget* parent = nullptr);

    // The students renamed, in the order it was done.
    const std::vector<StudentRename>& renames() const { return renames_; }

    QLineEdit* box(StudentField field) const { return boxes_[static_cast<std::size_t>(field)]; }
    QPlainTextEdit* commentBox() const { return comment_; }
    QTabWidget* tabs() const { return tabs_; }

public slots:
    void clearStudents();
    void importStudents();
    void printStudent();

protected:
    QStringList lines() const override;
    bool addFromBoxes() override;
    bool updateFromBoxes(std::size_t index) override;
    bool deleteAt(std::size_t index) override;
    bool moveAt(std::size_t index, MoveDirection direction) override;
    void fillBoxes(std::optional<std::size_t> index) override;
    bool boxesEmpty() const override;
    QString pendingQuestion(bool showsRecord) const override;

private:
    QWidget* makeTabs();
    QWidget* makeButtons();
    StudentForm form() const;
    void refusedFor(const StudentForm& form, const QString& message);
    void updateCommentCount();

    std::vector<StudentRename> renames_;
    QTabWidget* tabs_ = nullptr;
    std::array<QLineEdit*, kStudentFieldCount> boxes_{};
    QPlainTextEdit* comment_ = nullptr;
    QLabel* commentCount_ = nullptr;
    QPushButton* print_ = nullptr;
};

}  // namespace markwell
