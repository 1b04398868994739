// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/shared/TextEntryDialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace markwell {

TextEntryDialog::TextEntryDialog(const UserDialogs::TextRequest& request, QWidget* parent)
    : QDialog(parent), edit_(new QLineEdit(request.text)) {
    setWindowTitle(request.title);
    setObjectName(QStringLiteral("textEntryDialog"));
    edit_->setObjectName(QStringLiteral("information"));
    if (request.maxLength > 0) edit_->setMaxLength(request.maxLength);
    if (request.secret) edit_->setEchoMode(QLineEdit::Password);
    edit_->selectAll();

    auto* group = new QGroupBox(tr("Information"));
    auto* groupLayout = new QVBoxLayout(group);
    if (!request.label.isEmpty()) {
        auto* label = new QLabel(request.label);
        label->setBuddy(edit_);
        groupLayout->addWidget(label);
    }
    groupLayout->addWidget(edit_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
    setMinimumWidth(320);
    edit_->setFocus();
}

QString TextEntryDialog::text() const {
    return edit_->text();
}

}  // namespace markwell
