#pragma once

#include "data/ClassRecord.h"
#include "editing/StudentEditing.h"

#include <QDialog>

#include <array>
#include <vector>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace markwell {

class RecordListPanel;
class UserDialogs;

// "Student List": the students of the class with their details and a
// comment each. Works on a copy of the class; the owner takes
// classRecord() (and renames(), for the attendance) when it returns OK.
//
// The boxes show one student at a time: choosing a line shows that student,
// and Update (or Enter in a box) changes exactly that student. A click on the
// dialog's background, and every Add, Update, Delete and Clear, empties the
// boxes and lets go of the line, so what is typed next is a new student that
// Enter adds.
class StudentListDialog : public QDialog {
    Q_OBJECT
public:
    StudentListDialog(const ClassRecord& cls, UserDialogs& dialogs, const QString& classPath,
                      QWidget* parent = nullptr);

    const ClassRecord& classRecord() const { return working_; }
    // The students renamed, in the order it was done.
    const std::vector<StudentRename>& renames() const { return renames_; }

    RecordListPanel* listPanel() const { return panel_; }
    QLineEdit* box(StudentField field) const { return boxes_[static_cast<std::size_t>(field)]; }
    QPlainTextEdit* commentBox() const { return comment_; }
    QTabWidget* tabs() const { return tabs_; }
    // The index of the student the boxes show, -1 for a new one.
    int shownStudent() const { return shown_; }

public slots:
    void addStudent();
    void updateStudent();
    // Update when the boxes show a student, Add otherwise (what Enter does).
    void storeStudent();
    void deleteStudent();
    void clearStudents();
    void importStudents();
    void printStudent();
    // Empty boxes, no line chosen, the Student tab, the name box.
    void reset();
    void accept() override;

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    QWidget* makeTabs();
    QWidget* makeButtons();
    void showStudent(int row);
    void moveStudent(MoveDirection direction);
    StudentForm form() const;
    void setForm(const StudentForm& form);
    void refreshList(int select);
    void refusedFor(const StudentForm& form, const QString& message);
    void updateCommentCount();
    bool storeBeforeClosing();

    UserDialogs& dialogs_;
    QString classPath_;
    ClassRecord working_;
    std::vector<StudentRename> renames_;
    int shown_ = -1;
    bool edited_ = false;   // the boxes hold typing not yet added or updated
    bool filling_ = false;  // the boxes are being filled, not typed into

    RecordListPanel* panel_;
    QTabWidget* tabs_ = nullptr;
    std::array<QLineEdit*, kStudentFieldCount> boxes_{};
    QPlainTextEdit* comment_ = nullptr;
    QLabel* commentCount_ = nullptr;
    QPushButton* print_ = nullptr;
};

}  // namespace markwell
