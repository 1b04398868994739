// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QDialog>

namespace markwell {

class UserDialogs;

// "About Markwell": the picture, the version and the contact line, whose
// link writes a message to the program's makers.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(UserDialogs& dialogs, QWidget* parent = nullptr);

    static QString contactAddress();
    // mailto: with the subject "Computerized Markwell", percent-encoded.
    static QUrl contactUrl();

    // Opens the contact address as a click on the contact line does.
    void writeToContact();

private:
    UserDialogs& dialogs_;
};

}  // namespace markwell
