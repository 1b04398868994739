// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/editing/AssignmentEditing.h"
#include "gui/editors/RecordListDialog.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace markwell {

// "Assignment List": the assignments of the class with their title, type and
// description (see RecordListDialog for how the list and the boxes work
// together). Enter in the title or the description adds or updates. Import
// takes assignments from another class, at 0 points; Print prints the list.
class AssignmentListDialog : public RecordListDialog {
    Q_OBJECT
public:
    AssignmentListDialog(const ClassRecord& cls, UserDialogs& dialogs, const QString& classPath,
                         QWidget* parent = nullptr);

    QLineEdit* titleBox() const { return title_; }
    QComboBox* typeBox() const { return type_; }
    QPlainTextEdit* descriptionBox() const { return description_; }

public slots:
    void clearAssignments();
    void importAssignments();
    void printAssignments();

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
    QWidget* makeBoxes();
    QWidget* makeButtons();
    AssignmentForm form() const;
    // Says why the boxes were refused and goes to the box at fault.
    void refused(const QString& message);
    void keepDescriptionShort();

    QLineEdit* title_ = nullptr;
    QComboBox* type_ = nullptr;
    QPlainTextEdit* description_ = nullptr;
};

}  // namespace markwell
