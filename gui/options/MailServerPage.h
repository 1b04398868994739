// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "core/mail/MailServerSettings.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QSpinBox;

namespace markwell {

class MailPasswords;
class UserDialogs;

// The E-mail page of Options: the school's mail server, the sender, the CA
// file trusted besides the system's and the pause between messages. The
// password typed here goes to the desktop's keyring, never to the settings;
// the box stays empty and says whether one is kept.
class MailServerPage : public QWidget {
    Q_OBJECT
public:
    MailServerPage(const MailServerSettings& current, MailPasswords& passwords, UserDialogs& dialogs,
                   QWidget* parent = nullptr);

    // The settings as the boxes say.
    MailServerSettings settings() const;

    // Checks the boxes before anything is stored: a refusal says why and
    // puts the cursor in the box to correct.
    bool check();
    // Keeps or forgets the password in the keyring as typed. A desktop
    // without a keyring is told of: the password will be asked for at each
    // send. False when the keyring refused.
    bool storePassword();

    QLineEdit* serverBox() const { return server_; }
    QSpinBox* portBox() const { return port_; }
    QComboBox* securityBox() const { return security_; }
    QLineEdit* userBox() const { return user_; }
    QLineEdit* passwordBox() const { return password_; }
    QCheckBox* forgetPasswordBox() const { return forgetPassword_; }
    QLineEdit* senderNameBox() const { return senderName_; }
    QLineEdit* senderAddressBox() const { return senderAddress_; }
    QLineEdit* caFileBox() const { return caFile_; }
    QDoubleSpinBox* pauseBox() const { return pause_; }

private:
    void chooseCaFile();
    // A port still at the usual one of the old security follows the new one.
    void securityChanged();
    void refuse(const QString& message, QWidget* box);

    MailPasswords& passwords_;
    UserDialogs& dialogs_;
    MailSecurity shownSecurity_;
    QLineEdit* server_;
    QSpinBox* port_;
    QComboBox* security_;
    QLineEdit* user_;
    QLineEdit* password_;
    QCheckBox* forgetPassword_;
    QLineEdit* senderName_;
    QLineEdit* senderAddress_;
    QLineEdit* caFile_;
    QDoubleSpinBox* pause_;
};

}  // namespace markwell
