// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/editors/RecordListDialog.h"

#include "gui/editors/EditorSupport.h"
#include "gui/editors/RecordListPanel.h"
#include "gui/shared/DiscardQuestion.h"
#include "gui/shared/UserDialogs.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>

namespace markwell {

RecordListDialog::RecordListDialog(const ClassRecord& cls, UserDialogs& dialogs, const QString& classPath,
                                   const QString& countText, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), classPath_(classPath), original_(cls), working_(cls),
      panel_(new RecordListPanel(countText)) {
    connect(panel_, &RecordListPanel::rowChosen, this, &RecordListDialog::showRecord);
    connect(panel_, &RecordListPanel::moveRequested, this, &RecordListDialog::moveRecord);
    connect(panel_, &RecordListPanel::deleteRequested, this, &RecordListDialog::deleteRecord);
    addAcceptShortcut(this);
}

RecordListDialog::CommandRow RecordListDialog::makeCommandRow() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    QPushButton* add = commandButton(tr("&Add"), "addButton");
    QPushButton* update = commandButton(tr("&Update"), "updateButton");
    QPushButton* remove = commandButton(tr("&Delete"), "deleteButton");
    const CommandRow commands{row, commandButton(tr("&Clear"), "clearButton"),
                              commandButton(tr("I&mport..."), "importButton"),
                              commandButton(tr("&Print"), "printButton")};
    for (QPushButton* button : {add, update, remove, commands.clear, commands.import, commands.print}) {
        layout->addWidget(button);
    }
    connect(add, &QPushButton::clicked, this, &RecordListDialog::addRecord);
    connect(update, &QPushButton::clicked, this, &RecordListDialog::updateRecord);
    connect(remove, &QPushButton::clicked, this, &RecordListDialog::deleteRecord);
    return commands;
}

void RecordListDialog::showList() {
    refreshList(-1);
    reset();
}

void RecordListDialog::refreshList(int select) {
    panel_->setLines(lines(), select);
}

void RecordListDialog::listChanged(bool added) {
    refreshList(-1);
    if (added) panel_->list()->scrollToBottom();  // where the new record is
    reset();
}

void RecordListDialog::fill(std::optional<std::size_t> index) {
    filling_ = true;
    fillBoxes(index);
    filling_ = false;
    edited_ = false;
}

void RecordListDialog::boxesTyped() {
    if (!filling_) edited_ = true;
}

void RecordListDialog::showRecord(int row) {
    if (row < 0 || row >= panel_->list()->count()) return;
    fill(static_cast<std::size_t>(row));
    shown_ = row;
}

void RecordListDialog::reset() {
    fill(std::nullopt);
    shown_ = -1;
    panel_->selectRow(-1);
}

void RecordListDialog::mousePressEvent(QMouseEvent* event) {
    reset();
    QDialog::mousePressEvent(event);
}

void RecordListDialog::addRecord() {
    if (addFromBoxes()) listChanged(true);
}

void RecordListDialog::updateRecord() {
    if (shown_ >= 0 && updateFromBoxes(static_cast<std::size_t>(shown_))) listChanged(false);
}

void RecordListDialog::storeRecord() {
    if (shown_ >= 0) updateRecord();
    else addRecord();
}

void RecordListDialog::deleteRecord() {
    const int row = panel_->selectedRow();
    if (row >= 0 && deleteAt(static_cast<std::size_t>(row))) listChanged(false);
}

void RecordListDialog::moveRecord(MoveDirection direction) {
    const int row = panel_->selectedRow();
    if (row < 0 || !moveAt(static_cast<std::size_t>(row), direction)) return;
    // The boxes go on showing the record, typing and all, at its new place.
    shown_ = direction == MoveDirection::Up ? row - 1 : row + 1;
    refreshList(shown_);
}

bool RecordListDialog::storeBeforeClosing() {
    if (!edited_ || boxesEmpty()) return true;
    switch (dialogs_.askYesNoCancel(this, pendingQuestion(shown_ >= 0))) {
    case UserDialogs::Answer::Yes: storeRecord(); return !edited_;
    case UserDialogs::Answer::No: return true;
    case UserDialogs::Answer::Cancel: break;
    }
    return false;
}

void RecordListDialog::accept() {
    if (!storeBeforeClosing()) return;
    QDialog::accept();
}

void RecordListDialog::reject() {
    const bool typed = working_ != original_ || (edited_ && !boxesEmpty());
    if (typed && !confirmDiscard(dialogs_, this)) return;
    QDialog::reject();
}

}  // namespace markwell
