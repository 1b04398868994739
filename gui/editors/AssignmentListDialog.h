#pragma once

#include "data/ClassRecord.h"
#include "editing/AssignmentEditing.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace markwell {

class RecordListPanel;
class UserDialogs;

// "Assignment List": the assignments of the class with their title, type and
// description. Works on a copy; the owner takes classRecord() on OK. As in
// the student list, the boxes show the chosen line, Update changes exactly
// that assignment, and a click on the background empties the boxes and lets
// go of the line. Enter in the title or description adds or updates.
class AssignmentListDialog : public QDialog {
    Q_OBJECT
public:
    AssignmentListDialog(const ClassRecord& cls, UserDialogs& dialogs, const QString& classPath,
                         QWidget* parent = nullptr);

    const ClassRecord& classRecord() const { return working_; }

    RecordListPanel* listPanel() const { return panel_; }
    QLineEdit* titleBox() const { return title_; }
    QComboBox* typeBox() const { return type_; }
    QPlainTextEdit* descriptionBox() const { return description_; }
    int shownAssignment() const { return shown_; }

public slots:
    void addAssignment();
    void updateAssignment();
    // Update when the boxes show an assignment, Add otherwise.
    void storeAssignment();
    void deleteAssignment();
    void clearAssignments();
    void importAssignments();
    void printAssignments();
    void reset();
    void accept() override;

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    QWidget* makeBoxes();
    QWidget* makeButtons();
    void showAssignment(int row);
    void moveAssignment(MoveDirection direction);
    AssignmentForm form() const;
    void setForm(const AssignmentForm& form);
    void refreshList(int select);
    void refused(const QString& message);
    void keepDescriptionShort();
    bool storeBeforeClosing();

    UserDialogs& dialogs_;
    QString classPath_;
    ClassRecord working_;
    int shown_ = -1;
    bool edited_ = false;
    bool filling_ = false;

    RecordListPanel* panel_;
    QLineEdit* title_ = nullptr;
    QComboBox* type_ = nullptr;
    QPlainTextEdit* description_ = nullptr;
};

}  // namespace markwell
