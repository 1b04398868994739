// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/editors/AssignmentListDialog.h"

#include "core/common/Cp1252.h"
#include "core/data/Tables.h"
#include "core/editing/Validators.h"
#include "core/printout/AssignmentListPrintout.h"
#include "gui/editors/EditorSupport.h"
#include "gui/editors/ImportAssignmentsDialog.h"
#include "gui/editors/RecordListPanel.h"
#include "gui/printing/PrintJob.h"
#include "gui/shared/HelpTopics.h"
#include "gui/shared/UserDialogs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

namespace markwell {

AssignmentListDialog::AssignmentListDialog(const ClassRecord& cls, UserDialogs& dialogs, const QString& classPath,
                                           QWidget* parent)
    : RecordListDialog(cls, dialogs, classPath, tr("Total number of assignments: %1"), parent) {
    setWindowTitle(tr("Assignment List"));
    setObjectName(QStringLiteral("assignmentListDialog"));
    setHelpTopic(this, HelpTopic::Assignments);

    QWidget* boxes = makeBoxes();
    QWidget* commands = makeButtons();
    panel_->list()->setObjectName(QStringLiteral("assignmentList"));
    panel_->list()->setAccessibleName(tr("Added assignments"));
    panel_->list()->setMinimumWidth(200);
    auto* listLabel = new QLabel(tr("Added Assi&gnments"));
    listLabel->setBuddy(panel_->list());

    auto* group = new QGroupBox(tr("Assignments"));
    auto* left = new QVBoxLayout;
    left->addWidget(listLabel);
    left->addWidget(panel_, 1);
    auto* top = new QHBoxLayout;
    top->addLayout(left, 2);
    top->addWidget(boxes, 3);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addLayout(top, 1);
    groupLayout->addWidget(commands);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &AssignmentListDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group, 1);
    layout->addWidget(buttons);

    onEnterKey(panel_->list(), [this] { title_->setFocus(); });
    showList();
}

QWidget* AssignmentListDialog::makeBoxes() {
    title_ = new QLineEdit;
    title_->setObjectName(QStringLiteral("titleBox"));
    title_->setMaxLength(kTitleLength);
    title_->setMinimumWidth(260);
    type_ = new QComboBox;
    type_->setObjectName(QStringLiteral("typeBox"));
    type_->setEditable(false);
    // Shown in the window's language; the class keeps the English name.
    for (int type = 0; type < kAssignmentTypeCount; ++type) {
        type_->addItem(assignmentTypeLabel(type), assignmentTypeName(type));
    }
    description_ = new QPlainTextEdit;
    description_->setObjectName(QStringLiteral("descriptionBox"));
    description_->setTabChangesFocus(true);

    auto* boxes = new QWidget;
    auto* form = new QFormLayout(boxes);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(tr("&Title"), title_);
    form->addRow(tr("T&ype"), type_);
    form->addRow(tr("De&scription"), description_);

    // Enter adds or updates; the description never takes a line break from it.
    onEnterKey(title_, [this] { storeRecord(); });
    onEnterKey(description_, [this] { storeRecord(); });
    connect(title_, &QLineEdit::textEdited, this, &AssignmentListDialog::boxesTyped);
    connect(type_, &QComboBox::activated, this, &AssignmentListDialog::boxesTyped);
    connect(description_, &QPlainTextEdit::textChanged, this, [this] {
        boxesTyped();
        keepDescriptionShort();
    });
    return boxes;
}

QWidget* AssignmentListDialog::makeButtons() {
    const CommandRow commands = makeCommandRow();
    connect(commands.clear, &QPushButton::clicked, this, &AssignmentListDialog::clearAssignments);
    connect(commands.import, &QPushButton::clicked, this, &AssignmentListDialog::importAssignments);
    connect(commands.print, &QPushButton::clicked, this, &AssignmentListDialog::printAssignments);
    return commands.row;
}

void AssignmentListDialog::keepDescriptionShort() {
    // Pasted text beyond the field is cut where the teacher sees it.
    const QString text = description_->toPlainText();
    if (text.size() <= kDescriptionLength) return;
    description_->setPlainText(text.left(kDescriptionLength));
    description_->moveCursor(QTextCursor::End);
}

AssignmentForm AssignmentListDialog::form() const {
    return {title_->text(), type_->currentIndex() >= 0 ? type_->currentData().toString() : QString(),
            description_->toPlainText()};
}

QStringList AssignmentListDialog::lines() const {
    QStringList titles;
    for (const AssignmentInfo& a : working_.assignments) titles << cp1252::toUnicode(a.title);
    return titles;
}

void AssignmentListDialog::fillBoxes(std::optional<std::size_t> index) {
    const AssignmentForm f = index ? assignmentForm(working_.assignments[*index]) : AssignmentForm{};
    title_->setText(f.title);
    type_->setCurrentIndex(type_->findData(f.type));  // none for a type that is not one of the six
    description_->setPlainText(f.description);
    if (!index) title_->setFocus();
}

bool AssignmentListDialog::boxesEmpty() const {
    return form() == AssignmentForm{};
}

QString AssignmentListDialog::pendingQuestion(bool showsRecord) const {
    const QString title = trimmedText(title_->text());
    return showsRecord ? tr("Keep the changes made to \"%1\"?").arg(title)
                       : tr("Add \"%1\", typed but not added yet, to the assignments?").arg(title);
}

void AssignmentListDialog::refused(const QString& message) {
    dialogs_.warn(this, message);
    // The box the check refused takes the focus; a form that passes was
    // refused for its title.
    std::optional<AssignmentField> bad;
    if (checkAssignmentForm(form(), &bad).ok()) bad = AssignmentField::Title;
    switch (*bad) {
    case AssignmentField::Title: title_->setFocus(); break;
    case AssignmentField::Type: type_->setFocus(); break;
    case AssignmentField::Description: description_->setFocus(); break;
    }
}

bool AssignmentListDialog::addFromBoxes() {
    const Result<std::size_t> added = markwell::addAssignment(working_, form());
    if (!added) refused(added.message());
    return added.ok();
}

bool AssignmentListDialog::updateFromBoxes(std::size_t index) {
    const Result<void> updated = markwell::updateAssignment(working_, index, form());
    if (!updated) refused(updated.message());
    return updated.ok();
}

bool AssignmentListDialog::deleteAt(std::size_t index) {
    return markwell::deleteAssignment(working_, index);
}

bool AssignmentListDialog::moveAt(std::size_t index, MoveDirection direction) {
    return markwell::moveAssignment(working_, index, direction);
}

void AssignmentListDialog::clearAssignments() {
    if (working_.assignments.empty()) return;
    if (dialogs_.askYesNo(this, tr("Remove all assignments?")) != UserDialogs::Answer::Yes) return;
    markwell::clearAssignments(working_);
    listChanged(false);
}

void AssignmentListDialog::importAssignments() {
    ImportAssignmentsDialog picker(dialogs_, classPath_, this);
    if (picker.exec() != QDialog::Accepted) return;
    markwell::importAssignments(working_, picker.selectedAssignments());
    listChanged(true);
}

void AssignmentListDialog::printAssignments() {
    const Sheet printout = assignmentListPrintout(working_.assignments, classPath_);
    const Result<PrintOutcome> printed = printSheet(this, dialogs_, printout);
    if (!printed) dialogs_.warn(this, tr("The assignments could not be printed: ") + printed.message());
}

}  // namespace markwell
