// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/options/PasswordDialog.h"

#include "core/settings/PasswordProtection.h"
#include "gui/shared/HelpTopics.h"
#include "gui/shared/UserDialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace markwell {

QLineEdit* newPasswordEdit() {
    auto* edit = new QLineEdit;
    edit->setEchoMode(QLineEdit::Password);
    edit->setMaxLength(PasswordProtection::kMaxLength);
    return edit;
}

PasswordDialog::PasswordDialog(const PasswordProtection& passwords, UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), passwords_(passwords), dialogs_(dialogs), password_(newPasswordEdit()) {
    setWindowTitle(tr("Enter Password"));
    setObjectName(QStringLiteral("passwordDialog"));
    setHelpTopic(this, HelpTopic::Password);
    password_->setObjectName(QStringLiteral("password"));

    auto* form = new QFormLayout;
    form->addRow(tr("&Password:"), password_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("&Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(300);
    password_->setFocus();
}

void PasswordDialog::accept() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Result<bool> matches = passwords_.accepts(password_->text());
    QApplication::restoreOverrideCursor();
    if (!matches) {
        dialogs_.warn(this, matches.message());
        return;
    }
    if (!*matches) {
        // Not the Options dialog's "verification failed": nothing was typed twice here.
        dialogs_.inform(this, tr("The password is incorrect. Capital letters count: please check the spelling "
                                 "and the Caps Lock key."));
        password_->setFocus();
        password_->selectAll();
        return;
    }
    QDialog::accept();
}

bool passwordAcceptedAtStart(const PasswordProtection& passwords, UserDialogs& dialogs) {
    if (!passwords.isOn()) return true;
    if (Result<void> ready = initialisePasswordHashing(); !ready) {
        dialogs.warn(nullptr, ready.message());
        return false;
    }
    PasswordDialog dialog(passwords, dialogs);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace markwell
