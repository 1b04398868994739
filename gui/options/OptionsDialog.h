// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QDialog>

#include <memory>

class QCheckBox;
class QLineEdit;
class QSpinBox;

namespace markwell {

class MailPasswords;
class MailServerPage;
class PasswordProtection;
class SettingsStore;
class UserDialogs;

// Options: switches the start-up password on or off and sets or changes it,
// sets how many earlier versions a save keeps of each class (the General
// page), and the mail server families' messages go through (the E-mail
// page). OK stores nothing until every check has passed; a refusal says why
// and puts the cursor in the box to correct.
class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    // The mail server's password goes to `mailPasswords`, or to the
    // desktop's keyring when none is given.
    OptionsDialog(PasswordProtection& passwords, SettingsStore& settings, UserDialogs& dialogs,
                  QWidget* parent = nullptr, MailPasswords* mailPasswords = nullptr);
    ~OptionsDialog() override;

    QCheckBox* protectBox() const { return protect_; }
    QLineEdit* oldPasswordBox() const { return oldPassword_; }
    QLineEdit* newPasswordBox() const { return newPassword_; }
    QLineEdit* verifyPasswordBox() const { return verifyPassword_; }
    QCheckBox* removePasswordBox() const { return removePassword_; }
    QSpinBox* keptVersionsBox() const { return keptVersions_; }
    MailServerPage* mailPage() const { return mailPage_; }

public slots:
    void accept() override;

private:
    // The old password counts only when one is stored and it is needed: to
    // switch protection on or off, to change the password or to remove it.
    // The new ones count only when protection is wanted; removing the stored
    // password is possible only with protection unticked.
    void updateEditControls();
    void refuse(const QString& message, QLineEdit* box);
    // The password part of OK; true when it is stored (or has nothing to store).
    bool storePassword();

    PasswordProtection& passwords_;
    SettingsStore& settings_;
    UserDialogs& dialogs_;
    QCheckBox* protect_;
    QLineEdit* oldPassword_;
    QLineEdit* newPassword_;
    QLineEdit* verifyPassword_;
    QCheckBox* removePassword_;
    QSpinBox* keptVersions_;
    std::unique_ptr<MailPasswords> ownMailPasswords_;
    MailServerPage* mailPage_;
};

}  // namespace markwell
