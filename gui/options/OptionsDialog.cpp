// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/options/OptionsDialog.h"

#include "core/settings/KeptVersions.h"
#include "core/settings/PasswordProtection.h"
#include "gui/mail/KeyringMailPasswords.h"
#include "gui/options/MailServerPage.h"
#include "gui/options/PasswordDialog.h"
#include "gui/shared/HelpTopics.h"
#include "gui/shared/UserDialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace markwell {

OptionsDialog::OptionsDialog(PasswordProtection& passwords, SettingsStore& settings, UserDialogs& dialogs,
                             QWidget* parent, MailPasswords* mailPasswords)
    : QDialog(parent), passwords_(passwords), settings_(settings), dialogs_(dialogs),
      protect_(new QCheckBox(tr("&Enable Password Protection"))), oldPassword_(newPasswordEdit()),
      newPassword_(newPasswordEdit()), verifyPassword_(newPasswordEdit()),
      removePassword_(new QCheckBox(tr("&Remove the stored password"))), keptVersions_(new QSpinBox),
      ownMailPasswords_(mailPasswords ? nullptr : std::make_unique<KeyringMailPasswords>()),
      mailPage_(new MailServerPage(readMailServerSettings(settings),
                                   mailPasswords ? *mailPasswords : *ownMailPasswords_, dialogs)) {
    setWindowTitle(tr("Options"));
    setObjectName(QStringLiteral("optionsDialog"));
    setHelpTopic(this, HelpTopic::Options);
    protect_->setObjectName(QStringLiteral("protect"));
    oldPassword_->setObjectName(QStringLiteral("oldPassword"));
    newPassword_->setObjectName(QStringLiteral("newPassword"));
    verifyPassword_->setObjectName(QStringLiteral("verifyPassword"));
    removePassword_->setObjectName(QStringLiteral("removePassword"));

    auto* group = new QGroupBox(tr("Password"));
    auto* form = new QFormLayout(group);
    form->addRow(protect_);
    form->addRow(tr("Ol&d Password"), oldPassword_);
    form->addRow(tr("&New Password"), newPassword_);
    form->addRow(tr("&Verify Password"), verifyPassword_);
    form->addRow(new QLabel(tr("Password is case sensitive")));
    form->addRow(removePassword_);

    keptVersions_->setObjectName(QStringLiteral("keptVersions"));
    keptVersions_->setRange(0, kMostKeptVersions);
    keptVersions_->setSpecialValueText(tr("None"));
    keptVersions_->setValue(keptVersionCount(settings_));
    auto* versions = new QGroupBox(tr("Earlier versions"));
    auto* versionsForm = new QFormLayout(versions);
    versionsForm->addRow(tr("Versions &kept of each class"), keptVersions_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("&Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* general = new QWidget;
    auto* generalLayout = new QVBoxLayout(general);
    generalLayout->addWidget(group);
    generalLayout->addWidget(versions);
    generalLayout->addStretch();
    auto* tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("optionPages"));
    tabs->setAccessibleName(tr("Option pages"));
    tabs->addTab(general, tr("&General"));
    tabs->addTab(mailPage_, tr("E-&mail"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);

    protect_->setChecked(passwords_.isOn());
    connect(protect_, &QCheckBox::toggled, this, &OptionsDialog::updateEditControls);
    connect(removePassword_, &QCheckBox::toggled, this, &OptionsDialog::updateEditControls);
    updateEditControls();
}

void OptionsDialog::updateEditControls() {
    const bool wanted = protect_->isChecked();
    const bool stored = passwords_.hasPassword();
    removePassword_->setEnabled(stored && !wanted);
    if (wanted) removePassword_->setChecked(false);
    oldPassword_->setEnabled(stored && (wanted || passwords_.isOn() || removePassword_->isChecked()));
    newPassword_->setEnabled(wanted);
    verifyPassword_->setEnabled(wanted);
}

void OptionsDialog::refuse(const QString& message, QLineEdit* box) {
    dialogs_.inform(this, message);
    box->setFocus();
    box->selectAll();
}

OptionsDialog::~OptionsDialog() = default;

void OptionsDialog::accept() {
    if (!mailPage_->check()) return;
    if (!storePassword()) return;
    if (keptVersions_->value() != keptVersionCount(settings_)) {
        if (const Result<void> stored = setKeptVersionCount(settings_, keptVersions_->value()); !stored) {
            dialogs_.warn(this, stored.message());
            return;
        }
    }
    if (const MailServerSettings mail = mailPage_->settings(); mail != readMailServerSettings(settings_)) {
        if (const Result<void> stored = writeMailServerSettings(settings_, mail); !stored) {
            dialogs_.warn(this, stored.message());
            return;
        }
    }
    if (!mailPage_->storePassword()) return;
    QDialog::accept();
}

bool OptionsDialog::storePassword() {
    PasswordProtection::Choice choice;
    choice.protect = protect_->isChecked();
    choice.oldPassword = oldPassword_->isEnabled() ? oldPassword_->text() : QString();
    if (choice.protect) {
        choice.newPassword = newPassword_->text();
        choice.verifyPassword = verifyPassword_->text();
    }
    choice.removePassword = removePassword_->isEnabled() && removePassword_->isChecked();
    QApplication::setOverrideCursor(Qt::WaitCursor);  // checking and protecting a password take a moment
    const PasswordProtection::Applied applied = passwords_.apply(choice);
    QApplication::restoreOverrideCursor();

    using Outcome = PasswordProtection::Outcome;
    switch (applied.outcome) {
    case Outcome::Saved:
    case Outcome::Unchanged: return true;
    case Outcome::OldPasswordIncorrect:
        refuse(tr("Old password is incorrect, please check spelling!"), oldPassword_);
        return false;
    case Outcome::VerificationFailed:
        refuse(tr("Password verification failed, please check spelling!"), verifyPassword_);
        return false;
    case Outcome::NewPasswordNeeded:
        refuse(tr("Please type the new password under New Password and again under Verify Password."), newPassword_);
        return false;
    case Outcome::TooLong:
        refuse(tr("A password has at most %1 characters.").arg(PasswordProtection::kMaxLength), newPassword_);
        return false;
    case Outcome::Failed: dialogs_.warn(this, applied.message); return false;
    }
    return false;
}

}  // namespace markwell
