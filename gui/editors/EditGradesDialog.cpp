// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/editors/EditGradesDialog.h"

#include "core/common/Cp1252.h"
#include "core/common/NumberText.h"
#include "core/data/PointEntry.h"
#include "core/editing/GradeEntry.h"
#include "core/editing/Validators.h"
#include "gui/editors/EditorSupport.h"
#include "gui/shared/DiscardQuestion.h"
#include "gui/shared/HelpTopics.h"
#include "gui/shared/TintedLabel.h"
#include "gui/shared/Translations.h"
#include "gui/shared/UserDialogs.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace markwell {
namespace {

QString shownTotal(double total) {
    return numberWithPoint(generalQText(total), windowDecimalPoint());
}

}  // namespace

EditGradesDialog::EditGradesDialog(const ClassRecord& cls, UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), original_(cls), working_(cls), choice_(new QComboBox), total_(new QLineEdit),
      grid_(new SheetView) {
    setWindowTitle(tr("Edit Grades"));
    setObjectName(QStringLiteral("editGradesDialog"));
    setHelpTopic(this, HelpTopic::EditGrades);

    choice_->setObjectName(QStringLiteral("assignmentChoice"));
    choice_->setEditable(false);
    choice_->setMinimumWidth(240);
    for (const AssignmentInfo& a : working_.assignments) choice_->addItem(cp1252::toUnicode(a.title));
    total_->setObjectName(QStringLiteral("totalBox"));
    total_->setMaxLength(kPointsTextLength);
    // Digits with one decimal separator ("." or the window's); the check on
    // storing has the last word.
    const QString separators =
        windowDecimalPoint() == QLatin1Char(',') ? QStringLiteral("[.,]") : QStringLiteral("\\.");
    total_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral(R"(\s*\d*%1?\d*\s*)").arg(separators)), total_));
    grid_->setObjectName(QStringLiteral("pointsGrid"));
    grid_->setAccessibleName(tr("Grades"));
    grid_->setAccessibleDescription(tr("A row for each student: type the points into the second column."));
    grid_->setMinimumSize(300, 320);
    grid_->setEditPermission([](int, int col) { return col == 2; });
    grid_->setEndEditHandler([this](int row, int col, const QString& text) { return storeCell(row, col, text); });

    auto* group = new QGroupBox(tr("Grade Information"));
    auto* form = new QFormLayout;
    form->addRow(tr("&Assignments"), choice_);
    form->addRow(tr("&Total"), total_);
    auto* gridLabel = new QLabel(tr("&Grades"));
    gridLabel->setBuddy(grid_);
    auto* hint = new TintedLabel(tr("- used when assignment should not count towards grade"), QColor(0, 0, 255));
    hint->setObjectName(QStringLiteral("notCountedHint"));
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addLayout(form);
    groupLayout->addWidget(gridLabel);
    groupLayout->addWidget(grid_, 1);
    groupLayout->addWidget(hint);

    // No default button: Enter belongs to the grid, where it stores a cell
    // and goes down; Ctrl+Return is OK.
    QPushButton* ok = commandButton(tr("OK"), "okButton");
    QPushButton* cancel = commandButton(tr("Cancel"), "cancelButton");
    QPushButton* clear = commandButton(tr("&Clear"), "clearButton");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(clear);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group, 1);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &EditGradesDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(clear, &QPushButton::clicked, this, &EditGradesDialog::clearAssignment);
    connect(choice_, &QComboBox::currentIndexChanged, this, &EditGradesDialog::chooseAssignment);
    connect(total_, &QLineEdit::editingFinished, this, [this] {
        if (trimmedText(total_->text()).isEmpty()) total_->setText(QStringLiteral("0"));
    });
    onEnterKey(total_, [this] { grid_->setFocus(); });
    addAcceptShortcut(this);

    showAssignment(working_.assignments.empty() ? -1 : 0);
    grid_->setFocus();
}

EditGradesDialog::~EditGradesDialog() {
    // The grid lets go of the sheet before the sheet goes: a cell still being
    // typed into then closes without reporting to a dialog that is gone.
    grid_->setSheet(nullptr);
}

void EditGradesDialog::showAssignment(int index) {
    current_ = index;
    const QSignalBlocker quiet(choice_);
    choice_->setCurrentIndex(index);
    if (index < 0) {
        sheet_ = Sheet();
        sheet_.setMaxRow(0);
        total_->clear();
    } else {
        const AssignmentInfo& assignment = working_.assignments[static_cast<std::size_t>(index)];
        sheet_ = gradeEntrySheet(assignment);
        total_->setText(shownTotal(assignment.total));
        sheet_.setSelection(CellRange::cell(1, 2));
    }
    grid_->setSheet(&sheet_);
}

void EditGradesDialog::chooseAssignment(int index) {
    if (index == current_) return;
    if (!keepTyping()) {
        const QSignalBlocker quiet(choice_);
        choice_->setCurrentIndex(current_);
        return;
    }
    showAssignment(index);
}

bool EditGradesDialog::keepTyping() {
    if (current_ < 0) return true;
    cellRefused_ = false;
    grid_->endEdit();
    if (cellRefused_) return false;
    AssignmentInfo& assignment = working_.assignments[static_cast<std::size_t>(current_)];
    if (Result<void> total = setTotal(assignment, typedWithPoint(total_->text(), windowDecimalPoint())); !total) {
        dialogs_.warn(this, total.message());
        total_->setFocus();
        total_->selectAll();
        return false;
    }
    return true;
}

SheetView::EndEdit EditGradesDialog::storeCell(int row, int col, const QString& text) {
    if (current_ < 0 || col != 2) return SheetView::EndEdit::Refuse;
    AssignmentInfo& assignment = working_.assignments[static_cast<std::size_t>(current_)];
    const auto entry = static_cast<std::size_t>(row - 1);
    if (Result<void> stored = setEntryPoints(assignment, entry, text); !stored) {
        cellRefused_ = true;
        dialogs_.warn(this, stored.message());
        return SheetView::EndEdit::Refuse;
    }
    sheet_.setText(row, col, cp1252::toUnicode(splitPointEntry(assignment.namegrade[entry]).points));
    grid_->refreshCells(CellRange::cell(row, col));
    return SheetView::EndEdit::Handled;
}

void EditGradesDialog::clearAssignment() {
    if (current_ < 0) return;
    AssignmentInfo& assignment = working_.assignments[static_cast<std::size_t>(current_)];
    const QString question = tr("Clear all points of \"%1\"?").arg(cp1252::toUnicode(assignment.title));
    if (dialogs_.askChoice(this, question, {tr("Clear"), tr("Cancel")}) != 0) return;
    grid_->cancelEdit();
    clearPoints(assignment);
    showAssignment(current_);
}

void EditGradesDialog::accept() {
    if (!keepTyping()) return;
    QDialog::accept();
}

bool EditGradesDialog::holdsTyping() const {
    if (working_ != original_ || grid_->isEditing()) return true;
    if (current_ < 0) return false;
    const AssignmentInfo& assignment = working_.assignments[static_cast<std::size_t>(current_)];
    return trimmedText(total_->text()) != shownTotal(assignment.total);
}

void EditGradesDialog::reject() {
    if (holdsTyping() && !confirmDiscard(dialogs_, this)) return;
    QDialog::reject();
}

}  // namespace markwell
