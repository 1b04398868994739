// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/data/ClassRecord.h"
#include "core/editing/ListMoves.h"

#include <QDialog>

#include <optional>

class QPushButton;

namespace markwell {

class RecordListPanel;
class UserDialogs;

// What the student list and the assignment list share: a copy of the class
// to edit, a list of its records beside boxes that show one record at a time,
// and the rules that keep the two in step.
//
// Choosing a line shows its record in the boxes; Update (or Enter, through
// storeRecord) changes exactly that record. A click on the dialog's
// background, and every Add, Update and Delete, empties the boxes and lets go
// of the line, so what is typed next is a new record that Enter adds. OK with
// typing not yet stored asks what to do with it; Cancel, Escape and closing
// ask before they throw away a changed list or typing in the boxes. The owner
// takes classRecord() when the dialog returns OK.
class RecordListDialog : public QDialog {
    Q_OBJECT
public:
    const ClassRecord& classRecord() const { return working_; }
    RecordListPanel* listPanel() const { return panel_; }
    // The index of the record the boxes show, -1 for a new one.
    int shownRecord() const { return shown_; }

public slots:
    void addRecord();
    void updateRecord();
    // Update when the boxes show a record, Add otherwise.
    void storeRecord();
    void deleteRecord();
    void moveRecord(markwell::MoveDirection direction);
    // Empty boxes and no line chosen.
    void reset();
    void accept() override;
    void reject() override;

protected:
    RecordListDialog(const ClassRecord& cls, UserDialogs& dialogs, const QString& classPath, const QString& countText,
                     QWidget* parent);

    // One line per record, in order.
    virtual QStringList lines() const = 0;
    // The boxes as a new record, or over record `index`: false, after saying
    // why, when they are refused.
    virtual bool addFromBoxes() = 0;
    virtual bool updateFromBoxes(std::size_t index) = 0;
    virtual bool deleteAt(std::size_t index) = 0;
    virtual bool moveAt(std::size_t index, MoveDirection direction) = 0;
    // Shows record `index` in the boxes, or empties them (and focuses the first).
    virtual void fillBoxes(std::optional<std::size_t> index) = 0;
    virtual bool boxesEmpty() const = 0;
    // The question OK asks when the boxes hold typing not yet stored.
    virtual QString pendingQuestion(bool showsRecord) const = 0;

    // The row of commands under the boxes: Add, Update and Delete work here;
    // Clear, Import... and Print are the derived dialog's to connect.
    struct CommandRow {
        QWidget* row;
        QPushButton* clear;
        QPushButton* import;
        QPushButton* print;
    };
    CommandRow makeCommandRow();

    // Call at the end of the derived constructor.
    void showList();
    // After the list changed: shown again (at its end after an addition) with empty boxes.
    void listChanged(bool added);
    void refreshList(int select);
    // The boxes were typed into (filling them is no typing).
    void boxesTyped();
    void mousePressEvent(QMouseEvent* event) override;

    UserDialogs& dialogs_;
    QString classPath_;
    const ClassRecord original_;
    ClassRecord working_;
    RecordListPanel* panel_;

private:
    void showRecord(int row);
    void fill(std::optional<std::size_t> index);
    bool storeBeforeClosing();

    int shown_ = -1;
    bool edited_ = false;
    bool filling_ = false;
};

}  // namespace markwell
