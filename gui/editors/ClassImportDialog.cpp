// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/editors/ClassImportDialog.h"

#include "gui/editors/EditorSupport.h"
#include "gui/editors/GradeFileChooser.h"

#include <QAbstractItemView>
#include <QDialogButtonBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace markwell {

ClassImportDialog::ClassImportDialog(UserDialogs& dialogs, const QString& classPath, QAbstractItemView* list,
                                     const QString& listLabel, QWidget* parent)
    : QDialog(parent), chooser_(new GradeFileChooser(dialogs, classPath)), list_(list) {
    list_->setObjectName(QStringLiteral("importList"));
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setMinimumSize(360, 240);
    auto* label = new QLabel(listLabel);
    label->setBuddy(list_);
    // A list is not named by its label as a box is: it says so itself.
    list_->setAccessibleName(QString(listLabel).remove(QLatin1Char('&')));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("&Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chooser_);
    layout->addWidget(label);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);

    connect(chooser_, &GradeFileChooser::classRead, this, &ClassImportDialog::showClass);
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &ClassImportDialog::updateOk);
    updateOk();
    // Enter chooses a file until there is something to import. Set once the
    // buttons are in the dialog: a default set before is not the dialog's.
    chooser_->browseButton()->setDefault(true);
    chooser_->browseButton()->setFocus();
}

QList<int> ClassImportDialog::selectedRows() const {
    QList<int> rows;
    for (const QModelIndex& index : list_->selectionModel()->selectedRows()) rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

void ClassImportDialog::listShown() {
    list_->setFocus();
    ok_->setDefault(true);  // Enter imports what is selected, wherever the focus is
    updateOk();
}

void ClassImportDialog::updateOk() {
    ok_->setEnabled(list_->selectionModel()->hasSelection());
}

}  // namespace markwell
