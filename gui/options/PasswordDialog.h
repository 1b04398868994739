// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QDialog>

class QLineEdit;

namespace markwell {

class PasswordProtection;
class UserDialogs;

// Enter Password, asked at start-up while protection is on: OK lets the
// program start only with the stored password; Cancel ends the program.
class PasswordDialog : public QDialog {
    Q_OBJECT
public:
    PasswordDialog(const PasswordProtection& passwords, UserDialogs& dialogs, QWidget* parent = nullptr);

    QLineEdit* passwordBox() const { return password_; }

public slots:
    void accept() override;

private:
    const PasswordProtection& passwords_;
    UserDialogs& dialogs_;
    QLineEdit* password_;
};

// A box for a password: masked, at most PasswordProtection::kMaxLength
// characters, blanks included (editing keys stay usable at the limit).
QLineEdit* newPasswordEdit();

// Asks for the password when protection is on. False when the program must
// not start: the dialog was cancelled, or passwords cannot be checked.
bool passwordAcceptedAtStart(const PasswordProtection& passwords, UserDialogs& dialogs);

}  // namespace markwell
