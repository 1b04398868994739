// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/document/EarlierVersionsDialog.h"

#include "core/reports/EarlierVersionsTable.h"
#include "gui/shared/HelpTopics.h"
#include "gui/sheetview/SheetView.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace markwell {

EarlierVersionsDialog::EarlierVersionsDialog(const QString& gradePath, std::vector<EarlierVersion> versions,
                                             QWidget* parent)
    : QDialog(parent), versions_(std::move(versions)), table_(earlierVersionsTable(versions_)), view_(new SheetView),
      open_(new QPushButton(tr("&Open"))) {
    setWindowTitle(tr("Earlier Versions of %1").arg(QFileInfo(gradePath).fileName()));
    setObjectName(QStringLiteral("earlierVersionsDialog"));
    setHelpTopic(this, HelpTopic::EarlierVersions);
    setSizeGripEnabled(true);

    view_->setObjectName(QStringLiteral("versionsTable"));
    view_->setAccessibleName(tr("Earlier versions"));
    auto* note =
        new QLabel(versions_.empty() ? tr("No earlier version of this class is kept yet: one is kept each time a save "
                                          "replaces the class.")
                                     : tr("The version you open becomes a new, untitled class; save it where you like. "
                                          "The class on disk stays as it is."));
    note->setObjectName(QStringLiteral("versionsNote"));
    note->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->button(QDialogButtonBox::Close)->setText(tr("&Close"));
    open_->setObjectName(QStringLiteral("openVersion"));
    buttons->addButton(open_, QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addWidget(view_, 1);
    layout->addWidget(buttons);

    // The newest version is the one most often wanted.
    if (!versions_.empty()) table_.setSelection(CellRange::cell(2, 1));
    view_->setSheet(&table_);
    connect(view_, &SheetView::selectionMoved, this, &EarlierVersionsDialog::updateOpenButton);
    connect(view_, &QAbstractItemView::doubleClicked, this, [this] {
        if (chosenVersion()) accept();
    });
    updateOpenButton();
    resize(480, 320);
}

EarlierVersionsDialog::~EarlierVersionsDialog() {
    // The view outlives the sheet it shows (the dialog's children go last).
    view_->setSheet(nullptr);
}

std::optional<EarlierVersion> EarlierVersionsDialog::chosenVersion() const {
    const int row = table_.activeRow();
    if (row < 2 || row - 2 >= static_cast<int>(versions_.size())) return std::nullopt;
    return versions_[static_cast<std::size_t>(row - 2)];
}

void EarlierVersionsDialog::updateOpenButton() {
    open_->setEnabled(chosenVersion().has_value());
}

}  // namespace markwell
