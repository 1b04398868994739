// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/ClassRecord.h"
#include "core/sheet/Sheet.h"
#include "gui/sheetview/SheetView.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace markwell {

class UserDialogs;

// "Edit Grades": one assignment at a time, its possible points and a grid of
// the students' points (row y is entry y of the point list). Works on a copy
// of the class; the owner takes classRecord() on OK.
//
// Points go through the rule every editor shares: what is not points is
// refused with a message and the cell keeps its value. Choosing another
// assignment and OK first finish the cell being typed into, so the last
// value typed is kept; a refused cell or total keeps the dialog where it is.
class EditGradesDialog : public QDialog {
    Q_OBJECT
public:
    EditGradesDialog(const ClassRecord& cls, UserDialogs& dialogs, QWidget* parent = nullptr);
    ~EditGradesDialog() override;

    const ClassRecord& classRecord() const { return working_; }

    QComboBox* assignmentChoice() const { return choice_; }
    QLineEdit* totalBox() const { return total_; }
    SheetView* grid() const { return grid_; }
    int shownAssignment() const { return current_; }

public slots:
    // Every point of the assignment shown back to 0, and its total, once
    // the teacher confirms.
    void clearAssignment();
    void accept() override;
    // Cancel, Escape and closing: asks first when points were typed.
    void reject() override;

private:
    void chooseAssignment(int index);
    void showAssignment(int index);
    // Stores what the assignment shown holds in its cell editor and total
    // box; false (after saying why) when either is refused.
    bool keepTyping();
    SheetView::EndEdit storeCell(int row, int col, const QString& text);
    // Whether anything typed (a point, a total, a Clear) would be lost.
    bool holdsTyping() const;

    UserDialogs& dialogs_;
    const ClassRecord original_;
    ClassRecord working_;
    Sheet sheet_;
    int current_ = -1;
    bool cellRefused_ = false;

    QComboBox* choice_;
    QLineEdit* total_;
    SheetView* grid_;
};

}  // namespace markwell
